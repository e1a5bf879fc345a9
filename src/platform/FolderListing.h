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

// A name of a folder and whether the file list could show it: a regular file, or a link to one.
struct FolderEntry {
    QByteArray name;
    bool isFile = false;
};

// Every name of one folder, hidden ones and folders included, in the folder's own order, or
// the reason the folder could not be read.
struct FolderContents {
    QList<FolderEntry> entries;
    FileError error;
};
