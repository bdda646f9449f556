#pragma once

#include <QString>
#include <functional>

namespace platform {

// Asks the desktop to open an address (a web page opens in the user's browser).
// What the desktop makes of it is not examined.
void ShellOpen(const QString& address);

// Where ShellOpen's requests go instead of the desktop (tests); an empty function
// puts the desktop back. Returns the previous one.
using ShellOpener = std::function<void(const QString& address)>;
ShellOpener setShellOpener(ShellOpener opener);

} // namespace platform
