#pragma once

#include <QString>
#include <functional>

namespace platform {

// The text the error dialog shows for a failure's message: a full stop is added
// unless the message already ends in one, or in a character that sorts before it.
QString errorDialogText(const QString& message);

// Shows the modal error dialog (caption: the application title, stop icon, OK).
void showErrorDialog(const QString& message);

// Where error dialogs go instead of the screen; tests use it to see what the user
// would be shown. An empty function puts the real dialog back. Returns the previous one.
using ErrorDialogSink = std::function<void(const QString& caption, const QString& text)>;
ErrorDialogSink setErrorDialogSink(ErrorDialogSink sink);

} // namespace platform
