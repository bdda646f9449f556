// The panel's own start-up sequence, on a simulated port, ending at the main window's first paint.

#include "PeakMemory.h"
#include "SimulatedPort.h"
#include "Unit1.h"
#include "Unit3.h"
#include "platform/Application.h"
#include "platform/ProcessorPorts.h"

#include <QEvent>
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
    platform::Application Application(argc, argv);
    Application.setTitle(QStringLiteral("VOLTARIX"));
    Application.createForm(Form1);
    Application.createForm(Form3);
    FirstPaint firstPaint;
    Form1->installEventFilter(&firstPaint);
    return Application.run();
}
