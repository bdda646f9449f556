#pragma once

#include "platform/Form.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace Ui {
class TForm1;
}

// The control panel's state, alive as long as the program.
extern std::int32_t OutValue;  // the number the next send writes
extern std::uint16_t PortAddr; // the register chosen in "Port addresses"
extern QString PortBits;       // bit text of the last read
extern QString ImageDir;       // folder of the lamp pictures, with a trailing separator

// The main window: reads a register into lamps, composes and sends a byte.
class TForm1 : public platform::Form
{
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    void CheckBox1Click(QObject* Sender);
    void CheckBox2Click(QObject* Sender);
    void CheckBox3Click(QObject* Sender);
    void CheckBox4Click(QObject* Sender);
    void CheckBox5Click(QObject* Sender);
    void CheckBox6Click(QObject* Sender);
    void CheckBox7Click(QObject* Sender);
    void CheckBox8Click(QObject* Sender);
    void Button2Click(QObject* Sender);
    void RadioGroup1Click(QObject* Sender);
    void Button3Click(QObject* Sender);
    void Button1Click(QObject* Sender);
    void FormCreate(QObject* Sender);
    void Button4Click(QObject* Sender);
    void Button7Click(QObject* Sender);

private:
    void connectHandlers();

    std::unique_ptr<Ui::TForm1> ui;
};

extern TForm1* Form1;
