#pragma once

#include <QString>
#include <memory>
#include <vector>

class QApplication;
class QIcon;
class QWidget;

namespace platform {

// The title of the program: the caption of every error dialog.
QString applicationTitle();

// The application object: it creates the windows, runs the message loop and
// owns the windows until the program ends. The first window created is the main
// window; closing it ends the program, closing any other only hides it.
class Application
{
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void setTitle(const QString& title);
    // The picture that stands for the program on its windows and the task bar.
    void setIcon(const QIcon& icon);

    template <typename Form> void createForm(Form*& reference)
    {
        reference = new Form();
        adopt(reference);
    }

    // Shows the main window and dispatches events until it is closed.
    int run();

private:
    void adopt(QWidget* form);

    std::unique_ptr<QApplication> qt;
    std::vector<QWidget*> forms;
};

} // namespace platform
