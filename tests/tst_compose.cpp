#include "Panel.h"
#include "platform/Colors.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using Access = SimulatedPort::Access;

class Compose : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsAtZero();
    void toggleShowsItsBit_data();
    void toggleShowsItsBit();
    void composedValue_data();
    void composedValue();
    void keyboardTogglesToo();
    void sendWritesTheComposedByte();
    void decimalSend_data();
    void decimalSend();
    void notANumberSendsNothing_data();
    void notANumberSendsNothing();
    void toggleReplacesTypedValue();
    void sendGoesToTheChosenRegister_data();
    void sendGoesToTheChosenRegister();
    void refusedSendChangesNothing();

private:
    QCheckBox* toggle(int k) const;
    std::vector<Access> writesAfter(const std::function<void()>& action);
    std::unique_ptr<Panel> panel;
};

void Compose::init()
{
    panel = std::make_unique<Panel>();
    panel->start();
    panel->port.log.clear();
}

void Compose::cleanup()
{
    panel.reset();
}

QCheckBox* Compose::toggle(int k) const
{
    return panel->control<QCheckBox>(qPrintable(QStringLiteral("CheckBox%1").arg(k)));
}

std::vector<Access> Compose::writesAfter(const std::function<void()>& action)
{
    panel->port.log.clear();
    action();
    return panel->port.writes();
}

void Compose::startsAtZero()
{
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(toggle(k)->text(), QStringLiteral("0"));
    QCOMPARE(panel->caption("Label1"), QStringLiteral("-----------"));
    QCOMPARE(writesAfter([&] { panel->clickButton("Button3"); }),
             (std::vector<Access>{{Access::Write, 0x378, 0}}));
}

void Compose::toggleShowsItsBit_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("ticked") << true << "1" << platform::clYellow;
    QTest::newRow("unticked again") << false << "0" << platform::clBtnFace();
}

void Compose::toggleShowsItsBit()
{
    QFETCH(bool, checked);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);
    QCheckBox* d3 = toggle(4);
    QTest::mouseClick(d3, Qt::LeftButton);
    if (!checked)
        QTest::mouseClick(d3, Qt::LeftButton);
    QCOMPARE(d3->isChecked(), checked);
    QCOMPARE(d3->text(), caption);
    // The colour really shows: the toggle's right-hand edge, past its caption.
    const QImage shot = d3->grab().toImage();
    QCOMPARE(QColor(shot.pixel(shot.width() - 2, shot.height() / 2)), colour);
    QCOMPARE(panel->caption("Label1"), QStringLiteral("This Binary = %1").arg(checked ? 8 : 0));
}

void Compose::composedValue_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<int>("value");
    QTest::newRow("D0") << QList<int>{1} << 1;
    QTest::newRow("D3") << QList<int>{4} << 8;
    QTest::newRow("D7") << QList<int>{8} << 128;
    QTest::newRow("D0 then D7") << QList<int>{1, 8} << 129;
    QTest::newRow("alternate") << QList<int>{1, 3, 5, 7} << 0x55;
    QTest::newRow("all") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << 255;
    QTest::newRow("D0 twice is off") << QList<int>{1, 8, 1} << 128;
}

void Compose::composedValue()
{
    QFETCH(QList<int>, ticked);
    QFETCH(int, value);
    for (int k : ticked)
        QTest::mouseClick(toggle(k), Qt::LeftButton);
    QCOMPARE(OutValue, value);
    QCOMPARE(panel->caption("Label1"), QStringLiteral("This Binary = %1").arg(value));
    QVERIFY(panel->port.log.empty()); // composing touches no port
}

void Compose::keyboardTogglesToo()
{
    toggle(8)->setFocus();
    QTest::keyClick(toggle(8), Qt::Key_Space);
    QCOMPARE(toggle(8)->text(), QStringLiteral("1"));
    QCOMPARE(panel->caption("Label1"), QStringLiteral("This Binary = 128"));
}

void Compose::sendWritesTheComposedByte()
{
    QTest::mouseClick(toggle(1), Qt::LeftButton);
    QCOMPARE(panel->caption("Label1"), QStringLiteral("This Binary = 1"));
    QTest::mouseClick(toggle(8), Qt::LeftButton);
    QCOMPARE(panel->caption("Label1"), QStringLiteral("This Binary = 129"));
    QCOMPARE(writesAfter([&] { panel->clickButton("Button3"); }),
             (std::vector<Access>{{Access::Write, 0x378, 0x81}}));
    // Nothing is read back.
    QVERIFY(panel->port.reads().empty());
}

