#include "Unit1.h"

#include "Unit2.h"
#include "Unit3.h"
#include "platform/Caption.h"
#include "platform/CurrentDir.h"
#include "platform/Handler.h"
#include "platform/StrToInt.h"
#include "ui_Unit1.h"

#include <array>

std::int32_t OutValue = 0;
std::uint16_t PortAddr = 0;
QString PortBits;
QString ImageDir;

TForm1* Form1 = nullptr;

namespace {

using LineNames = std::array<const char*, 8>;

// The line each bit carries, bit 7 first; "X" marks a bit that carries none.
const LineNames& lineNames(std::uint16_t port)
{
    static const LineNames data = {"D7", "D6", "D5", "D4", "D3", "D2", "D1", "D0"};
    static const LineNames status = {"Busy", "Acknwldg", "PaperEnd", "Select", "Error", "X", "X", "X"};
    static const LineNames control = {"X",           "X",          "I/O",      "IRQ",
                                      "SelectInput", "Initialize", "AutoFeed", "Strobe"};
    switch (port) {
    case 0x379:
        return status;
    case 0x37A:
        return control;
    default:
        return data;
    }
}

} // namespace

TForm1::TForm1(QWidget* parent) : platform::Form(parent), ui(std::make_unique<Ui::TForm1>())
{
    ui->setupUi(this);
    connectHandlers();
    platform::runHandler([this] { FormCreate(this); });
}

TForm1::~TForm1() = default;

void TForm1::connectHandlers()
{
    using platform::handler;
    connect(ui->CheckBox1, &QCheckBox::toggled, this, handler([this] { CheckBox1Click(ui->CheckBox1); }));
    connect(ui->CheckBox2, &QCheckBox::toggled, this, handler([this] { CheckBox2Click(ui->CheckBox2); }));
    connect(ui->CheckBox3, &QCheckBox::toggled, this, handler([this] { CheckBox3Click(ui->CheckBox3); }));
    connect(ui->CheckBox4, &QCheckBox::toggled, this, handler([this] { CheckBox4Click(ui->CheckBox4); }));
    connect(ui->CheckBox5, &QCheckBox::toggled, this, handler([this] { CheckBox5Click(ui->CheckBox5); }));
    connect(ui->CheckBox6, &QCheckBox::toggled, this, handler([this] { CheckBox6Click(ui->CheckBox6); }));
    connect(ui->CheckBox7, &QCheckBox::toggled, this, handler([this] { CheckBox7Click(ui->CheckBox7); }));
    connect(ui->CheckBox8, &QCheckBox::toggled, this, handler([this] { CheckBox8Click(ui->CheckBox8); }));
    connect(ui->Button2, &QPushButton::clicked, this, handler([this] { Button2Click(ui->Button2); }));
    connect(ui->RadioGroup1, &platform::RadioGroup::clicked, this,
            handler([this] { RadioGroup1Click(ui->RadioGroup1); }));
    connect(ui->Button3, &QPushButton::clicked, this, handler([this] { Button3Click(ui->Button3); }));
    connect(ui->Button1, &QPushButton::clicked, this, handler([this] { Button1Click(ui->Button1); }));
    connect(ui->Button4, &QPushButton::clicked, this, handler([this] { Button4Click(ui->Button4); }));
    connect(ui->Button7, &QPushButton::clicked, this, handler([this] { Button7Click(ui->Button7); }));
}

void TForm1::CheckBox1Click(QObject*)
{
    ShowBitState(ui->CheckBox1);
    platform::Click(ui->Button2);
}

void TForm1::CheckBox2Click(QObject*)
{
    ShowBitState(ui->CheckBox2);
    platform::Click(ui->Button2);
}

void TForm1::CheckBox3Click(QObject*)
{
    ShowBitState(ui->CheckBox3);
    platform::Click(ui->Button2);
}

void TForm1::CheckBox4Click(QObject*)
{
    ShowBitState(ui->CheckBox4);
    platform::Click(ui->Button2);
}

void TForm1::CheckBox5Click(QObject*)
{
    ShowBitState(ui->CheckBox5);
    platform::Click(ui->Button2);
}

void TForm1::CheckBox6Click(QObject*)
{
    ShowBitState(ui->CheckBox6);
    platform::Click(ui->Button2);
}

void TForm1::CheckBox7Click(QObject*)
{
    ShowBitState(ui->CheckBox7);
    platform::Click(ui->Button2);
}

void TForm1::CheckBox8Click(QObject*)
{
    ShowBitState(ui->CheckBox8);
    platform::Click(ui->Button2);
}

// The value comes from the toggles' captions, which ShowBitState keeps in step with them.
void TForm1::Button2Click(QObject*)
{
    const QCheckBox* toggles[] = {ui->CheckBox1, ui->CheckBox2, ui->CheckBox3, ui->CheckBox4,
                                  ui->CheckBox5, ui->CheckBox6, ui->CheckBox7, ui->CheckBox8};
    std::int32_t value = 0;
    for (int bit = 0; bit < 8; ++bit)
        value += platform::StrToInt(toggles[bit]->text()) * (1 << bit);
    OutValue = value;
    platform::setCaption(ui->Label1, QStringLiteral("This Binary = ") + platform::IntToStr(OutValue));
}

void TForm1::RadioGroup1Click(QObject*)
{
    static constexpr std::uint16_t registers[] = {0x378, 0x379, 0x37A};
    const int item = ui->RadioGroup1->itemIndex();
    if (item >= 0 && item < 3)
        PortAddr = registers[item];
    platform::Click(ui->Button1);
}

void TForm1::Button3Click(QObject*)
{
    const QString bits = IntToBin(OutValue);
    WritePortBin(PortAddr, bits);
}

// Reads the chosen register and shows it: line names first, then one lamp per bit.
void TForm1::Button1Click(QObject*)
{
    PortBits = ReadPortBin(PortAddr);
    const LineNames& names = lineNames(PortAddr);
    QLabel* const nameLabels[] = {ui->Label11, ui->Label12, ui->Label13, ui->Label14,
                                  ui->Label15, ui->Label16, ui->Label17, ui->Label18};
    for (int k = 0; k < 8; ++k)
        platform::setCaption(nameLabels[k], QString::fromLatin1(names[k]));
    platform::PictureBox* const lamps[] = {ui->Image1, ui->Image2, ui->Image3, ui->Image4,
                                           ui->Image5, ui->Image6, ui->Image7, ui->Image8};
    for (int k = 0; k < 8; ++k) {
        const bool lit = PortBits[k] == u'1';
        lamps[k]->loadFromFile(ImageDir + (lit ? QStringLiteral("1.jpg") : QStringLiteral("0.jpg")));
        // What the lamp shows, for those who cannot see it.
        lamps[k]->setAccessibleName(nameLabels[k]->text() +
                                    (lit ? QStringLiteral(" lit") : QStringLiteral(" dark")));
    }
}

void TForm1::FormCreate(QObject*)
{
    ImageDir = platform::GetCurrentDir() + QStringLiteral("/Files/");
    RadioGroup1Click(this);
}

void TForm1::Button4Click(QObject*)
{
    OutValue = platform::StrToInt(ui->Edit1->text());
    platform::Click(ui->Button3);
}

void TForm1::Button7Click(QObject*)
{
    Form3->show();
    Form3->raise();
    Form3->activateWindow();
}
