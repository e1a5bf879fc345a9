#pragma once

#include "gui/main/cserel.h"

#include <QTest>

// Finds a control of a window by its name; a missing one ends the test run at once.
template<typename Control>
Control *control(const QWidget &window, const char *name)
{
    auto *found = window.findChild<Control *>(QLatin1String(name));
    if (!found)
        qFatal("No control named %s", name);
    return found;
}

// Points the main window at a folder as the folder chooser does: the list's folder and the
// path display.
inline void pointMainWindowAt(cserel &window, const QString &folder)
{
    window.setFileListFolder(DiskName::fromText(folder));
    window.setPathCaption(DiskName::fromText(folder));
}
