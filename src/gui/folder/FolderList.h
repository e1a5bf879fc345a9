#pragma once

#include "platform/DiskName.h"
#include "platform/PackedNames.h"

#include <QListWidget>

class FileSystem;

// The folder list: the folders along the current path, from the root down, then the
// subfolders of the current folder, each indented by its depth. Double-clicking an entry makes
// it the current folder; typing the first letters of a name moves to it.
// Folders are reached by the names the file system holds, so one whose name is not UTF-8
// opens like any other.
class FolderList final : public QListWidget {
    Q_OBJECT

public:
    FolderList(const FileSystem &fileSystem, QWidget *parent = nullptr);

    // The current folder as the list shows it, and as the file system holds it.
    QString path() const { return m_path.text; }
    const DiskName &diskPath() const { return m_path; }
    // Moves to the folder, given by its absolute path, or to its nearest existing parent folder.
    void setPath(const DiskName &path);

    // The full path of entry `index`; the current folder for -1.
    DiskName list(int index) const;
    int listIndex() const { return currentRow(); }

signals:
    void pathChanged();
    void keyPress(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fillEntries(const PackedNames &subfolders);
    void addEntry(const QString &text, const DiskName &path, int depth, bool open);

    const FileSystem &m_fileSystem;
    DiskName m_path;
};
