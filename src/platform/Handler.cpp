#include "platform/Handler.h"

#include "platform/ErrorDialog.h"
#include "platform/Exceptions.h"

#include <QAbstractButton>
#include <exception>

namespace platform {

namespace {

int depth = 0;
std::exception_ptr pending;

QString messageOf(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const Exception& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Exception inconnue");
    }
}

void rethrowPending()
{
    if (pending)
        std::rethrow_exception(std::exchange(pending, nullptr));
}

} // namespace

void runHandler(const std::function<void()>& body)
{
    ++depth;
    std::exception_ptr failure;
    try {
        body();
        // A nested handler that failed where no Click() was there to raise it again.
        rethrowPending();
    } catch (...) {
        failure = std::current_exception();
    }
    --depth;
    if (!failure)
        return;
    if (depth > 0) {
        pending = failure;
        return;
    }
    pending = nullptr;
    showErrorDialog(messageOf(failure));
}

void Click(QAbstractButton* button)
{
    button->click();
    rethrowPending();
}

} // namespace platform
