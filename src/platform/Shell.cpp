#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {

ShellOpener& opener()
{
    static ShellOpener current;
    return current;
}

} // namespace

void ShellOpen(const QString& address)
{
    if (opener())
        opener()(address);
    else
        QDesktopServices::openUrl(QUrl(address));
}

ShellOpener setShellOpener(ShellOpener replacement)
{
    return std::exchange(opener(), std::move(replacement));
}

} // namespace platform
