#include "UnreadyDrives.h"

UnreadyDrives::UnreadyDrives(const FileSystem &real)
    : m_real(real)
{
}

void UnreadyDrives::makeUnready(const QString &root, FileCondition condition, int times)
{
    m_unready.insert(root, {condition, times});
}

FolderListing UnreadyDrives::listFiles(const DiskName &folder, const QString &patterns) const
{
    return m_real.listFiles(folder, patterns);
}

FolderListing UnreadyDrives::listFolders(const DiskName &folder) const
{
    return m_real.listFolders(folder);
}

FileError UnreadyDrives::readFolder(const QString &folder) const
{
    const auto failure = m_unready.find(folder);
    if (failure == m_unready.end() || failure->times == 0)
        return m_real.readFolder(folder);
    if (failure->times > 0)
        --failure->times;
    return failure->condition;
}

std::unique_ptr<RenameFolder> UnreadyDrives::openFolder(const DiskName &folder) const
{
    return m_real.openFolder(folder);
}
