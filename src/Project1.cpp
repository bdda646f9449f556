#include "Unit1.h"
#include "Unit3.h"
#include "platform/Application.h"
#include "platform/Privileges.h"
#include "platform/ProcessorPorts.h"

#include <QIcon>

int main(int argc, char* argv[])
{
    // Before anything else: a refusal shows itself later, at the first read. Then
    // nothing more than the ports is needed, so every other privilege goes at once.
    platform::requestPortAccess();
    platform::dropPrivileges();

    platform::Application Application(argc, argv);
    Application.setTitle(QStringLiteral("VOLTARIX"));
    Application.setIcon(QIcon(QStringLiteral(":/voltarix.png")));
    Application.createForm(Form1);
    Application.createForm(Form3);
    return Application.run();
}
