#include "support/ScriptedWindow.h"

ScriptedWindow::ScriptedWindow(const FileSystem &fileSystem, const QString &folder, const QString &pattern)
    : pathDisplay(folder)
    , m_fileSystem(fileSystem)
    , m_folder(DiskName::fromText(folder))
    , m_pattern(pattern)
    , m_names(fileSystem.listFiles(m_folder, pattern).names)
{
}

void ScriptedWindow::refreshFiles()
{
    log << QStringLiteral("refresh");
    m_names = m_fileSystem.listFiles(m_folder, m_pattern).names;
    m_selected.clear();
}

void ScriptedWindow::setProgressValue(int value)
{
    log << QStringLiteral("value %1").arg(value);
    m_progressValue = value;
}

void ScriptedWindow::setProgressVisible(bool visible)
{
    log << (visible ? QStringLiteral("show bar") : QStringLiteral("hide bar"));
    m_progressVisible = visible;
}

// Logs the control by its enum value.
void ScriptedWindow::setControlEnabled(LockableControl control, bool enabled)
{
    log << (enabled ? QStringLiteral("enable %1") : QStringLiteral("disable %1")).arg(int(control));
    if (enabled)
        m_disabled.remove(int(control));
    else
        m_disabled.insert(int(control));
}
