#include "platform/LocalFileSystem.h"

#include "platform/ErrnoCondition_posix.h"
#include "platform/FileNameOrder.h"
#include "platform/FilePattern.h"
#include "platform/LinuxRenameFolder_linux.h"
#include "platform/UnopenedFolder.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool hasKind(int folder, const char *name, mode_t kind)
{
    struct stat status {};
    return ::fstatat(folder, name, &status, 0) == 0 && (status.st_mode & S_IFMT) == kind;
}

// The entry's kind, links followed: only links and file systems that give no kind need a stat.
bool isOfKind(int folder, const dirent &entry, unsigned char directType, mode_t kind)
{
    if (entry.d_type == directType)
        return true;
    if (entry.d_type == DT_LNK || entry.d_type == DT_UNKNOWN)
        return hasKind(folder, entry.d_name, kind);
    return false;
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

bool isDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Hands every entry of the folder but "." and ".." to `visit`. A folder removed after it was
// opened reads as a missing path.
template<typename Visit>
FileError visitFolder(const QByteArray &folder, Visit visit)
{
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return conditionOfErrno(errno);
    DIR *stream = ::fdopendir(descriptor);
    if (!stream) {
        const int error = errno;
        ::close(descriptor);
        return conditionOfErrno(error);
    }
    int readError = 0;
    while (const dirent *entry = nextEntry(stream, &readError)) {
        if (!isDotOrDotDot(entry->d_name))
            visit(descriptor, *entry);
    }
    FileError error;
    if (readError != 0)
        error = conditionOfErrno(readError);
    else if (isRemovedFolder(descriptor))
        error = FileCondition::PathNotFound;
    ::closedir(stream);
    return error;
}

// Keeps the visible names that `accept` takes, by their shown text, in display order.
template<typename Accept>
FolderListing scanFolder(const QByteArray &folder, Accept accept)
{
    FolderListing listing;
    listing.error = visitFolder(folder, [&](int descriptor, const dirent &entry) {
        const QByteArrayView name(entry.d_name);
        if (name[0] != '.' && accept(descriptor, entry, DiskName::textOf(name)))
            listing.names.append(name.toByteArray());
    });
    if (listing.error)
        listing.names.clear();
    sortFileNames(listing.names);
    return listing;
}

} // namespace

// Regular files, and symbolic links whose target is a regular file.
FolderListing LocalFileSystem::listFiles(const DiskName &folder, const QString &patterns) const
{
    const FilePattern pattern(patterns);
    return scanFolder(folder.bytes, [&](int descriptor, const dirent &entry, const QString &name) {
        return pattern.matches(name) && isOfKind(descriptor, entry, DT_REG, S_IFREG);
    });
}

FolderListing LocalFileSystem::listFolders(const DiskName &folder) const
{
    return scanFolder(folder.bytes, [](int descriptor, const dirent &entry, const QString &) {
        return isOfKind(descriptor, entry, DT_DIR, S_IFDIR);
    });
}

// Like openFolder, only an absolute path names a folder.
FolderContents LocalFileSystem::readContents(const DiskName &folder) const
{
    if (!folder.bytes.startsWith('/'))
        return {{}, FileCondition::PathNotFound};
    FolderContents contents;
    contents.error = visitFolder(folder.bytes, [&](int descriptor, const dirent &entry) {
        contents.entries.append({QByteArray(entry.d_name), isOfKind(descriptor, entry, DT_REG, S_IFREG)});
    });
    if (contents.error)
        contents.entries.clear();
    return contents;
}

FileError LocalFileSystem::readFolder(const QString &folder) const
{
    return visitFolder(QFile::encodeName(folder), [](int, const dirent &) {});
}

std::unique_ptr<RenameFolder> LocalFileSystem::openFolder(const DiskName &folder) const
{
    if (!folder.bytes.startsWith('/'))
        return nullptr;
    const int descriptor = ::open(folder.bytes.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return std::make_unique<UnopenedFolder>(conditionOfErrno(errno));
    return std::make_unique<LinuxRenameFolder>(descriptor, SystemCalls::real());
}
