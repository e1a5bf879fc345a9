#pragma once

#include "gui/about/frmAbout.h"
#include "gui/main/cserel.h"
#include "support/TemporaryFolder.h"
#include "support/TestProgram.h"

#include <QAbstractButton>
#include <QApplication>

// A test program as started, its main window shown, with a real folder to open. The About
// window is made and shown when first asked for; the program's other windows are found by name
// once it has opened them. Every window still open goes with the fixture, the chooser with the
// main window.
class WindowFixture {
public:
    WindowFixture() { (new cserel(program.context))->show(); }
    ~WindowFixture()
    {
        delete window("cserel");
        delete window("frmAbout");
    }

    // The program's window of that name ("cserel", "indit", "frmAbout"), shown or hidden; nullptr
    // when there is none.
    static QWidget *window(const char *name)
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto found = std::find_if(windows.begin(), windows.end(),
                                        [name](const QWidget *window) { return window->objectName() == QLatin1String(name); });
        return found == windows.end() ? nullptr : *found;
    }
    cserel &mainWindow() const { return *static_cast<cserel *>(window("cserel")); }
    frmAbout &aboutWindow()
    {
        if (!window("frmAbout"))
            (new frmAbout(program.context))->show();
        return *static_cast<frmAbout *>(window("frmAbout"));
    }
    // The folder chooser, opened from the main window as the user opens it.
    QWidget *openChooser() const
    {
        click("cserel", "Command2");
        return window("indit");
    }

    template<typename Control = QWidget>
    Control *find(const char *window, const char *name) const
    {
        auto *found = this->window(window)->findChild<Control *>(QLatin1String(name));
        if (!found) // a missing control ends the test run at once
            qFatal("No control named %s", name);
        return found;
    }
    QString text(const char *window, const char *name) const { return find(window, name)->property("text").toString(); }
    void click(const char *window, const char *button) const { find<QAbstractButton>(window, button)->click(); }
    int messageCount() const { return int(program.requests.size()); }

    // The program's windows that exist once pending deletions are done.
    static QStringList openWindows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList names = {"cserel", "indit", "frmAbout"};
        names.removeIf([](const QString &name) { return !window(name.toLatin1().constData()); });
        return names;
    }

    TestProgram program;
    TemporaryFolder folder;
};
