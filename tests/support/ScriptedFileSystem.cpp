#include "support/ScriptedFileSystem.h"

class ScriptedFolder final : public RenameFolder {
public:
    ScriptedFolder(std::unique_ptr<RenameFolder> real, const ScriptedFileSystem &owner)
        : m_real(std::move(real))
        , m_owner(owner)
    {
    }

    FileError setArchiveOnly(const DiskName &name) override { return m_real->setArchiveOnly(name); }

    FileError rename(const DiskName &oldName, const DiskName &newName) override
    {
        const bool failing = ++m_owner.m_renames == m_owner.failingRename;
        m_failed = failing && !m_owner.beforeFailingRename;
        if (m_failed)
            return m_owner.renameCondition;
        if (failing)
            m_owner.beforeFailingRename();
        return m_real->rename(oldName, newName);
    }

    QString parkedName() const override { return m_failed ? m_owner.parkedName : m_real->parkedName(); }
    bool isRemoved() const override { return m_real->isRemoved(); }

private:
    std::unique_ptr<RenameFolder> m_real;
    const ScriptedFileSystem &m_owner;
    bool m_failed = false;
};

FileError ScriptedFileSystem::readFolder(const QString &folder) const
{
    const auto unready = m_unready.find(folder);
    if (unready == m_unready.end() || unready->times == 0)
        return m_real.readFolder(folder);
    if (unready->times > 0)
        --unready->times;
    return unready->condition;
}

std::unique_ptr<RenameFolder> ScriptedFileSystem::openFolder(const DiskName &folder) const
{
    std::unique_ptr<RenameFolder> real = m_real.openFolder(folder);
    return real ? std::make_unique<ScriptedFolder>(std::move(real), *this) : nullptr;
}
