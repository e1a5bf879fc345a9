#pragma once

#include "FileCondition.h"

#include <QStringList>

// The listed names of one folder in display order, or the reason the folder could not be read
// (then the names are empty).
struct FolderListing {
    QStringList names;
    FileError error;
};
