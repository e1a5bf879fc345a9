#include "support/ScriptedWindow.h"

ScriptedWindow::ScriptedWindow(const FileSystem &fileSystem, const QString &folder, const QString &pattern)
    : m_fileSystem(fileSystem)
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

// Logs the role by its enum value.
void ScriptedWindow::setLocked(ControlRole role, bool locked)
{
    log << (locked ? QStringLiteral("lock %1") : QStringLiteral("unlock %1")).arg(int(role));
    if (locked)
        m_locked.insert(int(role));
    else
        m_locked.remove(int(role));
}
