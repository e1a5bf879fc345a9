#include "PosixRenameFolder_posix.h"

#include "ErrnoCondition_posix.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

// File systems that keep one read-only flag for everybody instead of permission bits.
bool isSingleFlagFileSystem(long type)
{
    constexpr long exfat = 0x2011BAB0;
    constexpr long ntfs3 = 0x7366746e;
    constexpr long ntfsFuse = 0x5346544e;
    return type == MSDOS_SUPER_MAGIC || type == exfat || type == ntfs3 || type == ntfsFuse;
}

} // namespace

PosixRenameFolder::PosixRenameFolder(int descriptor, SystemCalls &calls)
    : m_descriptor(descriptor)
    , m_rename(calls)
{
}

PosixRenameFolder::~PosixRenameFolder()
{
    ::close(m_descriptor);
}

// Only a file its owner cannot write needs a change: the owner's write bit is added (all
// three on file systems with a single read-only flag, which the mount's mask then trims).
FileError PosixRenameFolder::setArchiveOnly(const DiskName &name)
{
    const QByteArray &leaf = name.bytes;
    struct stat status {};
    if (::fstatat(m_descriptor, leaf.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return conditionOfErrno(errno);
    if (S_ISLNK(status.st_mode) || (status.st_mode & S_IWUSR))
        return {};
    const mode_t writeBits = keepsSingleReadOnlyFlag() ? (S_IWUSR | S_IWGRP | S_IWOTH) : S_IWUSR;
    if (::fchmodat(m_descriptor, leaf.constData(), (status.st_mode & 07777) | writeBits, 0) != 0)
        return conditionOfErrno(errno);
    return {};
}

FileError PosixRenameFolder::rename(const DiskName &oldName, const QString &newName)
{
    return m_rename.rename(m_descriptor, oldName, newName);
}

bool PosixRenameFolder::isRemoved() const
{
    struct stat status {};
    return ::fstat(m_descriptor, &status) != 0 || status.st_nlink == 0;
}

bool PosixRenameFolder::keepsSingleReadOnlyFlag()
{
    if (!m_singleReadOnlyFlag) {
        struct statfs info {};
        m_singleReadOnlyFlag = ::fstatfs(m_descriptor, &info) == 0 && isSingleFlagFileSystem(info.f_type);
    }
    return *m_singleReadOnlyFlag;
}
