#pragma once

#include "platform/ErrorDialog.h"

#include <QStringList>

// Catches what the error dialog would show, for as long as it lives.
class DialogRecorder
{
public:
    DialogRecorder();
    ~DialogRecorder();
    DialogRecorder(const DialogRecorder&) = delete;
    DialogRecorder& operator=(const DialogRecorder&) = delete;

    QStringList texts;
    QStringList captions;

private:
    platform::ErrorDialogSink previous;
};
