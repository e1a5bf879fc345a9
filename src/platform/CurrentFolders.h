#pragma once

#include "platform/DiskName.h"

#include <QHash>

// The current folder of each drive, as the program made it current: a drive not visited yet
// has its root. Making a folder current also makes it the process's working folder, where its
// name can be written as text.
class CurrentFolders {
public:
    void makeCurrent(const DiskName &driveRoot, const DiskName &folder);
    DiskName currentFolderOf(const DiskName &driveRoot) const;

private:
    QHash<QByteArray, DiskName> m_folders; // by the drive's root
};
