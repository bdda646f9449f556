#pragma once

#include <QString>

namespace platform {

// The process's working directory, as the operating system reports it.
QString GetCurrentDir();

} // namespace platform
