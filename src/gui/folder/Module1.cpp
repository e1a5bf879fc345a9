#include "gui/folder/Module1.h"

#include "engine/FileConditionText.h"
#include "gui/MessageBoxes.h"
#include "platform/FileSystem.h"

Module1::Module1(const FileSystem &fileSystem, MessageBoxes &messages)
    : m_fileSystem(fileSystem)
    , m_messages(messages)
{
}

// Returns once the root could be read or the user gave up; DriveFailed tells which.
void Module1::CheckDriveReady(const DiskName &RootPath)
{
    m_driveFailed = false;
    while (const FileError error = m_fileSystem.readFolder(RootPath)) {
        if (ReportFileError(*error) != Retry)
            return;
    }
}

// Anything but Retry, Escape and the close box included, gives up.
int Module1::ReportFileError(FileCondition ErrNumber)
{
    const QMessageBox::StandardButton pressed = m_messages.ask(
        {fileConditionText(ErrNumber), QStringLiteral("Fájlhiba"), QMessageBox::Warning,
         QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry});
    if (pressed == QMessageBox::Retry)
        return Retry;
    m_driveFailed = true;
    return GiveUp;
}
