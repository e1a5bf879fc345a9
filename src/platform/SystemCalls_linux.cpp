#include "platform/SystemCalls_posix.h"

#include "platform/FileHandle_posix.h"
#include "platform/MountTable_linux.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

// Runs a call that answers -1 and errno on failure until no signal interrupts it; its result
// is kept in `result` when given.
template<typename Call>
int retryingInterrupts(Call call, int *result = nullptr)
{
    int answer;
    do {
        answer = call();
    } while (answer < 0 && errno == EINTR);
    if (result)
        *result = answer;
    return answer < 0 ? errno : 0;
}

} // namespace

SystemCalls &SystemCalls::real()
{
    static KernelCalls calls;
    return calls;
}

int KernelCalls::renameNoReplace(int folder, const char *from, const char *to)
{
    return retryingInterrupts([&] { return ::renameat2(folder, from, folder, to, RENAME_NOREPLACE); });
}

int KernelCalls::renamePlain(int folder, const char *from, const char *to)
{
    return retryingInterrupts([&] { return ::renameat(folder, from, folder, to); });
}

int KernelCalls::link(int folder, const char *from, const char *to)
{
    return retryingInterrupts([&] { return ::linkat(folder, from, folder, to, 0); });
}

int KernelCalls::unlink(int folder, const char *name)
{
    return retryingInterrupts([&] { return ::unlinkat(folder, name, 0); });
}

int KernelCalls::identify(int folder, const char *name, FileIdentity *identity)
{
    struct stat status {};
    const int error = readStatus(folder, name, &status);
    if (error == 0)
        *identity = identityOf(status);
    return error;
}

int KernelCalls::readStatus(int folder, const char *name, struct stat *status)
{
    return retryingInterrupts([&] { return ::fstatat(folder, name, status, AT_SYMLINK_NOFOLLOW); });
}

// Reads the folder through a handle of its own, so the caller's handle keeps its position.
int KernelCalls::readNames(int folder, QSet<QByteArray> *names)
{
    int descriptor = -1;
    if (const int error = retryingInterrupts([&] { return ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC); },
                                             &descriptor))
        return error;
    const FolderStream stream{FileHandle(descriptor)};
    if (stream.error())
        return stream.error();
    errno = 0;
    while (const dirent *entry = ::readdir(stream.stream()))
        names->insert(QByteArray(entry->d_name));
    return errno;
}

int KernelCalls::openEntry(int folder, const char *name, int *handle, struct stat *status)
{
    if (const int error = retryingInterrupts(
            [&] { return ::openat(folder, name, O_PATH | O_NOFOLLOW | O_CLOEXEC); }, handle))
        return error;
    const int error = retryingInterrupts([&] { return ::fstat(*handle, status); });
    if (error != 0)
        ::close(*handle);
    return error;
}

// A handle that only names a file cannot change it directly; its entry under /proc reaches the
// very same file, as glibc's fchmodat does when it must not follow links.
int KernelCalls::changeMode(int handle, mode_t mode)
{
    const std::string path = "/proc/self/fd/" + std::to_string(handle);
    return retryingInterrupts([&] { return ::chmod(path.c_str(), mode); });
}

QByteArray KernelCalls::mountType(int folder)
{
    return mountTypeOf(folder);
}

int KernelCalls::syncFileSystem(int folder)
{
    return retryingInterrupts([&] { return ::syncfs(folder); });
}
