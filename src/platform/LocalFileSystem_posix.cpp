#include "platform/LocalFileSystem.h"

#include "platform/ErrnoCondition_posix.h"
#include "platform/FileHandle_posix.h"
#include "platform/FileNameOrder.h"
#include "platform/FilePattern.h"
#include "platform/LinuxRenameFolder_linux.h"
#include "platform/MountTable_linux.h"
#include "platform/ParkedName.h"
#include "platform/SystemCalls_posix.h"
#include "platform/UnopenedFolder.h"

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

// The folder's identity; empty when it has been removed since it was opened.
FileIdentity identityOfFolder(int folder)
{
    struct stat status {};
    if (::fstat(folder, &status) != 0 || status.st_nlink == 0)
        return {};
    return identityOf(status);
}

bool isDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Hands every entry of the folder but "." and ".." to `visit`, then, once all were read, the
// open folder and its identity to `done`. A folder removed after it was opened reads as a
// missing path.
template<typename Visit, typename Done>
FileError visitFolder(const QByteArray &folder, Visit visit, Done done)
{
    FileHandle handle(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!handle.isOpen())
        return conditionOfErrno(errno);
    const FolderStream stream(std::move(handle));
    if (stream.error())
        return conditionOfErrno(stream.error());
    const int descriptor = stream.descriptor();
    int readError = 0;
    while (const dirent *entry = nextEntry(stream.stream(), &readError)) {
        if (!isDotOrDotDot(entry->d_name))
            visit(descriptor, *entry);
    }
    FileError error;
    const FileIdentity folderRead = identityOfFolder(descriptor);
    if (readError != 0)
        error = conditionOfErrno(readError);
    else if (folderRead.isEmpty())
        error = FileCondition::PathNotFound;
    else
        done(descriptor, folderRead);
    return error;
}

// Keeps the visible names that `accept` takes, in the order asked for, and the parked files
// among the hidden ones.
template<typename Accept>
FolderListing scanFolder(const QByteArray &folder, ListingOrder order, Accept accept)
{
    FolderListing listing;
    listing.error = visitFolder(
        folder,
        [&](int descriptor, const dirent &entry) {
            const QByteArrayView name(entry.d_name);
            if (name[0] != '.') {
                if (accept(descriptor, entry))
                    listing.names.append(name);
            } else if (!nameBeforeParking(entry.d_name).isEmpty()) {
                listing.parked.append(name.toByteArray());
            }
        },
        [&](int, const FileIdentity &identity) { listing.folder = identity; });
    if (listing.error) {
        listing.names = {};
        listing.parked.clear();
    }
    if (order == ListingOrder::Alphabetical)
        sortFileNames(listing.names);
    return listing;
}

// The name a symbolic link leads to when it is a name of the same folder; empty otherwise.
QByteArray sameFolderTarget(int folder, const dirent &entry)
{
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return {};
    char target[256];
    const ssize_t length = ::readlinkat(folder, entry.d_name, target, sizeof target);
    if (length <= 0 || length >= ssize_t(sizeof target))
        return {};
    const QByteArray name(target, length);
    return name.contains('/') ? QByteArray() : name; // "." and ".." are no names of the folder's copy
}

// Whether the folder finds a name in any letter case: a name of it looked up in another letter
// case is found, although no entry is spelled so. Only the first name with letters is asked.
bool ignoresCase(int folder, const PackedNames &names)
{
    for (qsizetype place = 0; place < names.size(); ++place) {
        const QByteArrayView name = names.at(place);
        const QString text = DiskName::textOf(name);
        const QString upper = text.toUpper();
        const QByteArray other = (upper != text ? upper : text.toLower()).toUtf8();
        if (other == name || !name.isValidUtf8())
            continue;
        for (qsizetype spelled = 0; spelled < names.size(); ++spelled) {
            if (names.at(spelled) == other)
                return false;
        }
        struct stat status {};
        return ::fstatat(folder, other.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0;
    }
    return false;
}

} // namespace

// Regular files, and symbolic links whose target is a regular file.
FolderListing LocalFileSystem::listFiles(const DiskName &folder, const QString &patterns, ListingOrder order) const
{
    const FilePattern pattern(patterns);
    return scanFolder(folder.bytes, order, [&](int descriptor, const dirent &entry) {
        return (pattern.matchesAll() || pattern.matches(DiskName::textOf(entry.d_name)))
            && isOfKind(descriptor, entry, DT_REG, S_IFREG);
    });
}

FolderListing LocalFileSystem::listFolders(const DiskName &folder) const
{
    return scanFolder(folder.bytes, ListingOrder::Alphabetical, [](int descriptor, const dirent &entry) {
        return isOfKind(descriptor, entry, DT_DIR, S_IFDIR);
    });
}

// Like openFolder, only an absolute path names a folder.
FolderContents LocalFileSystem::readContents(const DiskName &folder) const
{
    FolderContents contents;
    if (!folder.bytes.startsWith('/')) {
        contents.error = FileCondition::PathNotFound;
        return contents;
    }
    contents.error = visitFolder(
        folder.bytes,
        [&](int descriptor, const dirent &entry) {
            contents.append(entry.d_name, isOfKind(descriptor, entry, DT_REG, S_IFREG), sameFolderTarget(descriptor, entry));
        },
        [&](int descriptor, const FileIdentity &identity) {
            contents.folder = identity;
            contents.ignoresCase = isCaseBlindElsewhere(mountTypeOf(descriptor)) || ignoresCase(descriptor, contents.names);
        });
    if (contents.error)
        return {{}, {}, {}, contents.error, {}, false};
    return contents;
}

FileError LocalFileSystem::readFolder(const DiskName &folder) const
{
    return visitFolder(folder.bytes, [](int, const dirent &) {}, [](int, const FileIdentity &) {});
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
