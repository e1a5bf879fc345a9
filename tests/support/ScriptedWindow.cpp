#include "ScriptedWindow.h"

#include "ShownNames.h"

ScriptedWindow::ScriptedWindow(const FileSystem &fileSystem, const QString &folder, const QString &pattern)
    : pathDisplay(folder)
    , m_fileSystem(fileSystem)
    , m_folder(DiskName::fromText(folder))
    , m_pattern(pattern)
    , m_names(fileSystem.listFiles(m_folder, pattern).names)
{
}

void ScriptedWindow::select(std::initializer_list<int> indexes)
{
    for (int index : indexes)
        m_selected.insert(index);
}

int ScriptedWindow::fileCount() const
{
    return int(m_names.size());
}

bool ScriptedWindow::isFileSelected(int index) const
{
    return m_selected.contains(index);
}

QStringList ScriptedWindow::names() const
{
    return shownNames(m_names);
}

DiskName ScriptedWindow::fileName(int index) const
{
    return DiskName::fromBytes(m_names.at(index));
}

void ScriptedWindow::refreshFiles()
{
    log << QStringLiteral("refresh");
    m_names = m_fileSystem.listFiles(m_folder, m_pattern).names;
    m_selected.clear();
}

void ScriptedWindow::setProgressMin(int value)
{
    log << QStringLiteral("min %1").arg(value);
    m_progressMin = value;
}

void ScriptedWindow::setProgressMax(int value)
{
    log << QStringLiteral("max %1").arg(value);
}

void ScriptedWindow::setProgressValue(int value)
{
    log << QStringLiteral("value %1").arg(value);
    m_progressValue = value;
}

int ScriptedWindow::progressMin() const
{
    return m_progressMin;
}

void ScriptedWindow::setProgressVisible(bool visible)
{
    log << (visible ? QStringLiteral("show bar") : QStringLiteral("hide bar"));
    m_progressVisible = visible;
}

void ScriptedWindow::setControlEnabled(LockableControl control, bool enabled)
{
    log << (enabled ? QStringLiteral("enable ") : QStringLiteral("disable ")) + controlName(control);
    if (enabled)
        m_disabled.remove(int(control));
    else
        m_disabled.insert(int(control));
}

int ScriptedWindow::checkValue(CheckBox box) const
{
    return checks.at(size_t(box));
}

bool ScriptedWindow::isOptionSelected(int index) const
{
    return option == index;
}

bool ScriptedWindow::isCheck2Visible() const
{
    return check2Visible;
}

QString ScriptedWindow::text1() const
{
    return newText;
}

DiskName ScriptedWindow::label5Caption() const
{
    return DiskName::fromText(pathDisplay);
}

QString controlName(LockableControl control)
{
    static const char *const names[] = {"Command2", "Command3", "Text1", "Check1", "Check2",
                                        "Check3", "Option1(0)", "Option1(1)", "Option1(2)"};
    return QString::fromLatin1(names[int(control)]);
}
