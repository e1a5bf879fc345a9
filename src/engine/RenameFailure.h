#pragma once

#include "platform/FileCondition.h"

#include <QString>

// Why a run stopped at a file: no folder to work in, a listed name too short to cut, or a step
// that the file system refused.
struct RenameFailure {
    enum class Kind { NoFolder, NameTooShort, Refused };

    Kind kind = Kind::Refused;
    QString oldName;
    QString newName;
    FileCondition condition = FileCondition::Other;
    // The hidden temporary name the file was left under, when it could not be put back.
    QString parkedName;
    // True when the run was refused before it renamed anything.
    bool nothingRenamed = false;

    static QString title();
    QString message() const;
};
