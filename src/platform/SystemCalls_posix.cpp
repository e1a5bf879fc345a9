#include "SystemCalls_posix.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

template<typename Call>
int retryingInterrupts(Call call)
{
    int result;
    do {
        result = call();
    } while (result != 0 && errno == EINTR);
    return result == 0 ? 0 : errno;
}

class KernelCalls final : public SystemCalls {
public:
    int renameNoReplace(int folder, const char *from, const char *to) override
    {
        return retryingInterrupts([&] { return ::renameat2(folder, from, folder, to, RENAME_NOREPLACE); });
    }

    int renamePlain(int folder, const char *from, const char *to) override
    {
        return retryingInterrupts([&] { return ::renameat(folder, from, folder, to); });
    }

    int identify(int folder, const char *name, FileIdentity *identity) override
    {
        struct stat status {};
        const int error = retryingInterrupts([&] { return ::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW); });
        if (error == 0)
            *identity = {status.st_dev, status.st_ino};
        return error;
    }
};

} // namespace

SystemCalls &SystemCalls::real()
{
    static KernelCalls calls;
    return calls;
}
