#include "platform/Application.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

namespace platform {

namespace {

QString& title()
{
    static QString text;
    return text;
}

} // namespace

QString applicationTitle()
{
    return title();
}

Application::Application(int& argc, char** argv) : qt(std::make_unique<QApplication>(argc, argv)) {}

Application::~Application()
{
    for (auto form = forms.rbegin(); form != forms.rend(); ++form)
        delete *form;
}

void Application::setTitle(const QString& text)
{
    title() = text;
}

void Application::setIcon(const QIcon& icon)
{
    QApplication::setWindowIcon(icon);
}

void Application::adopt(QWidget* form)
{
    // Only the main window's closing ends the loop; the others merely hide.
    form->setAttribute(Qt::WA_QuitOnClose, forms.empty());
    forms.push_back(form);
}

int Application::run()
{
    if (forms.empty())
        return 0;
    QWidget* mainForm = forms.front();
    mainForm->show();
    return QApplication::exec();
}

} // namespace platform
