// Twenty thousand random user actions against the simulated port, seeded and repeatable
// (VOLTARIX_MONKEY_SEED picks another seed), checked after each against a model of what
// the panel must have done.

#include "Panel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>
#include <optional>

using Access = SimulatedPort::Access;

class Monkey : public QObject
{
    Q_OBJECT
private slots:
    void randomSession();
};

namespace {

constexpr int Actions = 20000;
constexpr std::uint16_t Registers[] = {0x378, 0x379, 0x37A};

// What a user may type: numbers of every form, and text that is none (no value).
const std::vector<std::pair<QString, std::optional<std::int32_t>>> Typed = {
    {QStringLiteral("255"), 255},
    {QStringLiteral("0"), 0},
    {QStringLiteral("-1"), -1},
    {QStringLiteral("300"), 300},
    {QStringLiteral("$10"), 16},
    {QStringLiteral("0xFF"), 255},
    {QStringLiteral("  7"), 7},
    {QStringLiteral("-0x80000000"), std::numeric_limits<std::int32_t>::min()},
    {QStringLiteral("abc"), std::nullopt},
    {QString(), std::nullopt},
    {QStringLiteral("12 "), std::nullopt},
    {QStringLiteral("$"), std::nullopt},
    {QStringLiteral("99999999999"), std::nullopt},
};

// The panel as the user's actions must leave it.
struct Model
{
    std::int32_t outValue = 0;
    int item = 0;
    int toggles = 0; // bit K-1 for CheckBox K
    bool refused = false;
};

} // namespace

void Monkey::randomSession()
{
    const quint32 seed = qEnvironmentVariableIsSet("VOLTARIX_MONKEY_SEED")
                             ? qEnvironmentVariableIntValue("VOLTARIX_MONKEY_SEED")
                             : 20261211u;
    QRandomGenerator random(seed);
    Panel panel;
    panel.start();
    QCheckBox* toggles[8];
    for (int k = 0; k < 8; ++k)
        toggles[k] = panel.control<QCheckBox>(qPrintable(QStringLiteral("CheckBox%1").arg(k + 1)));
    auto* field = panel.control<QLineEdit>("Edit1");
    Model model;

    for (int step = 0; step < Actions; ++step) {
        panel.port.log.clear();
        const qsizetype dialogsBefore = panel.dialogs.texts.size();
        int expectedReads = 0;
        std::vector<Access> expectedWrites;
        QStringList expectedDialogs;
        const auto send = [&] {
            if (model.refused)
                expectedDialogs << QStringLiteral("Instruction privilégiée.");
            else
                expectedWrites.push_back(
                    {Access::Write, Registers[model.item], static_cast<std::uint8_t>(model.outValue & 0xFF)});
        };
        const auto read = [&] {
            if (model.refused)
                expectedDialogs << QStringLiteral("Instruction privilégiée.");
            else
                expectedReads = 1;
        };

        switch (random.bounded(7)) {
        case 0: { // a toggle
            const int k = random.bounded(8);
            QTest::mouseClick(toggles[k], Qt::LeftButton);
            model.toggles ^= 1 << k;
            model.outValue = model.toggles;
            QCOMPARE(OutValue, model.outValue);
            QCOMPARE(panel.caption("Label1"), QStringLiteral("This Binary = %1").arg(model.toggles));
            break;
        }
        case 1: { // a register
            const int item = random.bounded(3);
            panel.chooseRegister(item);
            if (item != model.item)
                read();
            model.item = item;
            break;
        }
        case 2:
            panel.clickButton("Button1");
            read();
            break;
        case 3:
            panel.clickButton("Button3");
            send();
            break;
        case 4: { // a typed number
            const auto& [text, value] = Typed[random.bounded(int(Typed.size()))];
            field->setText(text);
            panel.clickButton("Button4");
            if (value) {
                model.outValue = *value;
                send();
            } else {
                expectedDialogs << QStringLiteral("'%1' n'est pas une valeur entière correcte.").arg(text);
            }
            break;
        }
        case 5: // "about", and sometimes closing it again
            panel.clickButton("Button7");
            if (random.bounded(2))
                panel.about->close();
            break;
        case 6: // the port granted or refused from now on
            model.refused = random.bounded(4) == 0;
            panel.port.refuse = model.refused;
            break;
        }

        QCOMPARE(panel.port.writes(), expectedWrites);
        QCOMPARE(int(panel.port.reads().size()), expectedReads);
        QCOMPARE(panel.dialogs.texts.mid(dialogsBefore), expectedDialogs);
        QCOMPARE(OutValue, model.outValue);
        QCOMPARE(PortAddr, Registers[model.item]);
        QVERIFY(!QApplication::activeModalWidget());
    }
}

QTEST_MAIN(Monkey)
#include "tst_monkey.moc"
