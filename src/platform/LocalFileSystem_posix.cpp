#include "LocalFileSystem.h"

#include "ErrnoCondition_posix.h"
#include "FileNameOrder.h"
#include "FilePattern.h"
#include "PosixRenameFolder_posix.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isRegularFile(int folder, const char *name, int flags)
{
    struct stat status {};
    return ::fstatat(folder, name, &status, flags) == 0 && S_ISREG(status.st_mode);
}

// Regular files, and symbolic links whose target is a regular file.
bool isListedKind(int folder, const dirent &entry)
{
    switch (entry.d_type) {
    case DT_REG:
        return true;
    case DT_LNK:
    case DT_UNKNOWN:
        return isRegularFile(folder, entry.d_name, 0);
    default:
        return false;
    }
}

// The next entry, or nullptr at the end or on a read error, which is then set.
const dirent *nextEntry(DIR *stream, int *error)
{
    errno = 0;
    const dirent *entry = ::readdir(stream);
    if (!entry)
        *error = errno;
    return entry;
}

bool isRemovedFolder(int folder)
{
    struct stat status {};
    return ::fstat(folder, &status) == 0 && status.st_nlink == 0;
}

} // namespace

FolderListing LocalFileSystem::listFiles(const QString &folder, const QString &patterns) const
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return {{}, conditionOfErrno(errno)};
    DIR *stream = ::fdopendir(descriptor);
    if (!stream) {
        const int error = errno;
        ::close(descriptor);
        return {{}, conditionOfErrno(error)};
    }

    const FilePattern pattern(patterns);
    FolderListing listing;
    int readError = 0;
    while (const dirent *entry = nextEntry(stream, &readError)) {
        if (entry->d_name[0] == '.')
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        if (pattern.matches(name) && isListedKind(descriptor, *entry))
            listing.names.append(name);
    }
    if (readError != 0)
        listing = {{}, conditionOfErrno(readError)};
    else if (isRemovedFolder(descriptor))
        listing = {{}, FileCondition::PathNotFound};
    ::closedir(stream);

    sortFileNames(listing.names);
    return listing;
}

std::unique_ptr<RenameFolder> LocalFileSystem::openFolder(const QString &folder) const
{
    if (!QDir::isAbsolutePath(folder))
        return nullptr;
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    return std::make_unique<PosixRenameFolder>(descriptor, SystemCalls::real());
}
