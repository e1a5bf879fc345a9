#pragma once

#include "platform/FileSystem.h"

#include <functional>

// The real file system, except that the rename with the given number (counted from 1 over
// every folder it opens) is refused with the given condition, the file reported as left under
// `parkedName` when one is given. With `beforeFailingRename` set, that rename instead runs it
// first and then goes to the real file system.
class FailingFileSystem final : public FileSystem {
public:
    FailingFileSystem(const FileSystem &real, int failingRename, FileCondition condition);

    QString parkedName;
    std::function<void()> beforeFailingRename;

    FolderListing listFiles(const DiskName &folder, const QString &patterns) const override;
    FolderListing listFolders(const DiskName &folder) const override;
    FolderContents readContents(const DiskName &folder) const override;
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
