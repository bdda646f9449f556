#include "Unit3.h"

#include "Maker.h"
#include "platform/Caption.h"
#include "platform/Handler.h"
#include "platform/Shell.h"
#include "ui_Unit3.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : platform::Form(parent), ui(std::make_unique<Ui::TForm3>())
{
    ui->setupUi(this);
    platform::setCaption(
        ui->Label1, QStringLiteral("Voltarix, the LPT control panel, by %1").arg(QLatin1String(Maker::Name)));
    platform::setCaption(ui->Label2, QStringLiteral("Contact : %1      %2")
                                         .arg(QLatin1String(Maker::Email), QLatin1String(Maker::WebAddress)));
    connect(ui->Label2, &platform::LinkLabel::clicked, this,
            platform::handler([this] { Label2Click(ui->Label2); }));
}

TForm3::~TForm3() = default;

void TForm3::Label2Click(QObject*)
{
    platform::ShellOpen(QLatin1String(Maker::WebAddress));
}
