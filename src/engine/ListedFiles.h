#pragma once

#include "platform/FileIdentity.h"
#include "platform/PackedNames.h"

#include <QString>

#include <vector>

// The file list as it stands at one moment, apart from the window that shows it, so that a play
// can work on it on any thread: the names as the folder holds them, which of them are selected,
// the pattern and the folder they were read from. The names are shared with the list, not copied.
struct ListedFiles {
    PackedNames names;
    std::vector<bool> selected; // one flag a name
    QString pattern;
    FileIdentity folder;
};
