// Runs inside an emulated PC with a real (emulated) parallel port at 0x378, as root:
// the panel's own port instructions against a device model, with access granted.
// The host checks what reached the emulated printer.

#include "DialogRecorder.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "platform/Exceptions.h"
#include "platform/JpegFile.h"
#include "platform/PictureBox.h"
#include "platform/Privileges.h"
#include "platform/ProcessorPorts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstring>
#include <grp.h>
#include <linux/capability.h>
#include <sys/io.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::uint16_t Data = 0x378, Status = 0x379, Control = 0x37A;
// The emulated port's status lines with no printer activity: Busy, Ack, Select, Error, and bit 0.
constexpr std::uint8_t StatusAtRest = 0xD9;

} // namespace

class GuestPort : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void statusAtRest();
    void dataReadsBack_data();
    void dataReadsBack();
    void controlReadsWithBits6And7Set_data();
    void controlReadsWithBits6And7Set();
    void withoutAccessNothingIsWritten();
    void panelShowsAndSends();
    void startUpKeepsThePortsAndNothingElse_data();
    void startUpKeepsThePortsAndNothingElse();

private:
    QString lamps(TForm1& form) const;
    void click(TForm1& form, const char* name) const;
};

void GuestPort::initTestCase()
{
    QVERIFY2(ioperm(Data, 3, 1) == 0, "the guest refused ioperm: these checks need root in the emulated PC");
}

void GuestPort::statusAtRest()
{
    QCOMPARE(PortIn(Status), StatusAtRest);
    QCOMPARE(ReadPortBin(Status), IntToBin(StatusAtRest));
}

void GuestPort::dataReadsBack_data()
{
    QTest::addColumn<int>("byte");
    for (int byte : {0x00, 0x01, 0x55, 0x80, 0xA5, 0xAA, 0xFF})
        QTest::addRow("0x%02X", byte) << byte;
}

void GuestPort::dataReadsBack()
{
    QFETCH(int, byte);
    PortOut(Data, static_cast<std::uint8_t>(byte));
    QCOMPARE(PortIn(Data), byte);
    WritePortBin(Data, IntToBin(byte ^ 0xFF));
    QCOMPARE(ReadPortBin(Data), IntToBin(byte ^ 0xFF));
}

void GuestPort::controlReadsWithBits6And7Set_data()
{
    QTest::addColumn<int>("written");
    // Select and Init stay set and Strobe stays low, so nothing is printed.
    QTest::newRow("0x0C") << 0x0C;
    QTest::newRow("0x2C") << 0x2C;
    QTest::newRow("0x1C") << 0x1C;
}

void GuestPort::controlReadsWithBits6And7Set()
{
    QFETCH(int, written);
    PortOut(Control, static_cast<std::uint8_t>(written));
    QCOMPARE(PortIn(Control), written | 0xC0);
    WritePortBin(Control, QStringLiteral("00001100"));
    QCOMPARE(ReadPortBin(Control), QStringLiteral("11001100"));
}

// A child process gives up the ports, then tries to print a byte: every access must
// be refused, through the panel too, and the printer must receive nothing.
void GuestPort::withoutAccessNothingIsWritten()
{
    const pid_t child = fork();
    if (child == 0) {
        int failures = 0;
        if (ioperm(Data, 3, 0) != 0)
            _exit(90);
        for (auto [port, value] :
             {std::pair{Data, 0x99}, {Control, 0x0C}, {Control, 0x0D}, {Control, 0x0C}}) {
            try {
                PortOut(port, static_cast<std::uint8_t>(value));
                ++failures;
            } catch (const platform::PrivilegeError& e) {
                failures += e.message() != QStringLiteral("Instruction privilégiée");
            }
        }
        try {
            ReadPortBin(Status);
            ++failures;
        } catch (const platform::PrivilegeError&) {
        }
        DialogRecorder dialogs;
        {
            TForm1 form;
            form.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("153"));
            click(form, "Button4");
        }
        failures += dialogs.texts != QStringList(2, QStringLiteral("Instruction privilégiée."));
        _exit(failures);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status), "the process without access crashed");
    QCOMPARE(WEXITSTATUS(status), 0);
}

QString GuestPort::lamps(TForm1& form) const
{
    const QImage lit = platform::loadJpegFile(ImageDir + QStringLiteral("1.jpg"), QSize(43, 41));
    QString states;
    for (int k = 1; k <= 8; ++k) {
        const QImage& shown =
            form.findChild<platform::PictureBox*>(QStringLiteral("Image%1").arg(k))->picture();
        states += shown.isNull() ? u'-' : shown == lit ? u'1' : u'0';
    }
    return states;
}

