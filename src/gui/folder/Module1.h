#pragma once

#include "platform/DiskName.h"
#include "platform/FileCondition.h"

#include <QString>

class FileSystem;
class MessageBoxes;

// The drive test: before the folder chooser moves to a drive it reads the drive's root, and
// while that fails it asks the user, in the box "Fájlhiba", to retry or to give up.
class Module1 {
public:
    static constexpr int Retry = 0;
    static constexpr int GiveUp = 2;

    Module1(const FileSystem &fileSystem, MessageBoxes &messages);

    // True when the user gave up on the last drive tested.
    bool DriveFailed() const { return m_driveFailed; }

    void CheckDriveReady(const DiskName &RootPath);
    int ReportFileError(FileCondition ErrNumber);

private:
    const FileSystem &m_fileSystem;
    MessageBoxes &m_messages;
    bool m_driveFailed = false;
};
