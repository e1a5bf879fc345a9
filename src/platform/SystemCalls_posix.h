#pragma once

#include <sys/types.h>

// Device and inode of a directory entry, as lstat gives them.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;

    bool operator==(const FileIdentity &) const = default;
};

// The few system calls of the rename routine, relative to an open folder. Each answers 0 or
// the error number, and retries calls interrupted by a signal. Tests answer in place of the
// kernel, for instance as a file system that ignores letter case.
class SystemCalls {
public:
    virtual ~SystemCalls() = default;

    virtual int renameNoReplace(int folder, const char *from, const char *to) = 0;
    virtual int renamePlain(int folder, const char *from, const char *to) = 0;
    virtual int identify(int folder, const char *name, FileIdentity *identity) = 0;

    static SystemCalls &real();
};
