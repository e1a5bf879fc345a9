#pragma once

#include <QListWidget>

class FileSystem;

// The folder list: the folders along the current path, from the root down, then the
// subfolders of the current folder. Double-clicking an entry makes it the current folder.
class FolderList final : public QListWidget {
    Q_OBJECT

public:
    FolderList(const FileSystem &fileSystem, QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Moves to the folder, or to its nearest existing parent folder.
    void setPath(const QString &path);

    // The full path of entry `index`; the current folder for -1.
    QString list(int index) const;
    int listIndex() const { return currentRow(); }

signals:
    void pathChanged();
    void keyPress(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fillEntries(const QStringList &subfolders);
    void addEntry(const QString &text, const QString &path, int depth, bool open);

    const FileSystem &m_fileSystem;
    QString m_path;
};
