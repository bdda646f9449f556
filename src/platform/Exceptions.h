#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace platform {

// Every failure the panel reports is one of these; the message is what the error dialog shows.
class Exception : public std::exception
{
public:
    explicit Exception(QString message);
    const QString& message() const noexcept { return text; }
    const char* what() const noexcept override { return utf8.constData(); }

private:
    QString text;
    QByteArray utf8;
};

// The processor refused a port instruction: the program has no access to that port.
class PrivilegeError : public Exception
{
public:
    PrivilegeError();
};

// A file could not be opened; errorNumber is the errno that said why.
class FileOpenError : public Exception
{
public:
    FileOpenError(const QString& path, int errorNumber);
};

// The JPEG decoder rejected a picture; code is its message number.
class JpegError : public Exception
{
public:
    explicit JpegError(int code);
    int code() const noexcept { return messageCode; }

private:
    int messageCode;
};

// A text is not a whole number.
class ConvertError : public Exception
{
public:
    using Exception::Exception;
};

} // namespace platform
