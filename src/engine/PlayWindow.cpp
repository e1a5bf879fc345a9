#include "engine/PlayWindow.h"

PlayWindow::PlayWindow(const RenameWindow &window, const FolderCopy &copy)
    : m_copy(copy)
    , m_pattern(window.filePattern())
{
    const int count = window.fileCount();
    m_names.reserve(count);
    m_selected.reserve(size_t(count));
    for (int index = 0; index < count; ++index) {
        m_names.append(window.fileName(index).bytes);
        m_selected.push_back(window.isFileSelected(index));
    }
}

void PlayWindow::followStartNames()
{
    m_startPlaces.reserve(size_t(m_names.size()));
    for (const QByteArray &name : std::as_const(m_names))
        m_startPlaces.push_back(m_copy.placeOf(name));
}

// A name the folder no longer held at the start has none.
QByteArrayList PlayWindow::namesNow() const
{
    QByteArrayList now;
    now.reserve(qsizetype(m_startPlaces.size()));
    for (const int place : m_startPlaces)
        now.append(place < 0 ? QByteArray() : m_copy.nameAt(place));
    return now;
}

int PlayWindow::fileCount() const
{
    return int(names().size());
}

// A re-read list has nothing selected, like the real one.
bool PlayWindow::isFileSelected(int index) const
{
    return !m_stale && !m_selected.empty() && m_selected.at(size_t(index));
}

DiskName PlayWindow::fileName(int index) const
{
    return DiskName::fromBytes(names().at(index));
}

const QByteArrayList &PlayWindow::names() const
{
    if (m_stale) {
        m_names = m_copy.listFiles({}, m_pattern).names;
        m_stale = false;
        m_selected.clear();
    }
    return m_names;
}
