// The processor's own port instructions, on a machine that has not granted this
// process any port: every access must fail cleanly, and nothing else may be hidden.

#include "DialogRecorder.h"
#include "Unit1.h"
#include "Unit3.h"
#include "platform/Exceptions.h"
#include "platform/PictureBox.h"
#include "platform/PortBus.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

class ProcessorPorts : public QObject
{
    Q_OBJECT
private slots:
    void readIsRefused_data();
    void readIsRefused();
    void writeIsRefused();
    void refusalsDoNotWearOut();
    void otherFaultsStillEndTheProcess();
    void panelOpensAfterOneDialog();
};

void ProcessorPorts::readIsRefused_data()
{
    QTest::addColumn<int>("port");
    QTest::newRow("data") << 0x378;
    QTest::newRow("status") << 0x379;
    QTest::newRow("control") << 0x37A;
    QTest::newRow("a port nobody asked for") << 0x80;
}

void ProcessorPorts::readIsRefused()
{
    QFETCH(int, port);
    try {
        platform::portRead(static_cast<std::uint16_t>(port));
        QFAIL("the port was read: this process should have no port access");
    } catch (const platform::PrivilegeError& e) {
        QCOMPARE(e.message(), QStringLiteral("Instruction privilégiée"));
    }
}

void ProcessorPorts::writeIsRefused()
{
    QVERIFY_THROWS_EXCEPTION(platform::PrivilegeError, platform::portWrite(0x378, 0x55));
    QVERIFY_THROWS_EXCEPTION(platform::PrivilegeError, platform::portWrite(0x37A, 0x0C));
}

void ProcessorPorts::refusalsDoNotWearOut()
{
    int refused = 0;
    for (int i = 0; i < 2000; ++i) {
        try {
            if (i % 2)
                platform::portRead(0x379);
            else
                platform::portWrite(0x378, static_cast<std::uint8_t>(i));
        } catch (const platform::PrivilegeError&) {
            ++refused;
        }
    }
    QCOMPARE(refused, 2000);
}

namespace {

// Runs body in a child process and tells how it ended.
int endOfChild(void (*body)())
{
    const pid_t child = fork();
    if (child == 0) {
        body();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

// Makes sure the port fault handler is in place.
void refusedAccess()
{
    try {
        platform::portRead(0x379);
    } catch (const platform::PrivilegeError&) {
    }
}

void faultOnNullPointer()
{
    refusedAccess();
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}

void raiseSegv()
{
    refusedAccess();
    ::raise(SIGSEGV);
}

} // namespace

void ProcessorPorts::otherFaultsStillEndTheProcess()
{
    for (void (*body)() : {faultOnNullPointer, raiseSegv}) {
        const int status = endOfChild(body);
        // Killed by the signal, or (under a sanitizer) reported and ended with an error.
        QVERIFY2(!(WIFEXITED(status) && WEXITSTATUS(status) == 0),
                 "a fault outside the port routines was swallowed");
    }
}

void ProcessorPorts::panelOpensAfterOneDialog()
{
    DialogRecorder dialogs;
    TForm1 form;
    QCOMPARE(dialogs.texts, QStringList{QStringLiteral("Instruction privilégiée.")});
    for (int k = 1; k <= 8; ++k) {
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label%1").arg(10 + k))->text(),
                 QStringLiteral("++++"));
        QVERIFY(form.findChild<platform::PictureBox*>(QStringLiteral("Image%1").arg(k))->picture().isNull());
    }
    QCOMPARE(PortBits, QString());

    // The program goes on: the next read fails the same way, once.
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(dialogs.texts.size(), 2);
    QCOMPARE(dialogs.texts.last(), QStringLiteral("Instruction privilégiée."));
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ProcessorPorts test;
    // The fault tests want the process's own fate, not the test library's crash report.
    QStringList arguments = QApplication::arguments();
    arguments << QStringLiteral("-nocrashhandler");
    return QTest::qExec(&test, arguments);
}
#include "tst_processorports.moc"
