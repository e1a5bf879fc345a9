#include "support/FailingFileSystem.h"

class FailingFolder final : public RenameFolder {
public:
    FailingFolder(std::unique_ptr<RenameFolder> real, const FailingFileSystem &owner)
        : m_real(std::move(real))
        , m_owner(owner)
    {
    }

    FileError setArchiveOnly(const DiskName &name) override { return m_real->setArchiveOnly(name); }

    FileError rename(const DiskName &oldName, const DiskName &newName) override
    {
        const bool failing = ++m_owner.m_renames == m_owner.m_failingRename;
        m_failed = failing && !m_owner.beforeFailingRename;
        if (m_failed)
            return m_owner.m_condition;
        if (failing)
            m_owner.beforeFailingRename();
        return m_real->rename(oldName, newName);
    }

    QString parkedName() const override { return m_failed ? m_owner.parkedName : m_real->parkedName(); }

    bool isRemoved() const override { return m_real->isRemoved(); }

private:
    std::unique_ptr<RenameFolder> m_real;
    const FailingFileSystem &m_owner;
    bool m_failed = false;
};

FailingFileSystem::FailingFileSystem(const FileSystem &real, int failingRename, FileCondition condition)
    : m_real(real)
    , m_failingRename(failingRename)
    , m_condition(condition)
{
}

FolderListing FailingFileSystem::listFiles(const DiskName &folder, const QString &patterns) const
{
    return m_real.listFiles(folder, patterns);
}

FolderListing FailingFileSystem::listFolders(const DiskName &folder) const
{
    return m_real.listFolders(folder);
}

FolderContents FailingFileSystem::readContents(const DiskName &folder) const
{
    return m_real.readContents(folder);
}

FileError FailingFileSystem::readFolder(const QString &folder) const
{
    return m_real.readFolder(folder);
}

std::unique_ptr<RenameFolder> FailingFileSystem::openFolder(const DiskName &folder) const
{
    std::unique_ptr<RenameFolder> real = m_real.openFolder(folder);
    if (!real)
        return nullptr;
    return std::make_unique<FailingFolder>(std::move(real), *this);
}
