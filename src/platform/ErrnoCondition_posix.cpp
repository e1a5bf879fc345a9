#include "platform/ErrnoCondition_posix.h"

#include <cerrno>

FileCondition conditionOfErrno(int error)
{
    switch (error) {
    case EIO: case ENOTCONN: case ENODEV: case ENXIO: case ESHUTDOWN: case EHOSTDOWN:
    case EHOSTUNREACH: case ENETDOWN: case ENETUNREACH: case ECONNRESET: case ETIMEDOUT:
        return FileCondition::DeviceUnavailable;
    case ENOMEDIUM: case EMEDIUMTYPE: case EAGAIN:
        return FileCondition::DiskNotReady;
    case ENOSPC: case EDQUOT:
        return FileCondition::DiskFull;
    case ENAMETOOLONG: case EINVAL: case EILSEQ:
        return FileCondition::InvalidFileName;
    case ENOENT: case ENOTDIR: case ELOOP: case ESTALE:
        return FileCondition::PathNotFound;
    case EACCES: case EPERM:
        return FileCondition::AccessDenied;
    case EROFS:
        return FileCondition::ReadOnlyDisk;
    case EBUSY: case ETXTBSY:
        return FileCondition::AlreadyOpen;
    case EOVERFLOW:
        return FileCondition::EndOfFile;
    case EEXIST: case ENOTEMPTY:
        return FileCondition::NameTaken;
    default:
        return FileCondition::Other;
    }
}
