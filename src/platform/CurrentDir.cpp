#include "platform/CurrentDir.h"

#include <QDir>

namespace platform {

QString GetCurrentDir()
{
    return QDir::currentPath();
}

} // namespace platform
