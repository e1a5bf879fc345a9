#include "MainWindowProgram.h"

#include "gui/main/FileList.h"

#include <QCoreApplication>
#include <QPushButton>

MainWindowProgram::MainWindowProgram()
    : m_context{m_fileSystem, m_messages,       m_volumes,       m_currentFolders,
                m_registry,   m_programStarter, m_randomNumbers, m_help}
    , m_window(m_context)
{
    m_window.show();
    settle();
}

void MainWindowProgram::pointAt(const QString &folder)
{
    const DiskName held = DiskName::fromText(folder);
    m_window.setFileListFolder(held);
    m_window.setPathCaption(held);
    settle();
}

FileList &MainWindowProgram::fileList() const
{
    return *control<FileList>("File1");
}

QString MainWindowProgram::toolTip(int row) const
{
    const QAbstractItemModel &model = *fileList().model();
    return model.index(row, 0).data(Qt::ToolTipRole).toString();
}

void MainWindowProgram::clickOk() const
{
    control<QPushButton>("Command1")->click();
}

void MainWindowProgram::settle() const
{
    QCoreApplication::processEvents();
}

// A control of the window by its name; without it the benchmark cannot measure anything.
template<typename Control>
Control *MainWindowProgram::control(const char *name) const
{
    auto *found = m_window.findChild<Control *>(QLatin1String(name));
    if (!found)
        qFatal("The main window has no control named %s", name);
    return found;
}
