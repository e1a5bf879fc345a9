#pragma once

#include "platform/FileSystem.h"

#include <QHash>

#include <functional>

// The real file system with scripted faults. The rename numbered `failingRename` (counted from
// 1 over every folder it opens) is refused with `renameCondition`, the file reported as left
// under `parkedName`; with `beforeFailingRename` set, that rename instead runs it first and then
// goes through. Reading a drive's root made unready fails for the next `times` tries (for ever
// with -1), as a drive without a medium does.
class ScriptedFileSystem final : public FileSystem {
public:
    explicit ScriptedFileSystem(const FileSystem &real) : m_real(real) {}

    int failingRename = 0;
    FileCondition renameCondition = FileCondition::AlreadyOpen;
    QString parkedName;
    std::function<void()> beforeFailingRename;
    void makeUnready(const QString &root, FileCondition condition, int times = -1) { m_unready[root] = {condition, times}; }

    FolderListing listFiles(const DiskName &folder, const QString &patterns) const override
    {
        return m_real.listFiles(folder, patterns);
    }
    FolderListing listFolders(const DiskName &folder) const override { return m_real.listFolders(folder); }
    FolderContents readContents(const DiskName &folder) const override { return m_real.readContents(folder); }
    FileError readFolder(const QString &folder) const override;
    std::unique_ptr<RenameFolder> openFolder(const DiskName &folder) const override;

private:
    friend class ScriptedFolder;
    struct Unready {
        FileCondition condition;
        int times;
    };

    const FileSystem &m_real;
    mutable int m_renames = 0;
    mutable QHash<QString, Unready> m_unready;
};
