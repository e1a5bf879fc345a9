#include "platform/CurrentFolders.h"

#include <QDir>

void CurrentFolders::makeCurrent(const QString &driveRoot, const QString &folder)
{
    m_folders.insert(driveRoot, folder);
    QDir::setCurrent(folder);
}

QString CurrentFolders::currentFolderOf(const QString &driveRoot) const
{
    return m_folders.value(driveRoot, driveRoot);
}
