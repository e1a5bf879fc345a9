#pragma once

#include "engine/ListedFiles.h"
#include "platform/DiskName.h"
#include "platform/FileIdentity.h"

#include <QString>

// The groups of main-window controls that a run takes away from the user while it works.
enum class ControlRole { FolderButton, ExitButton, NewNameBox, Numbering, JpeBox, AccentBox, CaseButtons };

// What a rename run needs of the main window, and nothing more: the file list, the progress
// bar and the controls it locks.
class RenameWindow {
public:
    virtual ~RenameWindow() = default;

    virtual int fileCount() const = 0;
    virtual bool isFileSelected(int index) const = 0;
    virtual DiskName fileName(int index) const = 0;
    // The pattern the list shows; every re-read of the folder lists by it again.
    virtual QString filePattern() const = 0;
    virtual void refreshFiles() = 0;
    // The folder the list was last read from; empty when it could not be read.
    virtual FileIdentity listedFolder() const = 0;
    // The list as it stands; a list that holds its names together shares them at no cost.
    virtual ListedFiles listedFiles() const;

    virtual void setProgressMin(int value) = 0;
    virtual void setProgressMax(int value) = 0;
    virtual void setProgressValue(int value) = 0;
    virtual int progressMin() const = 0;
    virtual void setProgressVisible(bool visible) = 0;

    // A locked role is disabled; an unlocked one gets back the state the numbering box gives it.
    virtual void setLocked(ControlRole role, bool locked) = 0;
};
