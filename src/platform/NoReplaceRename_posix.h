#pragma once

#include "platform/DiskName.h"
#include "platform/FileCondition.h"
#include "platform/SystemCalls_posix.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

// Renames a file of an open folder without ever replacing another file and without ever
// reporting success while the old name is still in place.
class NoReplaceRename {
public:
    explicit NoReplaceRename(SystemCalls &calls);

    FileError rename(int folder, const DiskName &oldName, const DiskName &newName);

    // The type of the mount that holds the folder, read from the mount table once.
    const QByteArray &mountType(int folder);

    // The hidden temporary name under which the last rename had to leave its file, because
    // putting it back failed; empty when the file is under its old or its new name.
    QByteArray parkedName() const { return m_parkedName; }

private:
    int moveWithoutReplacing(int folder, const QByteArray &from, const QByteArray &to);
    int moveWithoutFlag(int folder, const QByteArray &from, const QByteArray &to);
    int dropOldName(int folder, const QByteArray &from, const QByteArray &to, const FileIdentity &file);
    int renameIfAbsent(int folder, const QByteArray &from, const QByteArray &to);
    FileError renameCaseOnly(int folder, const QByteArray &from, const QByteArray &to);
    void putBack(int folder, const QByteArray &temporary, const QByteArray &from);
    bool ignoresCase(int folder, const QByteArray &from, const QByteArray &to);
    bool isFile(int folder, const QByteArray &name, const FileIdentity &file);
    bool isSpelled(int folder, const QByteArray &name);
    bool hasCaseTwin(int folder, const DiskName &oldName, const DiskName &newName);
    bool readSpellings(int folder);
    void noteRenamed(const QByteArray &from, const QByteArray &to);

    SystemCalls &m_calls;
    unsigned m_temporaryCount = 0;
    QByteArray m_parkedName;
    // The folder's names as it spells them, read at the first rename that needs them and kept up
    // with this routine's own renames; on disks that refuse case twins also how many names fold
    // to each text.
    std::optional<QSet<QByteArray>> m_spellings;
    QHash<QString, int> m_foldedNames;
    std::optional<QByteArray> m_mountType;
};
