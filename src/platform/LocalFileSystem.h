#pragma once

#include "FileSystem.h"

// The file system of the machine the program runs on.
class LocalFileSystem final : public FileSystem {
public:
    FolderListing listFiles(const QString &folder, const QString &patterns) const override;
    FolderListing listFolders(const QString &folder) const override;
    FileError readFolder(const QString &folder) const override;
    std::unique_ptr<RenameFolder> openFolder(const QString &folder) const override;
};
