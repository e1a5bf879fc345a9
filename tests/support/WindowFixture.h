#pragma once

#include "gui/about/frmAbout.h"
#include "gui/main/cserel.h"
#include "support/TemporaryFolder.h"
#include "support/TestProgram.h"
#include "support/WindowControls.h"

// A test program as started, its main window shown, with a real folder to open. The About
// window is made and shown when first asked for; the program's other windows are found by name
// once it has opened them. Every window still open goes with the fixture.
class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    cserel &mainWindow() const;
    frmAbout &aboutWindow();
    // The folder chooser, opened from the main window as the user opens it.
    QWidget *openChooser() const;

    // The program's window of that name ("cserel", "indit", "frmAbout"); it must exist.
    QWidget *window(const char *name) const;
    template<typename Control = QWidget>
    Control *find(const char *window, const char *name) const
    {
        return control<Control>(*this->window(window), name);
    }
    QString text(const char *window, const char *name) const { return find(window, name)->property("text").toString(); }
    void click(const char *window, const char *button) const;
    int messageCount() const { return int(program.messages.requests.size()); }

    // The names of the program's windows that exist, shown or hidden, once pending deletions are done.
    static QStringList openWindows();

    TestProgram program;
    TemporaryFolder folder;
};