void GuestPort::click(TForm1& form, const char* name) const
{
    QTest::mouseClick(form.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

// As a user would: the panel opens on the data register, shows the status register,
// composes 0x55 with the toggles and sends it, then strobes it out through the control
// register with numbers typed in the field.
void GuestPort::panelShowsAndSends()
{
    PortOut(Data, 0x81);
    PortOut(Control, 0x0C);
    DialogRecorder dialogs;
    TForm1 form;
    TForm3 about;
    Form1 = &form;
    Form3 = &about;

    QCOMPARE(PortBits, QStringLiteral("10000001"));
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label11"))->text(), QStringLiteral("D7"));
    QCOMPARE(lamps(form), QStringLiteral("10000001"));

    auto choose = [&](int item) {
        auto* button = form.findChild<QRadioButton*>(QStringLiteral("RadioGroup1_item%1").arg(item));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    };
    choose(1);
    QCOMPARE(PortAddr, Status);
    QCOMPARE(PortBits, IntToBin(StatusAtRest));
    QStringList names;
    for (int k = 11; k <= 18; ++k)
        names << form.findChild<QLabel*>(QStringLiteral("Label%1").arg(k))->text();
    QCOMPARE(names.join(u' '), QStringLiteral("Busy Acknwldg PaperEnd Select Error X X X"));
    QCOMPARE(lamps(form), IntToBin(StatusAtRest));

    choose(0);
    for (int k : {1, 3, 5, 7})
        QTest::mouseClick(form.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(k)), Qt::LeftButton);
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("This Binary = 85"));
    click(form, "Button3");
    QCOMPARE(PortIn(Data), 0x55);

    choose(2);
    QCOMPARE(PortAddr, Control);
    auto* field = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    for (const char* number : {"12", "13", "12"}) {
        field->setText(QLatin1String(number));
        click(form, "Button4");
    }
    QCOMPARE(PortIn(Control), 0xCC);
    QVERIFY(dialogs.texts.isEmpty());
    Form1 = nullptr;
    Form3 = nullptr;
}

namespace {

// This program started again, its output read back.
QString runAsStarted(const std::function<void()>& credentials)
{
    int output[2];
    if (pipe(output) != 0)
        return QStringLiteral("no pipe");
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        // The port access this process holds would be inherited: give it up first.
        ioperm(Data, 3, 0);
        credentials();
        char self[] = "/proc/self/exe", mode[] = "--as-started";
        char* arguments[] = {self, mode, nullptr};
        execv(self, arguments);
        _exit(127);
    }
    close(output[1]);
    QByteArray text;
    char buffer[256];
    for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, n);
    close(output[0]);
    waitpid(child, nullptr, 0);
    return QString::fromUtf8(text).trimmed();
}

constexpr uid_t User = 1000;

// As a file capability (cap_sys_rawio+ep) starts the program for an ordinary user.
void asUserWithRawIo()
{
    prctl(PR_SET_KEEPCAPS, 1, 0, 0, 0);
    setgroups(0, nullptr);
    setresgid(User, User, User);
    setresuid(User, User, User);
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3] = {};
    caps[0].effective = caps[0].permitted = caps[0].inheritable = 1u << CAP_SYS_RAWIO;
    syscall(SYS_capset, &header, caps);
    prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_RAISE, CAP_SYS_RAWIO, 0, 0);
}

void asPlainUser()
{
    setgroups(0, nullptr);
    setresgid(User, User, User);
    setresuid(User, User, User);
}

// The process's own capability sets, as 64-bit masks (asked of the kernel: after a change
// of user, /proc/self is no longer readable to the process).
QString capabilities()
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, caps) != 0)
        return QStringLiteral("unknown");
    const auto mask = [&](auto member) {
        return QStringLiteral("%1").arg(quint64(caps[1].*member) << 32 | caps[0].*member, 16, 16,
                                        QLatin1Char('0'));
    };
    return QStringLiteral("effective %1, permitted %2")
        .arg(mask(&__user_cap_data_struct::effective), mask(&__user_cap_data_struct::permitted));
}

// The start-up's first two steps, as the program takes them, then what the process is left with.
int reportAsStarted()
{
    platform::requestPortAccess();
    platform::dropPrivileges();
    QString port;
    try {
        PortIn(Status);
        port = QStringLiteral("readable");
    } catch (const platform::PrivilegeError& e) {
        port = e.message();
    }
    std::printf("uid %u, groups %d, %s, port %s\n", getuid(), getgroups(0, nullptr),
                qPrintable(capabilities()), qPrintable(port));
    return 0;
}

} // namespace

void GuestPort::startUpKeepsThePortsAndNothingElse_data()
{
    QTest::addColumn<int>("how");
    QTest::addColumn<QString>("left");
    const QString none = QStringLiteral("effective 0000000000000000, permitted 0000000000000000");
    QTest::newRow("through sudo") << 0 << QStringLiteral("uid 1000, groups 0, %1, port readable").arg(none);
    QTest::newRow("with a file capability")
        << 1 << QStringLiteral("uid 1000, groups 0, %1, port readable").arg(none);
    QTest::newRow("as root") << 2 << QStringLiteral("uid 0, groups 0, %1, port readable").arg(none);
    QTest::newRow("without privilege")
        << 3 << QStringLiteral("uid 1000, groups 0, %1, port Instruction privilégiée").arg(none);
}

void GuestPort::startUpKeepsThePortsAndNothingElse()
{
    QFETCH(int, how);
    QFETCH(QString, left);
    // The port lines at rest again, whatever the panel test left there.
    PortOut(Control, 0x0C);
    const std::function<void()> credentials[] = {[] {
                                                     setenv("SUDO_UID", "1000", 1);
                                                     setenv("SUDO_GID", "1000", 1);
                                                 },
                                                 asUserWithRawIo, [] { setgroups(0, nullptr); }, asPlainUser};
    QCOMPARE(runAsStarted(credentials[how]), left);
}

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--as-started") == 0)
        return reportAsStarted();
    QApplication app(argc, argv);
    GuestPort test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_guestport.moc"
