// The panel without a mouse, and without sight: the keyboard reaches everything in the
// window's tab order, and every control tells assistive technology what it is.

#include "Panel.h"
#include "platform/PictureBox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class Accessibility : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabOrder();
    void keyboardOnlyComposeAndSend();
    void arrowKeysChooseTheRegister();
    void buttonsTakeEnterAndSpace_data();
    void buttonsTakeEnterAndSpace();
    void lampsSayTheirLineAndState();
    void togglesAndFieldHaveNames();

private:
    QString accessibleName(QWidget* widget) const;
    std::unique_ptr<Panel> panel;
};

void Accessibility::init()
{
    panel = std::make_unique<Panel>();
    panel->port.registers[0x378] = 0x81;
    panel->port.registers[0x379] = 0x78;
    panel->start();
    panel->form->show();
    QVERIFY(QTest::qWaitForWindowActive(panel->form.get()));
}

void Accessibility::cleanup()
{
    panel.reset();
}

QString Accessibility::accessibleName(QWidget* widget) const
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

void Accessibility::tabOrder()
{
    QStringList expected = {QStringLiteral("Button1"), QStringLiteral("RadioGroup1_item0")};
    for (int k = 1; k <= 8; ++k)
        expected << QStringLiteral("CheckBox%1").arg(k);
    expected << QStringLiteral("Button3") << QStringLiteral("Button4") << QStringLiteral("Edit1")
             << QStringLiteral("Button7");
    panel->control<QPushButton>("Button1")->setFocus();
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

void Accessibility::keyboardOnlyComposeAndSend()
{
    panel->control<QPushButton>("Button1")->setFocus();
    const auto press = [](Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), key);
    };
    press(Qt::Key_Tab, 2); // past "Read LPT" and the register choice: D0's toggle
    press(Qt::Key_Space);
    press(Qt::Key_Tab, 7); // D7's toggle
    press(Qt::Key_Space);
    QCOMPARE(panel->caption("Label1"), QStringLiteral("This Binary = 129"));
    press(Qt::Key_Tab); // "Send this Number to LPT"
    panel->port.log.clear();
    press(Qt::Key_Return);
    QCOMPARE(panel->port.writes(),
             (std::vector<SimulatedPort::Access>{{SimulatedPort::Access::Write, 0x378, 0x81}}));
}

void Accessibility::arrowKeysChooseTheRegister()
{
    auto* data = panel->control<QRadioButton>("RadioGroup1_item0");
    data->setFocus();
    panel->port.log.clear();
    QTest::keyClick(data, Qt::Key_Down);
    QCOMPARE(PortAddr, 0x379);
    QCOMPARE(panel->port.reads().size(), 1u);
    QCOMPARE(panel->lineNames(), QStringLiteral("Busy Acknwldg PaperEnd Select Error X X X"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(PortAddr, 0x37A);
}

void Accessibility::buttonsTakeEnterAndSpace_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("space") << int(Qt::Key_Space);
}

void Accessibility::buttonsTakeEnterAndSpace()
{
    QFETCH(int, key);
    auto* read = panel->control<QPushButton>("Button1");
    read->setFocus();
    panel->port.log.clear();
    QTest::keyClick(read, Qt::Key(key));
    QCOMPARE(panel->port.reads().size(), 1u);
    auto* about = panel->control<QPushButton>("Button7");
    about->setFocus();
    QTest::keyClick(about, Qt::Key(key));
    QVERIFY(panel->about->isVisible());
}

void Accessibility::lampsSayTheirLineAndState()
{
    QStringList names;
    for (int k = 1; k <= 8; ++k)
        names << accessibleName(
            panel->control<platform::PictureBox>(qPrintable(QStringLiteral("Image%1").arg(k))));
    QCOMPARE(names.join(u','),
             QStringLiteral("D7 lit,D6 dark,D5 dark,D4 dark,D3 dark,D2 dark,D1 dark,D0 lit"));
    panel->chooseRegister(1);
    QCOMPARE(accessibleName(panel->control<platform::PictureBox>("Image1")), QStringLiteral("Busy dark"));
    QCOMPARE(accessibleName(panel->control<platform::PictureBox>("Image2")), QStringLiteral("Acknwldg lit"));
}

void Accessibility::togglesAndFieldHaveNames()
{
    auto* d0 = panel->control<QCheckBox>("CheckBox1");
    QCOMPARE(accessibleName(d0), QStringLiteral("D0"));
    QCOMPARE(accessibleName(panel->control<QCheckBox>("CheckBox8")), QStringLiteral("D7"));
    QTest::mouseClick(d0, Qt::LeftButton);
    QVERIFY(QAccessible::queryAccessibleInterface(d0)->state().checked);
    QCOMPARE(accessibleName(panel->control<QLineEdit>("Edit1")), QStringLiteral("Number to send"));
    QCOMPARE(accessibleName(panel->control<QLabel>("Label1")), QStringLiteral("This Binary = 1"));
    QCOMPARE(accessibleName(panel->control<QPushButton>("Button3")),
             QStringLiteral("Send this Number to LPT"));
}

QTEST_MAIN(Accessibility)
#include "tst_accessibility.moc"