void Compose::decimalSend_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::newRow("the default 255") << "255" << 0xFF << 255;
    QTest::newRow("256") << "256" << 0x00 << 256;
    QTest::newRow("300") << "300" << 0x2C << 300;
    QTest::newRow("-1") << "-1" << 0xFF << -1;
    QTest::newRow("$10") << "$10" << 0x10 << 16;
    QTest::newRow("0x1F") << "0x1F" << 0x1F << 31;
    QTest::newRow("leading blanks") << "  7" << 0x07 << 7;
}

void Compose::decimalSend()
{
    QFETCH(QString, text);
    QFETCH(int, byte);
    QFETCH(int, value);
    QLineEdit* field = panel->control<QLineEdit>("Edit1");
    if (text != field->text()) {
        field->clear();
        QTest::keyClicks(field, text);
    }
    const auto writes = writesAfter([&] { panel->clickButton("Button4"); });
    QCOMPARE(writes, (std::vector<Access>{{Access::Write, 0x378, static_cast<std::uint8_t>(byte)}}));
    QCOMPARE(OutValue, value);
    // The typed value does not move the toggles or the composed value's label.
    QCOMPARE(panel->caption("Label1"), QStringLiteral("-----------"));
    QVERIFY(panel->dialogs.texts.isEmpty());
}

void Compose::notANumberSendsNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("trailing blank") << "12 ";
    QTest::newRow("too large") << "2147483648";
}

void Compose::notANumberSendsNothing()
{
    QFETCH(QString, text);
    QTest::mouseClick(toggle(1), Qt::LeftButton);
    QTest::mouseClick(toggle(8), Qt::LeftButton);
    panel->control<QLineEdit>("Edit1")->setText(text);
    QVERIFY(writesAfter([&] { panel->clickButton("Button4"); }).empty());
    QCOMPARE(panel->dialogs.texts,
             QStringList{QStringLiteral("'%1' n'est pas une valeur entière correcte.").arg(text)});
    QCOMPARE(OutValue, 129);
    // The value held before is what the next send writes.
    QCOMPARE(writesAfter([&] { panel->clickButton("Button3"); }),
             (std::vector<Access>{{Access::Write, 0x378, 0x81}}));
}

void Compose::toggleReplacesTypedValue()
{
    panel->control<QLineEdit>("Edit1")->setText(QStringLiteral("300"));
    panel->clickButton("Button4");
    QCOMPARE(OutValue, 300);
    QTest::mouseClick(toggle(3), Qt::LeftButton);
    QCOMPARE(OutValue, 4);
    QCOMPARE(writesAfter([&] { panel->clickButton("Button3"); }),
             (std::vector<Access>{{Access::Write, 0x378, 0x04}}));
}

void Compose::sendGoesToTheChosenRegister_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("port");
    QTest::newRow("status") << 1 << 0x379;
    QTest::newRow("control") << 2 << 0x37A;
}

void Compose::sendGoesToTheChosenRegister()
{
    QFETCH(int, item);
    QFETCH(int, port);
    panel->chooseRegister(item);
    QTest::mouseClick(toggle(2), Qt::LeftButton);
    const auto p = static_cast<std::uint16_t>(port);
    QCOMPARE(writesAfter([&] { panel->clickButton("Button3"); }),
             (std::vector<Access>{{Access::Write, p, 0x02}}));
    panel->control<QLineEdit>("Edit1")->setText(QStringLiteral("12"));
    QCOMPARE(writesAfter([&] { panel->clickButton("Button4"); }),
             (std::vector<Access>{{Access::Write, p, 12}}));
}

void Compose::refusedSendChangesNothing()
{
    QTest::mouseClick(toggle(1), Qt::LeftButton);
    panel->port.refuse = true;
    panel->clickButton("Button3");
    panel->control<QLineEdit>("Edit1")->setText(QStringLiteral("66"));
    panel->clickButton("Button4");
    QCOMPARE(panel->dialogs.texts, (QStringList{QStringLiteral("Instruction privilégiée."),
                                                QStringLiteral("Instruction privilégiée.")}));
    QVERIFY(panel->port.log.empty());
    QCOMPARE(panel->port.registers[0x378], 0);
    // The value that was to be sent stays held.
    QCOMPARE(OutValue, 66);
}

QTEST_MAIN(Compose)
#include "tst_compose.moc"
