#pragma once

#include "DialogRecorder.h"
#include "SimulatedPort.h"
#include "Unit1.h"
#include "Unit3.h"

#include <QTemporaryDir>
#include <memory>

class QLabel;

// The main window on a simulated port, started in a working directory of its own,
// which holds a copy of the lamp pictures unless told otherwise. Set the port's
// registers, then start().
class Panel
{
public:
    enum Pictures { WithPictures, WithoutPictures };
    explicit Panel(Pictures pictures = WithPictures);
    ~Panel();

    void start();

    template <typename Control> Control* control(const char* name) const
    {
        return form->findChild<Control*>(QLatin1String(name));
    }
    QString caption(const char* labelName) const;

    // One character per lamp, Image1 (bit 7) first: "1" lit, "0" dark, "-" empty.
    QString lamps() const;
    // The eight line names under the lamps, Label11 first, joined by spaces.
    QString lineNames() const;

    void chooseRegister(int item);
    void clickButton(const char* name);

    QString filesDir() const { return workDir.path() + QStringLiteral("/Files/"); }

    SimulatedPort port;
    DialogRecorder dialogs;
    QTemporaryDir workDir;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TForm3> about;

private:
    QString previousDir;
};
