#pragma once

#include <functional>

class QAbstractButton;

namespace platform {

// Runs one event handler. No failure ever goes back into Qt's event loop: the
// outermost handler shows it in the error dialog. A handler started by another
// one (a triggered click) keeps its failure for the trigger to raise again, so
// the whole chain ends at once and the user sees one dialog.
void runHandler(const std::function<void()>& body);

// A slot for connect() that runs body as an event handler.
template <typename Body> auto handler(Body body)
{
    return [body] { runHandler(body); };
}

// Triggers a button's click from inside a handler, as if the user had clicked
// it: its handlers run now, and their failure becomes the caller's failure.
void Click(QAbstractButton* button);

} // namespace platform
