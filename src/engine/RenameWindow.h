#pragma once

#include "platform/DiskName.h"

#include <QString>

// The controls of the main window that a run locks while it works.
enum class LockableControl { Command2, Command3, Text1, Check1, Check2, Check3, Option1_0, Option1_1, Option1_2 };

// The settings check boxes a run reads.
enum class CheckBox { Check1, Check2, Check3, Check4 };

// What a rename run needs of the main window, and nothing more: the file list, the progress
// bar, the enabled state of the settings, and the values of the settings controls.
class RenameWindow {
public:
    virtual ~RenameWindow() = default;

    virtual int fileCount() const = 0;
    virtual bool isFileSelected(int index) const = 0;
    virtual DiskName fileName(int index) const = 0;
    virtual void refreshFiles() = 0;

    virtual void setProgressMin(int value) = 0;
    virtual void setProgressMax(int value) = 0;
    virtual void setProgressValue(int value) = 0;
    virtual int progressMin() const = 0;
    virtual void setProgressVisible(bool visible) = 0;

    virtual void setControlEnabled(LockableControl control, bool enabled) = 0;

    virtual int checkValue(CheckBox box) const = 0;
    virtual bool isOptionSelected(int index) const = 0;
    virtual bool isCheck2Visible() const = 0;
    virtual QString text1() const = 0;
    // The folder the path display shows.
    virtual DiskName label5Caption() const = 0;
};
