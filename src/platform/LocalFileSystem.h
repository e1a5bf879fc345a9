#pragma once

#include "platform/FileSystem.h"

// The file system of the machine the program runs on.
class LocalFileSystem final : public FileSystem {
public:
    FolderListing listFiles(const DiskName &folder, const QString &patterns, ListingOrder order) const override;
    FolderListing listFolders(const DiskName &folder) const override;
    FolderContents readContents(const DiskName &folder) const override;
    FileError readFolder(const DiskName &folder) const override;
    std::unique_ptr<RenameFolder> openFolder(const DiskName &folder) const override;
};
