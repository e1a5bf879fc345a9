#pragma once

#include "platform/FileCondition.h"

#include <QByteArrayList>

// The listed names of one folder as the folder holds them, in the display order of their shown
// texts (DiskName::textOf), or the reason the folder could not be read (then the names are
// empty). Only the bytes are kept, so a large folder costs no more than its names.
struct FolderListing {
    QByteArrayList names;
    FileError error;
};
