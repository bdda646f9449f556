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

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <sys/io.h>
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

QTEST_MAIN(GuestPort)
#include "tst_guestport.moc"
