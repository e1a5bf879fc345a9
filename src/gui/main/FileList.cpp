#include "gui/main/FileList.h"

#include "platform/FileSystem.h"

FileList::FileList(const FileSystem &fileSystem, QWidget *parent)
    : QListView(parent)
    , m_fileSystem(fileSystem)
{
    setModel(&m_model);
    setSelectionMode(QAbstractItemView::MultiSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &FileList::updateSelectedFlags);
}

void FileList::setFolder(const DiskName &folder)
{
    m_folder = folder;
    refresh();
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    refresh();
}

// A folder that cannot be read shows as an empty list. The shown names go first, so that a
// large folder is never held twice.
void FileList::refresh()
{
    m_model.setNames({});
    FolderListing listing = m_fileSystem.listFiles(m_folder, m_pattern, ListingOrder::Alphabetical);
    m_listedFolder = listing.folder;
    m_parkedNames = std::move(listing.parked);
    m_model.setNames(std::move(listing.names));
    m_selected.assign(m_model.names().size(), false);
}

bool FileList::showsWhole(int index) const
{
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return fontMetrics().horizontalAdvance(diskName(index).text) + margins <= viewport()->width();
}

// Taking the focus does not make an entry current.
void FileList::focusInEvent(QFocusEvent *event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    if (!hadCurrent)
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void FileList::updateSelectedFlags(const QItemSelection &selected, const QItemSelection &deselected)
{
    for (const QItemSelectionRange &range : deselected) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            m_selected[size_t(row)] = false;
    }
    for (const QItemSelectionRange &range : selected) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            m_selected[size_t(row)] = true;
    }
}
