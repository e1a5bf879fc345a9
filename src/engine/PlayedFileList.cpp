#include "engine/PlayedFileList.h"

#include <algorithm>

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

std::vector<int> PlayedFileList::folderOrder() const
{
    std::vector<std::pair<quint32, int>> placed; // a place of -1 becomes the last
    placed.reserve(size_t(fileCount()));
    for (int index = 0; index < fileCount(); ++index)
        placed.push_back({quint32(m_copy.placeOf(m_listed.names.at(index))), index});
    std::sort(placed.begin(), placed.end());
    std::vector<int> order;
    order.reserve(placed.size());
    for (const auto &[place, index] : placed)
        order.push_back(index);
    return order;
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
