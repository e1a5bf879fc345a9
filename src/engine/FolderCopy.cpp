#include "engine/FolderCopy.h"

#include "platform/AllowedRename.h"
#include "platform/FileNameOrder.h"
#include "platform/FilePattern.h"
#include "platform/RenameFolder.h"

#include <QHash>

struct FolderCopy::Names {
    QList<FolderEntry> entries;
    QHash<QByteArray, int> places;
    QByteArrayList diskNames;
};

namespace {

class CopiedFolder final : public RenameFolder {
public:
    explicit CopiedFolder(std::shared_ptr<FolderCopy::Names> names);

    FileError setArchiveOnly(const DiskName &) override { return {}; }
    FileError rename(const DiskName &oldName, const DiskName &newName) override;
    QString parkedName() const override { return {}; }
    bool isRemoved() const override { return false; }

private:
    std::shared_ptr<FolderCopy::Names> m_names;
};

} // namespace

FolderCopy::FolderCopy(FolderContents contents)
    : m_names(std::make_shared<Names>())
{
    m_names->places.reserve(contents.entries.size());
    m_names->diskNames.reserve(contents.entries.size());
    for (int place = 0; place < contents.entries.size(); ++place) {
        m_names->places.insert(contents.entries.at(place).name, place);
        m_names->diskNames.append(contents.entries.at(place).name);
    }
    m_names->entries = std::move(contents.entries);
}

std::optional<FolderCopy> FolderCopy::read(const FileSystem &fileSystem, const DiskName &folder)
{
    FolderContents contents = fileSystem.readContents(folder);
    if (contents.error)
        return std::nullopt;
    return FolderCopy(std::move(contents));
}

int FolderCopy::placeOf(const QByteArray &name) const
{
    return m_names->places.value(name, -1);
}

QByteArray FolderCopy::nameAt(int place) const
{
    return m_names->entries.at(place).name;
}

QByteArray FolderCopy::diskNameAt(int place) const
{
    return m_names->diskNames.at(place);
}

// The same names the file list shows for the folder on the disk, in the same order.
FolderListing FolderCopy::listFiles(const DiskName &, const QString &patterns) const
{
    const FilePattern pattern(patterns);
    FolderListing listing;
    for (const FolderEntry &entry : std::as_const(m_names->entries)) {
        if (entry.isFile && !entry.name.startsWith('.') && pattern.matches(DiskName::textOf(entry.name)))
            listing.names.append(entry.name);
    }
    sortFileNames(listing.names);
    return listing;
}

FolderListing FolderCopy::listFolders(const DiskName &) const
{
    return {};
}

FolderContents FolderCopy::readContents(const DiskName &) const
{
    return {m_names->entries, {}};
}

FileError FolderCopy::readFolder(const QString &) const
{
    return {};
}

std::unique_ptr<RenameFolder> FolderCopy::openFolder(const DiskName &) const
{
    return std::make_unique<CopiedFolder>(m_names);
}

CopiedFolder::CopiedFolder(std::shared_ptr<FolderCopy::Names> names)
    : m_names(std::move(names))
{
}

// Any other name in the folder is taken: the rename on the disk never replaces a file.
FileError CopiedFolder::rename(const DiskName &oldName, const DiskName &newName)
{
    if (oldName.bytes == newName.bytes)
        return {};
    if (!isAllowedRename(oldName, newName))
        return FileCondition::InvalidFileName;
    const auto found = m_names->places.constFind(oldName.bytes);
    if (found == m_names->places.cend())
        return FileCondition::PathNotFound;
    if (m_names->places.contains(newName.bytes))
        return FileCondition::NameTaken;
    const int place = *found;
    m_names->places.erase(found);
    m_names->places.insert(newName.bytes, place);
    m_names->entries[place].name = newName.bytes;
    return {};
}
