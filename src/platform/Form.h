#pragma once

#include <QWidget>

namespace platform {

// A top-level window that opens centred on its screen.
class Form : public QWidget
{
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool placed = false;
};

} // namespace platform
