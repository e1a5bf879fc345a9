#include "engine/PlayedFileList.h"

PlayedFileList::PlayedFileList(ListedFiles listed, const FolderCopy &copy)
    : m_listed(std::move(listed))
    , m_copy(copy)
{
}

void PlayedFileList::followStartNames()
{
    m_startPlaces.reserve(size_t(m_listed.names.size()));
    for (qsizetype index = 0; index < m_listed.names.size(); ++index)
        m_startPlaces.push_back(m_copy.placeOf(m_listed.names.at(index)));
}

// A name the folder no longer held at the start has none.
PackedNames PlayedFileList::namesNow() const
{
    PackedNames now;
    for (const int place : m_startPlaces)
        now.append(place < 0 ? QByteArrayView() : m_copy.nameAt(place));
    return now;
}

int PlayedFileList::fileCount() const
{
    return int(m_listed.names.size());
}

bool PlayedFileList::isFileSelected(int index) const
{
    return m_listed.selected.at(size_t(index));
}

DiskName PlayedFileList::fileName(int index) const
{
    return DiskName::fromBytes(m_listed.names.at(index).toByteArray());
}
