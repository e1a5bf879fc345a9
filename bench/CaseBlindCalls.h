#pragma once

#include "platform/SystemCalls_posix.h"

#include <QHash>

// The kernel's calls on a folder of this disk, answering as a FUSE disk that ignores letter case
// and has neither the no-replace flag nor hard links (exfat-fuse): a name is found in any letter
// case, each spelling under an inode number of its own, and only a listing of the folder tells
// which spelling it holds.
class CaseBlindCalls final : public KernelCalls {
public:
    // Reads the spellings of the folder once.
    explicit CaseBlindCalls(int folder);

    int renameNoReplace(int, const char *, const char *) override;
    int link(int, const char *, const char *) override;
    int renamePlain(int folder, const char *from, const char *to) override;
    int identify(int folder, const char *name, FileIdentity *identity) override;

private:
    QHash<QByteArray, QByteArray> m_spellings; // by the name in lower case
};
