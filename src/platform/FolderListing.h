#pragma once

#include "DiskName.h"
#include "FileCondition.h"

#include <QList>

// The listed names of one folder in display order, or the reason the folder could not be read
// (then the names are empty).
struct FolderListing {
    QList<DiskName> names;
    FileError error;
};
