#include "engine/FolderCopy.h"

#include "platform/AllowedRename.h"
#include "platform/FileNameOrder.h"
#include "platform/FilePattern.h"
#include "platform/RenameFolder.h"

#include "engine/PlaceIndex.h"

#include <string_view>

// Every name is held once, in one buffer: the folder's names as read, then each name a rename
// gave, after them; the buffer is the one the folder was read into. A place's name is a span of that buffer, and the index finds a place by the
// key of its name.
struct FolderCopy::Names {
    struct Span {
        quint32 start;
        quint32 size;
    };

    QByteArray bytes;
    std::vector<Span> diskSpans; // the names as the folder holds them on the disk
    std::vector<Span> spans;     // the names as they stand in the copy
    std::vector<bool> isFile;
    QHash<int, QByteArray> linkTargets; // of the links to names of the folder
    PlaceIndex index;
    FileIdentity folder;
    bool ignoresCase = false;

    QByteArrayView view(Span span) const { return QByteArrayView(bytes).sliced(span.start, span.size); }
    QByteArrayView nameAt(int place) const { return view(spans[size_t(place)]); }
    Span append(QByteArrayView name)
    {
        const Span span{quint32(bytes.size()), quint32(name.size())};
        bytes.append(name);
        return span;
    }

    // What the folder finds a name by: its bytes, or its text in one letter case.
    static QByteArray foldedKey(QByteArrayView name) { return DiskName::textOf(name).toCaseFolded().toUtf8(); }
    QByteArray key(const QByteArray &name) const { return ignoresCase ? foldedKey(name) : name; }
    static size_t hashOf(QByteArrayView key) { return std::hash<std::string_view>()({key.data(), size_t(key.size())}); }
    bool holdsKey(int place, QByteArrayView key) const
    {
        return ignoresCase ? foldedKey(nameAt(place)) == key : nameAt(place) == key;
    }
    int placeOfKey(QByteArrayView key) const
    {
        return index.find(hashOf(key), [&](int place) { return holdsKey(place, key); });
    }
    int placeOf(QByteArrayView name) const { return ignoresCase ? placeOfKey(foldedKey(name)) : placeOfKey(name); }
    bool isListable(int place) const;
};

namespace {

// The kernel follows no more links than this in one lookup.
constexpr int maxLinksFollowed = 40;

using Names = FolderCopy::Names;

class CopiedFolder final : public RenameFolder {
public:
    explicit CopiedFolder(std::shared_ptr<FolderCopy::Names> names);

    FileError setArchiveOnly(const DiskName &, FileIdentity &) override { return {}; }
    FileError rename(const DiskName &oldName, const DiskName &newName) override;
    QString parkedName() const override { return {}; }
    bool isRemoved() const override { return false; }
    FileIdentity identity() const override { return m_names->folder; }
    FileIdentity identify(const DiskName &) override { return {}; }
    FileError makeDurable() override { return {}; }

private:
    std::shared_ptr<FolderCopy::Names> m_names;
};

} // namespace

FolderCopy::FolderCopy(FolderContents contents)
    : m_names(std::make_shared<Names>())
{
    Names &names = *m_names;
    names.folder = contents.folder;
    names.ignoresCase = contents.ignoresCase;
    names.bytes = contents.names.bytes();
    names.isFile = std::move(contents.isFile);
    names.linkTargets = std::move(contents.linkTargets);
    const qsizetype count = contents.size();
    names.diskSpans.reserve(size_t(count));
    names.index.reserve(count);
    for (int place = 0; place < count; ++place) {
        const QByteArrayView name = contents.names.at(place);
        names.diskSpans.push_back({quint32(contents.names.startOf(place)), quint32(name.size())});
        names.index.insert(Names::hashOf(names.ignoresCase ? Names::foldedKey(name) : name), place);
    }
    names.spans = names.diskSpans;
}

// A regular file, or a link that leads to one: through names of the folder as they stand in
// the copy, or elsewhere as it did when the folder was read.
bool FolderCopy::Names::isListable(int place) const
{
    for (int followed = 0;; ++followed) {
        const auto link = linkTargets.constFind(place);
        if (link == linkTargets.cend())
            return isFile[size_t(place)];
        place = placeOf(*link);
        if (place < 0 || followed == maxLinksFollowed)
            return false;
    }
}

int FolderCopy::placeOf(QByteArrayView name) const
{
    return m_names->placeOf(name);
}

QByteArrayView FolderCopy::nameAt(int place) const
{
    return m_names->nameAt(place);
}

QByteArray FolderCopy::diskNameAt(int place) const
{
    return m_names->view(m_names->diskSpans.at(size_t(place))).toByteArray();
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
    for (int place = 0; place < int(m_names->spans.size()); ++place) {
        const QByteArrayView name = m_names->nameAt(place);
        if (!name.startsWith('.') && m_names->isListable(place)
            && (pattern.matchesAll() || pattern.matches(DiskName::textOf(name))))
            listing.names.append(name);
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
    FolderContents contents;
    contents.folder = m_names->folder;
    contents.ignoresCase = m_names->ignoresCase;
    for (int place = 0; place < int(m_names->spans.size()); ++place)
        contents.append(m_names->nameAt(place), m_names->isFile[size_t(place)], m_names->linkTargets.value(place));
    return contents;
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
    Names &names = *m_names;
    const QByteArray oldKey = names.key(oldName.bytes);
    const int place = names.placeOfKey(oldKey);
    if (place < 0)
        return FileCondition::PathNotFound;
    const QByteArray newKey = names.key(newName.bytes);
    if (newKey != oldKey) {
        if (names.placeOfKey(newKey) >= 0)
            return FileCondition::NameTaken;
        names.index.remove(Names::hashOf(oldKey), place);
        names.index.insert(Names::hashOf(newKey), place);
    }
    names.spans[size_t(place)] = names.append(newName.bytes);
    return {};
}
