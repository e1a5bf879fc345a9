#include "engine/FolderCopy.h"

#include "platform/AllowedRename.h"
#include "platform/FileNameOrder.h"
#include "platform/FilePattern.h"
#include "platform/RenameFolder.h"

#include <string_view>
#include <unordered_map>

namespace {

struct KeyHash {
    size_t operator()(const QByteArray &key) const { return std::hash<std::string_view>()({key.constData(), size_t(key.size())}); }
};

} // namespace

// The places are kept in a map whose entries stay where they are when another is removed: a run
// removes and adds a key for every file it renames.
struct FolderCopy::Names {
    QList<FolderEntry> entries;
    std::unordered_map<QByteArray, int, KeyHash> places; // by key
    QByteArrayList diskNames;
    FileIdentity folder;
    bool ignoresCase = false;

    // What the folder finds a name by: its bytes, or its text in one letter case, made in
    // `folded` so that the bytes are never copied.
    const QByteArray &key(const QByteArray &name, QByteArray &folded) const
    {
        if (!ignoresCase)
            return name;
        folded = DiskName::textOf(name).toCaseFolded().toUtf8();
        return folded;
    }
    int placeOf(const QByteArray &name) const
    {
        QByteArray folded;
        const auto found = places.find(key(name, folded));
        return found == places.end() ? -1 : found->second;
    }
    bool isListable(const FolderEntry &entry) const;
};

namespace {

// The kernel follows no more links than this in one lookup.
constexpr int maxLinksFollowed = 40;

class CopiedFolder final : public RenameFolder {
public:
    explicit CopiedFolder(std::shared_ptr<FolderCopy::Names> names);

    FileError setArchiveOnly(const DiskName &, FileIdentity &) override { return {}; }
    FileError rename(const DiskName &oldName, const DiskName &newName) override;
    QString parkedName() const override { return {}; }
    bool isRemoved() const override { return false; }
    FileIdentity identity() const override { return m_names->folder; }
    FileIdentity identify(const DiskName &) override { return {}; }

private:
    std::shared_ptr<FolderCopy::Names> m_names;
};

} // namespace

FolderCopy::FolderCopy(FolderContents contents)
    : m_names(std::make_shared<Names>())
{
    m_names->folder = contents.folder;
    m_names->ignoresCase = contents.ignoresCase;
    m_names->places.reserve(contents.entries.size());
    m_names->diskNames.reserve(contents.entries.size());
    QByteArray folded;
    for (int place = 0; place < contents.entries.size(); ++place) {
        m_names->places.emplace(m_names->key(contents.entries.at(place).name, folded), place);
        m_names->diskNames.append(contents.entries.at(place).name);
    }
    m_names->entries = std::move(contents.entries);
}

// A regular file, or a link that leads to one: through names of the folder as they stand in
// the copy, or elsewhere as it did when the folder was read.
bool FolderCopy::Names::isListable(const FolderEntry &entry) const
{
    const FolderEntry *reached = &entry;
    for (int followed = 0; !reached->linkTarget.isEmpty(); ++followed) {
        const int place = placeOf(reached->linkTarget);
        if (place < 0 || followed == maxLinksFollowed)
            return false;
        reached = &entries.at(place);
    }
    return reached->isFile;
}

int FolderCopy::placeOf(const QByteArray &name) const
{
    return m_names->placeOf(name);
}

QByteArray FolderCopy::nameAt(int place) const
{
    return m_names->entries.at(place).name;
}

QByteArray FolderCopy::diskNameAt(int place) const
{
    return m_names->diskNames.at(place);
}

FileIdentity FolderCopy::identity() const
{
    return m_names->folder;
}

// The same names the file list shows for the folder on the disk, in the same order, or in the
// order the copy holds them.
FolderListing FolderCopy::listFiles(const DiskName &, const QString &patterns, ListingOrder order) const
{
    const FilePattern pattern(patterns);
    FolderListing listing;
    listing.folder = m_names->folder;
    for (const FolderEntry &entry : std::as_const(m_names->entries)) {
        if (!entry.name.startsWith('.') && m_names->isListable(entry)
            && (pattern.matchesAll() || pattern.matches(DiskName::textOf(entry.name))))
            listing.names.append(entry.name);
    }
    if (order == ListingOrder::Alphabetical)
        sortFileNames(listing.names);
    return listing;
}

FolderListing FolderCopy::listFolders(const DiskName &) const
{
    return {};
}

FolderContents FolderCopy::readContents(const DiskName &) const
{
    return {m_names->entries, {}, m_names->folder, m_names->ignoresCase};
}

FileError FolderCopy::readFolder(const DiskName &) const
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

// Any other name in the folder is taken: the rename on the disk never replaces a file. A
// change of letter case alone is the file's own name where the folder ignores case.
FileError CopiedFolder::rename(const DiskName &oldName, const DiskName &newName)
{
    if (oldName.bytes == newName.bytes)
        return {};
    if (!isAllowedRename(oldName, newName))
        return FileCondition::InvalidFileName;
    QByteArray oldFolded, newFolded;
    const QByteArray &oldKey = m_names->key(oldName.bytes, oldFolded);
    const auto found = m_names->places.find(oldKey);
    if (found == m_names->places.end())
        return FileCondition::PathNotFound;
    const int place = found->second;
    const QByteArray &newKey = m_names->key(newName.bytes, newFolded);
    if (newKey != oldKey) {
        if (m_names->places.contains(newKey))
            return FileCondition::NameTaken;
        m_names->places.erase(found);
        m_names->places.emplace(newKey, place);
    }
    m_names->entries[place].name = newName.bytes;
    return {};
}
