#include "DialogRecorder.h"

DialogRecorder::DialogRecorder()
    : previous(platform::setErrorDialogSink([this](const QString& caption, const QString& text) {
          captions << caption;
          texts << text;
      }))
{
}

DialogRecorder::~DialogRecorder()
{
    platform::setErrorDialogSink(previous);
}
