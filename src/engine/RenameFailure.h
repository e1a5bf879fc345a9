#pragma once

#include "platform/FileCondition.h"

#include <QString>

// Why a run stopped at a file: no folder to work in, a folder other than the listed one under
// the path, a listed name too short to cut, a step that the file system refused, or (in an
// undo) a name that no longer leads to the file the run renamed; or, once it ended, why the
// disk could not be made to keep the new names.
struct RenameFailure {
    enum class Kind { NoFolder, FolderChanged, NameTooShort, Refused, NotTheRenamedFile, NotSaved };

    Kind kind = Kind::Refused;
    // The file in hand, or the folder's path when the folder changed or was not saved.
    QString oldName;
    QString newName;
    FileCondition condition = FileCondition::Other;
    // The hidden temporary name the file was left under, when it could not be put back.
    QString parkedName;
    // True when the run stopped before it renamed anything.
    bool nothingRenamed = false;
    // True when the run was a Ctrl+Z, which the user can press again.
    bool undoing = false;

    static QString title();
    // What the message box says; names longer than a line are shortened in the middle.
    QString message() const;
    // The full names, when the message had to shorten one; empty otherwise.
    QString details() const;
    // What the preview says over the listed entry of that name: why OK would be refused, over
    // the entry at fault, or which entry is at fault, over the others.
    QString preview(const QString &entry) const;

private:
    QString what() const;
};
