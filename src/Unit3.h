#pragma once

#include "platform/Form.h"

#include <memory>

namespace Ui {
class TForm3;
}

// The About window: what the panel is for and how to reach its maker.
class TForm3 : public platform::Form
{
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    void Label2Click(QObject* Sender);

private:
    std::unique_ptr<Ui::TForm3> ui;
};

extern TForm3* Form3;
