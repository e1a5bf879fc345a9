#include "engine/ListedFolder.h"

#include "platform/FileSystem.h"

ListedFolder::ListedFolder(const FileSystem &fileSystem, const QString &folder, const QString &pattern)
    : m_fileSystem(fileSystem)
    , m_folder(DiskName::fromText(folder))
    , m_pattern(pattern)
{
    refreshFiles();
}

int ListedFolder::fileCount() const
{
    return int(m_names.size());
}

bool ListedFolder::isFileSelected(int index) const
{
    return selected.contains(index);
}

DiskName ListedFolder::fileName(int index) const
{
    return DiskName::fromBytes(m_names.at(index).toByteArray());
}

QString ListedFolder::filePattern() const
{
    return m_pattern;
}

// The old list goes first, so that two lists are never held at once.
void ListedFolder::refreshFiles()
{
    m_names = {};
    FolderListing listing = m_fileSystem.listFiles(m_folder, m_pattern, ListingOrder::Alphabetical);
    m_names = std::move(listing.names);
    m_listedFolder = listing.folder;
    selected.clear();
}

FileIdentity ListedFolder::listedFolder() const
{
    return m_listedFolder;
}

// The names are shared, as the window's list shares them.
ListedFiles ListedFolder::listedFiles() const
{
    std::vector<bool> flags(size_t(m_names.size()), false);
    for (const int index : selected)
        flags[size_t(index)] = true;
    return {m_names, std::move(flags), m_pattern, m_listedFolder};
}
