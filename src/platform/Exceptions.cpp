#include "platform/Exceptions.h"

#include <cstring>

namespace platform {

Exception::Exception(QString message) : text(std::move(message)), utf8(text.toUtf8()) {}

PrivilegeError::PrivilegeError() : Exception(QStringLiteral("Instruction privilégiée")) {}

namespace {

// The system's words for an errno, without the trailing blanks, line breaks and full stops
// that would clash with the dialog's own full stop.
QString describeError(int errorNumber)
{
    QString text = QString::fromLocal8Bit(std::strerror(errorNumber));
    while (!text.isEmpty() && (text.back().isSpace() || text.back() == u'.'))
        text.chop(1);
    return text;
}

} // namespace

FileOpenError::FileOpenError(const QString& path, int errorNumber)
    : Exception(
          QStringLiteral("Impossible d'ouvrir le fichier \"%1\". %2").arg(path, describeError(errorNumber)))
{
}

JpegError::JpegError(int code) : Exception(QStringLiteral("Erreur JPEG #%1").arg(code)), messageCode(code) {}

} // namespace platform
