// The panel's own start-up sequence (the lines of src/Project1.cpp, kept in step with them), on a
// simulated port, ending at the main window's first paint.

#include "PeakMemory.h"
#include "SimulatedPort.h"
#include "Unit1.h"
#include "Unit3.h"
#include "platform/Application.h"
#include "platform/Privileges.h"
#include "platform/ProcessorPorts.h"

#include <QEvent>
#include <QIcon>
#include <QTimer>

namespace {

class FirstPaint : public QObject
{
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { reportPeakAndExit(); });
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    SimulatedPort port;
    platform::requestPortAccess();
    platform::dropPrivileges();
    platform::Application Application(argc, argv);
    Application.setTitle(QStringLiteral("VOLTARIX"));
    Application.setIcon(QIcon(QStringLiteral(":/voltarix.png")));
    Application.createForm(Form1);
    Application.createForm(Form3);
    FirstPaint firstPaint;
    Form1->installEventFilter(&firstPaint);
    return Application.run();
}
