#include "FolderList.h"

#include "FileSystem.h"

#include <QDir>
#include <QKeyEvent>

namespace {

constexpr int pathRole = Qt::UserRole;

} // namespace

FolderList::FolderList(const FileSystem &fileSystem, QWidget *parent)
    : QListWidget(parent)
    , m_fileSystem(fileSystem)
{
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { setPath(item->data(pathRole).toString()); });
}

// A folder that no longer exists gives way to its nearest existing parent; the subfolders
// read on the way are the ones the list shows.
void FolderList::setPath(const QString &path)
{
    QString folder = QDir::cleanPath(QDir(path).absolutePath());
    FolderListing subfolders = m_fileSystem.listFolders(folder);
    while (subfolders.error == FileError(FileCondition::PathNotFound) && !QDir(folder).isRoot()) {
        folder = QDir::cleanPath(folder + QStringLiteral("/.."));
        subfolders = m_fileSystem.listFolders(folder);
    }
    folder = QDir::toNativeSeparators(folder);
    if (folder == m_path)
        return;
    m_path = folder;
    fillEntries(subfolders.names);
    emit pathChanged();
}

QString FolderList::list(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry ? entry->data(pathRole).toString() : m_path;
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

void FolderList::fillEntries(const QStringList &subfolders)
{
    clear();
    const QString clean = QDir::fromNativeSeparators(m_path);
    const QStringList components = clean.split(u'/', Qt::SkipEmptyParts);
    QString along = QDir::rootPath();
    addEntry(QDir::toNativeSeparators(along), along, 0, true);
    for (int depth = 0; depth < components.size(); ++depth) {
        along = QDir::cleanPath(along + u'/' + components.at(depth));
        addEntry(components.at(depth), along, depth + 1, true);
    }
    setCurrentRow(count() - 1);
    for (const QString &name : subfolders)
        addEntry(name, QDir::cleanPath(clean + u'/' + name), int(components.size()) + 1, false);
}

void FolderList::addEntry(const QString &text, const QString &path, int depth, bool open)
{
    auto *entry = new QListWidgetItem(QString(depth * 2, u' ') + text, this);
    entry->setData(pathRole, QDir::toNativeSeparators(path));
    entry->setIcon(style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
}
