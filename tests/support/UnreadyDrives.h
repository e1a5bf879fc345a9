#pragma once

#include "platform/FileSystem.h"

#include <QHash>

// The real file system, except that reading a drive's root fails with a condition for the next
// `times` attempts (for ever with -1), as a drive without a medium does.
class UnreadyDrives final : public FileSystem {
public:
    explicit UnreadyDrives(const FileSystem &real) : m_real(real) {}

    void makeUnready(const QString &root, FileCondition condition, int times = -1) { m_unready[root] = {condition, times}; }

    FolderListing listFiles(const DiskName &folder, const QString &patterns) const override
    {
        return m_real.listFiles(folder, patterns);
    }
    FolderListing listFolders(const DiskName &folder) const override { return m_real.listFolders(folder); }
    FolderContents readContents(const DiskName &folder) const override { return m_real.readContents(folder); }
    FileError readFolder(const QString &folder) const override;
    std::unique_ptr<RenameFolder> openFolder(const DiskName &folder) const override { return m_real.openFolder(folder); }

private:
    struct Failure {
        FileCondition condition;
        int times;
    };

    const FileSystem &m_real;
    mutable QHash<QString, Failure> m_unready;
};
