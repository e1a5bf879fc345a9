#include "gui/folder/FolderList.h"

#include "platform/FileSystem.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int depthRole = Qt::UserRole + 1;
constexpr int indentPerLevel = 7; // pixels

// Draws each entry indented by its depth below the root, so that its text is the folder's name
// alone: a screen reader reads the name, and typing its first letters finds it.
class IndentingDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + index.data(depthRole).toInt() * indentPerLevel);
        QStyledItemDelegate::paint(painter, indented, index);
    }
};

} // namespace

FolderList::FolderList(const FileSystem &fileSystem, QWidget *parent)
    : QListWidget(parent)
    , m_fileSystem(fileSystem)
{
    setItemDelegate(new IndentingDelegate(this));
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { setPath(item->data(pathRole).value<DiskName>()); });
}

// A folder that no longer exists gives way to its nearest existing parent; the subfolders
// read on the way are the ones the list shows.
void FolderList::setPath(const DiskName &path)
{
    DiskName folder = path;
    FolderListing subfolders = m_fileSystem.listFolders(folder);
    while (subfolders.error == FileError(FileCondition::PathNotFound) && !folder.isRoot()) {
        folder = folder.parent();
        subfolders = m_fileSystem.listFolders(folder);
    }
    if (folder == m_path)
        return;
    m_path = folder;
    fillEntries(subfolders.names);
    emit pathChanged();
}

DiskName FolderList::list(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry ? entry->data(pathRole).value<DiskName>() : m_path;
}

// Every key with a character is reported first; all but Enter then get the list's own handling.
void FolderList::keyPressEvent(QKeyEvent *event)
{
    const int keyAscii = event->text().isEmpty() ? 0 : event->text().at(0).unicode();
    if (keyAscii != 0)
        emit keyPress(keyAscii);
    if (keyAscii != '\r')
        QListWidget::keyPressEvent(event);
}

void FolderList::fillEntries(const PackedNames &subfolders)
{
    clear();
    const QList<DiskName> components = m_path.components();
    DiskName along = DiskName::root();
    addEntry(along.text, along, 0, true);
    for (int depth = 0; depth < components.size(); ++depth) {
        along = along.child(components.at(depth));
        addEntry(components.at(depth).text, along, depth + 1, true);
    }
    setCurrentRow(count() - 1);
    for (qsizetype index = 0; index < subfolders.size(); ++index) {
        const DiskName name = DiskName::fromBytes(subfolders.at(index).toByteArray());
        addEntry(name.text, m_path.child(name), int(components.size()) + 1, false);
    }
}

void FolderList::addEntry(const QString &text, const DiskName &path, int depth, bool open)
{
    auto *entry = new QListWidgetItem(text, this);
    entry->setData(pathRole, QVariant::fromValue(path));
    entry->setData(depthRole, depth);
    entry->setIcon(style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
}
