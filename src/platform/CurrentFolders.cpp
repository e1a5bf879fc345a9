#include "platform/CurrentFolders.h"

#include <QDir>

void CurrentFolders::makeCurrent(const DiskName &driveRoot, const DiskName &folder)
{
    m_folders.insert(driveRoot.bytes, folder);
    QDir::setCurrent(folder.text);
}

DiskName CurrentFolders::currentFolderOf(const DiskName &driveRoot) const
{
    return m_folders.value(driveRoot.bytes, driveRoot);
}
