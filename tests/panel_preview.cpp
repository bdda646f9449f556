// Shows the panel on a simulated port, for looking at it (screenshots, a demo without
// port access). Not a test. Usage: panel_preview [DATA STATUS CONTROL] [--tick K,...] [--about]

#include "SimulatedPort.h"
#include "Unit1.h"
#include "Unit3.h"
#include "platform/Application.h"

#include <QCheckBox>

int main(int argc, char* argv[])
{
    SimulatedPort port;
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    const std::uint16_t registers[] = {0x378, 0x379, 0x37A};
    for (int i = 0; i < 3 && i < args.size() && !args[i].startsWith(u'-'); ++i)
        port.registers[registers[i]] = static_cast<std::uint8_t>(args[i].toUInt(nullptr, 0));

    platform::Application app(argc, argv);
    app.setTitle(QStringLiteral("VOLTARIX"));
    app.createForm(Form1);
    app.createForm(Form3);
    const qsizetype tick = args.indexOf(QStringLiteral("--tick"));
    if (tick >= 0 && tick + 1 < args.size())
        for (const QString& k : args[tick + 1].split(u','))
            Form1->findChild<QCheckBox*>(QStringLiteral("CheckBox") + k)->setChecked(true);
    if (args.contains(QStringLiteral("--about"))) {
        Form1->show();
        Form3->show();
    }
    return app.run();
}
