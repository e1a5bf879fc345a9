#pragma once

#include "platform/FileIdentity.h"

#include <QByteArray>
#include <QSet>

#include <sys/stat.h>
#include <sys/types.h>

// The identity of the file whose status this is.
inline FileIdentity identityOf(const struct stat &status)
{
    return {quint64(status.st_dev), quint64(status.st_ino)};
}

// The few system calls of the rename routine and the attribute step, relative to an open folder.
// Each answers 0 or the error number, and retries calls interrupted by a signal. Tests answer in
// place of the kernel, for instance as a file system that ignores letter case.
class SystemCalls {
public:
    virtual ~SystemCalls() = default;

    virtual int renameNoReplace(int folder, const char *from, const char *to) = 0;
    virtual int renamePlain(int folder, const char *from, const char *to) = 0;
    // A second name for the entry itself (a link is not followed); fails when `to` exists.
    virtual int link(int folder, const char *from, const char *to) = 0;
    virtual int unlink(int folder, const char *name) = 0;
    // The device and inode of the entry itself, as lstat gives them.
    virtual int identify(int folder, const char *name, FileIdentity *identity) = 0;
    // The status of the entry itself, as lstat gives it.
    virtual int readStatus(int folder, const char *name, struct stat *status) = 0;
    // The name of every entry of the folder, byte for byte as the folder spells it.
    virtual int readNames(int folder, QSet<QByteArray> *names) = 0;
    // A handle that names the entry itself, a link not followed, and the entry's status read
    // through it. The caller closes the handle.
    virtual int openEntry(int folder, const char *name, int *handle, struct stat *status) = 0;
    // Changes the mode of the file that a handle of openEntry names.
    virtual int changeMode(int handle, mode_t mode) = 0;
    // The type of the mount that holds the folder, as the mount table names it ("ext4", "vfat");
    // empty when it cannot be told.
    virtual QByteArray mountType(int folder) = 0;
    // Writes everything of the file system that holds the folder through to the disk (syncfs).
    virtual int syncFileSystem(int folder) = 0;

    static SystemCalls &real();
};

// The kernel's calls. Tests derive from it to step in between two calls of a routine.
class KernelCalls : public SystemCalls {
public:
    int renameNoReplace(int folder, const char *from, const char *to) override;
    int renamePlain(int folder, const char *from, const char *to) override;
    int link(int folder, const char *from, const char *to) override;
    int unlink(int folder, const char *name) override;
    int identify(int folder, const char *name, FileIdentity *identity) override;
    int readStatus(int folder, const char *name, struct stat *status) override;
    int readNames(int folder, QSet<QByteArray> *names) override;
    int openEntry(int folder, const char *name, int *handle, struct stat *status) override;
    int changeMode(int handle, mode_t mode) override;
    QByteArray mountType(int folder) override;
    int syncFileSystem(int folder) override;
};
