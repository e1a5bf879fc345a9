#pragma once

#include "platform/FileSystem.h"
#include "platform/RenameFolder.h"

#include <QHash>

#include <algorithm>
#include <numeric>
#include <functional>

// The real file system with scripted faults. The rename numbered `failingRename` (counted from
// 1 over every folder it opens) is refused as an open file, the file reported as left under
// `parkedName`; with `beforeFailingRename` set, that rename instead runs it first and then goes
// through. Reading a drive's root made unready fails for the next `times` tries (for ever with
// -1), as a drive without a medium does. With `ignoresCase`, folders find names in any letter
// case, as vfat does: a rename onto another file's name in other letters is refused as taken.
// With `unsaved`, writing the renames through to the disk fails as on a pulled card.
// Its folders hold their names in the reverse of their bytes' order, so that nothing can lean on
// the folder's order agreeing with the list's.
class ScriptedFileSystem final : public FileSystem {
public:
    explicit ScriptedFileSystem(const FileSystem &real) : m_real(real) {}

    int failingRename = 0;
    const QString parkedName = QStringLiteral(".atnevezes-7-1");
    std::function<void()> beforeFailingRename;
    bool ignoresCase = false;
    bool unsaved = false; // the disk is pulled before the renames are written through
    mutable QList<int> savedAfter; // how many renames were made each time the folder was written through
    mutable QList<quint64> attributeSteps; // the file each attribute step found, by its inode
    void makeUnready(const QString &root, FileCondition condition, int times = -1) { m_unready[root] = {condition, times}; }

    FolderListing listFiles(const DiskName &folder, const QString &patterns, ListingOrder order) const override
    {
        return m_real.listFiles(folder, patterns, order);
    }
    FolderListing listFolders(const DiskName &folder) const override { return m_real.listFolders(folder); }
    FolderContents readContents(const DiskName &folder) const override
    {
        const FolderContents real = m_real.readContents(folder);
        std::vector<qsizetype> order(size_t(real.size()));
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return real.names.at(a) > real.names.at(b); });
        FolderContents contents{{}, {}, {}, real.error, real.folder, ignoresCase};
        for (const qsizetype place : order)
            contents.append(real.names.at(place), real.isFile[size_t(place)], real.linkTargets.value(int(place)));
        return contents;
    }
    FileError readFolder(const DiskName &folder) const override
    {
        const auto unready = m_unready.find(folder.text);
        if (unready == m_unready.end() || unready->second == 0)
            return m_real.readFolder(folder);
        if (unready->second > 0)
            --unready->second;
        return unready->first;
    }
    std::unique_ptr<RenameFolder> openFolder(const DiskName &folder) const override
    {
        std::unique_ptr<RenameFolder> real = m_real.openFolder(folder);
        return real ? std::make_unique<Folder>(std::move(real), *this, folder) : nullptr;
    }

private:
    class Folder final : public RenameFolder {
    public:
        Folder(std::unique_ptr<RenameFolder> real, const ScriptedFileSystem &owner, const DiskName &path)
            : m_real(std::move(real)), m_owner(owner), m_path(path) {}

        FileError setArchiveOnly(const DiskName &name, FileIdentity &file) override
        {
            const FileError error = m_real->setArchiveOnly(name, file);
            if (!file.isEmpty())
                m_owner.attributeSteps.append(file.inode);
            return error;
        }
        FileError rename(const DiskName &oldName, const DiskName &newName) override
        {
            const bool failing = ++m_owner.m_renames == m_owner.failingRename;
            m_failed = failing && !m_owner.beforeFailingRename;
            if (m_failed) // the real folder refuses a name with a separator, and does what it does then
                return m_real->rename(oldName, DiskName::fromText(QStringLiteral("/"))) ? FileCondition::AlreadyOpen : FileError();
            if (failing)
                m_owner.beforeFailingRename();
            if (m_owner.ignoresCase && isTakenInOtherLetters(oldName, newName))
                return FileCondition::NameTaken;
            return m_real->rename(oldName, newName);
        }
        QString parkedName() const override { return m_failed ? m_owner.parkedName : m_real->parkedName(); }
        bool isRemoved() const override { return m_real->isRemoved(); }
        FileIdentity identity() const override { return m_real->identity(); }
        FileIdentity identify(const DiskName &name) override { return m_real->identify(name); }
        FileError makeDurable() override
        {
            m_owner.savedAfter.append(m_owner.m_renames);
            return m_owner.unsaved ? FileCondition::DeviceUnavailable : m_real->makeDurable();
        }

    private:
        bool isTakenInOtherLetters(const DiskName &oldName, const DiskName &newName) const
        {
            const auto same = [](const QString &one, const QString &other) { return one.compare(other, Qt::CaseInsensitive) == 0; };
            const FolderContents contents = m_owner.m_real.readContents(m_path);
            for (qsizetype place = 0; place < contents.size(); ++place) {
                const QString name = DiskName::textOf(contents.names.at(place));
                if (same(name, newName.text) && !same(name, oldName.text))
                    return true;
            }
            return false;
        }

        std::unique_ptr<RenameFolder> m_real;
        const ScriptedFileSystem &m_owner;
        DiskName m_path;
        bool m_failed = false;
    };

    const FileSystem &m_real;
    mutable int m_renames = 0;
    mutable QHash<QString, std::pair<FileCondition, int>> m_unready;
};
