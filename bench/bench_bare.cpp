// The baseline for start-up: a bare Qt Widgets program that opens one empty window of
// the panel's size and ends at its first paint. With --text the window shows one line
// of text, so that the font set-up any window with text pays is in the baseline too.

#include "PeakMemory.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {

class Window : public QWidget
{
protected:
    void paintEvent(QPaintEvent* event) override
    {
        QWidget::paintEvent(event);
        QTimer::singleShot(0, [] { reportPeakAndExit(); });
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Window window;
    window.resize(625, 252);
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        (new QLabel(QStringLiteral("VOLTARIX 7.0.004"), &window))->move(16, 16);
    window.show();
    return QApplication::exec();
}
