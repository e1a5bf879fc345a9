#pragma once

#include "DiskName.h"
#include "FileCondition.h"
#include "SystemCalls_posix.h"

#include <QString>

// Renames a file of an open folder without ever replacing another file and without ever
// reporting success while the old name is still in place.
class NoReplaceRename {
public:
    explicit NoReplaceRename(SystemCalls &calls);

    FileError rename(int folder, const DiskName &oldName, const QString &newName);

private:
    FileError renameCaseOnly(int folder, const QByteArray &from, const QByteArray &to);
    FileError renameWithoutFlag(int folder, const QByteArray &from, const QByteArray &to);
    bool sameFile(int folder, const QByteArray &a, const QByteArray &b);
    QByteArray nextTemporaryName();

    SystemCalls &m_calls;
    unsigned m_temporaryCount = 0;
};
