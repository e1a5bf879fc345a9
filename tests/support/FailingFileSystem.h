#pragma once

#include "FileSystem.h"

// The real file system, except that the rename with the given number (counted from 1 over
// every folder it opens) is refused with the given condition.
class FailingFileSystem final : public FileSystem {
public:
    FailingFileSystem(const FileSystem &real, int failingRename, FileCondition condition);

    FolderListing listFiles(const DiskName &folder, const QString &patterns) const override;
    FolderListing listFolders(const DiskName &folder) const override;
    FileError readFolder(const QString &folder) const override;
    std::unique_ptr<RenameFolder> openFolder(const DiskName &folder) const override;

    int renameCount() const { return m_renames; }

private:
    friend class FailingFolder;

    const FileSystem &m_real;
    int m_failingRename;
    FileCondition m_condition;
    mutable int m_renames = 0;
};
