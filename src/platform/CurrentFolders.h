#pragma once

#include <QHash>
#include <QString>

// The current folder of each drive, as the program made it current: a drive not visited yet
// has its root. Making a folder current also makes it the process's working folder.
class CurrentFolders {
public:
    void makeCurrent(const QString &driveRoot, const QString &folder);
    QString currentFolderOf(const QString &driveRoot) const;

private:
    QHash<QString, QString> m_folders;
};
