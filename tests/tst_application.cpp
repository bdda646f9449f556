// The application object's windows: the first one created is the main window; closing it
// ends the program even while another window is open, closing any other only hides it.

#include "platform/Application.h"

#include <QTest>
#include <QTimer>
#include <QWidget>

class ApplicationTest : public QObject
{
    Q_OBJECT
private slots:
    void onlyTheMainWindowEndsTheProgram();
};

namespace {

platform::Application* application = nullptr;
QWidget* mainWindow = nullptr;
QWidget* aboutWindow = nullptr;

} // namespace

void ApplicationTest::onlyTheMainWindowEndsTheProgram()
{
    bool mainOpenAfterAboutClosed = false;
    bool aboutOpenWhenMainClosed = false;
    aboutWindow->show();
    QTimer::singleShot(0, aboutWindow, [] { aboutWindow->close(); });
    QTimer::singleShot(100, mainWindow, [&] {
        mainOpenAfterAboutClosed = mainWindow->isVisible() && !aboutWindow->isVisible();
        aboutWindow->show();
        aboutOpenWhenMainClosed = aboutWindow->isVisible();
        mainWindow->close();
    });
    // Should the loop not end, this ends it with a failure code.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(application->run(), 0);
    QVERIFY(mainOpenAfterAboutClosed);
    QVERIFY(aboutOpenWhenMainClosed);
}

int main(int argc, char* argv[])
{
    platform::Application app(argc, argv);
    application = &app;
    app.createForm(mainWindow);
    app.createForm(aboutWindow);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
