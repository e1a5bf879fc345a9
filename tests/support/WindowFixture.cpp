#include "support/WindowFixture.h"

#include <QAbstractButton>
#include <QApplication>

namespace {

QWidget *topLevelWindow(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name))
            return window;
    }
    return nullptr;
}

} // namespace

WindowFixture::WindowFixture()
{
    (new cserel(program.context))->show();
}

// The chooser belongs to the main window and goes with it.
WindowFixture::~WindowFixture()
{
    delete topLevelWindow("cserel");
    delete topLevelWindow("frmAbout");
}

cserel &WindowFixture::mainWindow() const
{
    return *static_cast<cserel *>(window("cserel"));
}

frmAbout &WindowFixture::aboutWindow()
{
    if (auto *shown = static_cast<frmAbout *>(topLevelWindow("frmAbout")))
        return *shown;
    auto *about = new frmAbout(program.context);
    about->show();
    return *about;
}

QWidget *WindowFixture::openChooser() const
{
    click("cserel", "Command2");
    return window("indit");
}

QWidget *WindowFixture::window(const char *name) const
{
    QWidget *found = topLevelWindow(name);
    if (!found)
        qFatal("No window named %s", name);
    return found;
}

void WindowFixture::click(const char *window, const char *button) const
{
    find<QAbstractButton>(window, button)->click();
}

QStringList WindowFixture::openWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (const char *name : {"cserel", "indit", "frmAbout"}) {
        if (topLevelWindow(name))
            names.append(QLatin1String(name));
    }
    return names;
}
