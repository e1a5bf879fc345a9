#pragma once

#include "engine/RenameFailure.h"
#include "engine/RenameRecord.h"
#include "engine/RenameSettings.h"

#include <optional>

class FileListSource;
class FileSystem;
class RunObserver;

// The main window's OK button and its Ctrl+Z. OK first plays the whole run on a copy of the
// folder's names and renames nothing when the play meets a failure; only then does the run
// work on the disk. The names the last run that renamed anything gave are kept in memory, so
// that they can be taken back while the window shows the same folder; a Ctrl+Z that stops
// keeps what it did not take back for the next one.
class RenameCommand {
public:
    // The runs work through the list and are watched by the observer.
    RenameCommand(FileListSource &list, RunObserver &observer, const FileSystem &fileSystem);

    // Runs the command; the failure that stopped the run, if one did. When the path no longer
    // leads to the listed folder, nothing is renamed and the list is read again.
    std::optional<RenameFailure> Command1_Click(const RenameSettings &settings);

    // Gives the files of the last run their names back; nothing happens without one.
    std::optional<RenameFailure> undoLastRun();

    // The window shows another folder: the last run can no longer be taken back.
    void forgetLastRun();

private:
    FileListSource &m_list;
    RunObserver &m_observer;
    const FileSystem &m_fileSystem;
    DiskName m_lastFolder;
    FileIdentity m_lastFolderIdentity;
    RenameRecord m_lastRun;
};
