#include "platform/LinuxRenameFolder_linux.h"

#include "platform/ErrnoCondition_posix.h"
#include "platform/MountTable_linux.h"

#include <sys/stat.h>

LinuxRenameFolder::LinuxRenameFolder(int descriptor, SystemCalls &calls)
    : m_folder(descriptor)
    , m_calls(calls)
    , m_rename(calls)
{
}

namespace {

bool needsNoWriteBit(const struct stat &status)
{
    return S_ISLNK(status.st_mode) || (status.st_mode & S_IWUSR);
}

} // namespace

// Only a file its owner cannot write needs a change, so one look at the entry settles most
// files. The change goes through a handle that names the entry itself, and the look is taken
// again through it, so an entry swapped for a link in between cannot lead the change to a file
// outside the folder; a link is left as it is. The handle is kept until the rename, which gives
// the file its mode back should it fail.
FileError LinuxRenameFolder::setArchiveOnly(const DiskName &name, FileIdentity &file)
{
    forgetModeChange();
    struct stat status {};
    if (const int error = m_calls.readStatus(m_folder.get(), name.bytes.constData(), &status))
        return conditionOfErrno(error);
    file = identityOf(status);
    if (needsNoWriteBit(status))
        return {};
    int descriptor = -1;
    if (const int error = m_calls.openEntry(m_folder.get(), name.bytes.constData(), &descriptor, &status))
        return conditionOfErrno(error);
    FileHandle handle(descriptor);
    const mode_t mode = status.st_mode & 07777;
    const int error = needsNoWriteBit(status) ? 0 : m_calls.changeMode(handle.get(), mode | writeBits());
    if (error != 0 || needsNoWriteBit(status))
        return error == 0 ? FileError() : conditionOfErrno(error);
    m_modeChange = {name.bytes, std::move(handle), mode};
    return {};
}

FileError LinuxRenameFolder::rename(const DiskName &oldName, const DiskName &newName)
{
    const FileError error = m_rename.rename(m_folder.get(), oldName, newName);
    if (error && m_modeChange.handle.isOpen() && m_modeChange.name == oldName.bytes)
        m_calls.changeMode(m_modeChange.handle.get(), m_modeChange.mode);
    forgetModeChange();
    return error;
}

void LinuxRenameFolder::forgetModeChange()
{
    m_modeChange = ModeChange();
}

QString LinuxRenameFolder::parkedName() const
{
    return DiskName::textOf(m_rename.parkedName());
}

bool LinuxRenameFolder::isRemoved() const
{
    struct stat status {};
    return ::fstat(m_folder.get(), &status) != 0 || status.st_nlink == 0;
}

FileIdentity LinuxRenameFolder::identity() const
{
    struct stat status {};
    if (::fstat(m_folder.get(), &status) != 0)
        return {};
    return identityOf(status);
}

FileIdentity LinuxRenameFolder::identify(const DiskName &name)
{
    FileIdentity file;
    return m_calls.identify(m_folder.get(), name.bytes.constData(), &file) == 0 ? file : FileIdentity();
}

// The whole file system is written through, not only the folder and the files renamed: on vfat a
// new name can reach the card before the contents of a file copied there just before do, and
// syncfs costs one call where an fsync of each file would cost one per file.
FileError LinuxRenameFolder::makeDurable()
{
    if (ordersRenamesByJournal(mountType()))
        return {};
    const int error = m_calls.syncFileSystem(m_folder.get());
    return error == 0 ? FileError() : conditionOfErrno(error);
}

// The owner's write bit; all three on file systems with a single read-only flag, which the
// mount's own mask then trims.
mode_t LinuxRenameFolder::writeBits()
{
    return keepsSingleReadOnlyFlag(mountType()) ? (S_IWUSR | S_IWGRP | S_IWOTH) : S_IWUSR;
}

const QByteArray &LinuxRenameFolder::mountType()
{
    return m_rename.mountType(m_folder.get());
}
