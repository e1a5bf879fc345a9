#pragma once

#include "platform/DiskName.h"
#include "platform/FolderListing.h"
#include "platform/RenameFolder.h"

#include <QString>

#include <memory>

// The file system as the program sees it: folder listings for the file list and open folders
// for the rename runs. Tests put their own in place of the real one.
// A port implements this interface (Linux: LocalFileSystem_posix.cpp).
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Regular files of the folder (and links to regular files) whose names match one of the
    // ";"-separated wildcard patterns, hidden files left out, in the given order.
    virtual FolderListing listFiles(const DiskName &folder, const QString &patterns, ListingOrder order) const = 0;

    // Subfolders of the folder, hidden ones left out, in the same order as files.
    virtual FolderListing listFolders(const DiskName &folder) const = 0;

    // Every name the folder holds: what a rename run could meet.
    virtual FolderContents readContents(const DiskName &folder) const = 0;

    // Reads every entry of the folder, a drive's root as the system names it, without keeping
    // any: tells whether the drive can be used at all.
    virtual FileError readFolder(const DiskName &folder) const = 0;

    // Opens the folder given by its absolute path; nullptr when the path is not absolute (no
    // folder chosen). A folder that cannot be opened refuses every step for the reason why.
    virtual std::unique_ptr<RenameFolder> openFolder(const DiskName &folder) const = 0;
};
