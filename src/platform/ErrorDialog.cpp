#include "platform/ErrorDialog.h"

#include "platform/Application.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

namespace {

ErrorDialogSink& sink()
{
    static ErrorDialogSink current;
    return current;
}

void showMessageBox(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

QString errorDialogText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void showErrorDialog(const QString& message)
{
    const QString text = errorDialogText(message);
    if (sink())
        sink()(applicationTitle(), text);
    else
        showMessageBox(applicationTitle(), text);
}

ErrorDialogSink setErrorDialogSink(ErrorDialogSink replacement)
{
    return std::exchange(sink(), std::move(replacement));
}

} // namespace platform
