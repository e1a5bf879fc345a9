#include "platform/NoReplaceRename_posix.h"

#include "platform/AllowedRename.h"
#include "platform/ErrnoCondition_posix.h"
#include "platform/MountTable_linux.h"
#include "platform/ParkedName.h"

#include <cerrno>

namespace {

bool flagUnsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

bool linksUnsupported(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}

constexpr int maxTemporaryTries = 100;
constexpr int putBackTries = 2;

} // namespace

NoReplaceRename::NoReplaceRename(SystemCalls &calls)
    : m_calls(calls)
{
}

// A name from an old disk goes through also when the new name shows the same text in other
// bytes (UTF-8).
FileError NoReplaceRename::rename(int folder, const DiskName &oldName, const DiskName &newName)
{
    m_parkedName.clear();
    const QByteArray &from = oldName.bytes;
    const QByteArray &to = newName.bytes;
    if (from == to)
        return {};
    if (!isAllowedRename(oldName, newName))
        return FileCondition::InvalidFileName;
    if (hasCaseTwin(folder, oldName, newName))
        return FileCondition::NameTaken;

    const int error = moveWithoutReplacing(folder, from, to);
    if (error == EEXIST && oldName.text.compare(newName.text, Qt::CaseInsensitive) == 0 && ignoresCase(folder, from, to))
        return renameCaseOnly(folder, from, to);
    return error == 0 ? FileError() : conditionOfErrno(error);
}

// 0 once the file has the new name; EEXIST when the new name is taken; else the error number.
int NoReplaceRename::moveWithoutReplacing(int folder, const QByteArray &from, const QByteArray &to)
{
    int error = m_calls.renameNoReplace(folder, from.constData(), to.constData());
    if (flagUnsupported(error))
        error = moveWithoutFlag(folder, from, to);
    if (error == 0)
        noteRenamed(from, to);
    return error;
}

// File systems without the no-replace flag. Where they have hard links, linking the new name
// fails at once when the name is taken, and the old name goes only while both names still are
// the same file. Where they have none, the new name is checked to be free just before renaming.
int NoReplaceRename::moveWithoutFlag(int folder, const QByteArray &from, const QByteArray &to)
{
    FileIdentity file;
    if (const int error = m_calls.identify(folder, from.constData(), &file))
        return error;
    const int linked = m_calls.link(folder, from.constData(), to.constData());
    if (linked == 0)
        return dropOldName(folder, from, to, file);
    return linksUnsupported(linked) ? renameIfAbsent(folder, from, to) : linked;
}

// Should another program replace the new name meanwhile, the file keeps its old name and the
// new one counts as taken; should it take the old name away, the file already has its new one.
int NoReplaceRename::dropOldName(int folder, const QByteArray &from, const QByteArray &to, const FileIdentity &file)
{
    if (!isFile(folder, to, file))
        return EEXIST;
    if (!isFile(folder, from, file))
        return 0;
    const int error = m_calls.unlink(folder, from.constData());
    if (error != 0)
        m_calls.unlink(folder, to.constData());
    return error;
}

// The one gap no portable call closes on such file systems: between the look and the rename.
int NoReplaceRename::renameIfAbsent(int folder, const QByteArray &from, const QByteArray &to)
{
    FileIdentity target;
    const int lookup = m_calls.identify(folder, to.constData(), &target);
    if (lookup == 0)
        return EEXIST;
    if (lookup != ENOENT)
        return lookup;
    return m_calls.renamePlain(folder, from.constData(), to.constData());
}

// Going through a fresh hidden name makes a file system that ignores case write the new
// spelling; should the second step fail, the first is undone. The hidden name carries the old
// one, the way back should the program be killed in between. Two hard links that differ in
// case land here too, and there the second step is refused as a taken name.
FileError NoReplaceRename::renameCaseOnly(int folder, const QByteArray &from, const QByteArray &to)
{
    for (int attempt = 0; attempt < maxTemporaryTries; ++attempt) {
        const QByteArray temporary = parkedNameFor(from, ++m_temporaryCount);
        const int parked = moveWithoutReplacing(folder, from, temporary);
        if (parked == EEXIST)
            continue;
        if (parked != 0)
            return conditionOfErrno(parked);
        const int finished = moveWithoutReplacing(folder, temporary, to);
        if (finished == 0)
            return {};
        putBack(folder, temporary, from);
        return conditionOfErrno(finished);
    }
    return FileCondition::Other;
}

// A file that cannot be put back stays under its hidden name, which is then kept to be shown.
void NoReplaceRename::putBack(int folder, const QByteArray &temporary, const QByteArray &from)
{
    for (int attempt = 0; attempt < putBackTries; ++attempt) {
        if (moveWithoutReplacing(folder, temporary, from) == 0)
            return;
    }
    m_parkedName = temporary;
}

// The new name, differing from the old in letter case only, was found taken. The file system
// ignores case when both names reach one file (vfat), or when no entry is spelled like the new
// name (case-blind FUSE file systems give each spelling its own inode number).
bool NoReplaceRename::ignoresCase(int folder, const QByteArray &from, const QByteArray &to)
{
    FileIdentity file;
    if (m_calls.identify(folder, from.constData(), &file) == 0 && isFile(folder, to, file))
        return true;
    return !isSpelled(folder, to);
}

// FAT and exFAT disks are read by cameras and other systems that find names without regard to
// case, so there a name that another entry spells in other letter case counts as taken, also
// where the mount itself tells spellings apart (vfat mounted with iocharset=utf8).
bool NoReplaceRename::hasCaseTwin(int folder, const DiskName &oldName, const DiskName &newName)
{
    if (!isCaseBlindElsewhere(mountType(folder)))
        return false;
    if (!readSpellings(folder))
        return true;
    const QString key = newName.text.toCaseFolded();
    return m_foldedNames.value(key) > (oldName.text.toCaseFolded() == key ? 1 : 0);
}

const QByteArray &NoReplaceRename::mountType(int folder)
{
    if (!m_mountType)
        m_mountType = m_calls.mountType(folder);
    return *m_mountType;
}

bool NoReplaceRename::isSpelled(int folder, const QByteArray &name)
{
    return !readSpellings(folder) || m_spellings->contains(name);
}

// The folder is read once, so a run of case changes takes time in proportion to the folder,
// not to its square. Should another program add a spelling meanwhile, the new name is found
// taken at the second step and the file is put back: nothing is replaced.
bool NoReplaceRename::readSpellings(int folder)
{
    if (m_spellings)
        return true;
    QSet<QByteArray> names;
    if (m_calls.readNames(folder, &names) != 0)
        return false;
    if (isCaseBlindElsewhere(mountType(folder))) {
        for (const QByteArray &name : std::as_const(names))
            ++m_foldedNames[DiskName::textOf(name).toCaseFolded()];
    }
    m_spellings = std::move(names);
    return true;
}

void NoReplaceRename::noteRenamed(const QByteArray &from, const QByteArray &to)
{
    if (!m_spellings)
        return;
    m_spellings->remove(from);
    m_spellings->insert(to);
    if (!m_foldedNames.isEmpty()) { // counted on disks that refuse case twins
        --m_foldedNames[DiskName::textOf(from).toCaseFolded()];
        ++m_foldedNames[DiskName::textOf(to).toCaseFolded()];
    }
}

bool NoReplaceRename::isFile(int folder, const QByteArray &name, const FileIdentity &file)
{
    FileIdentity found;
    return m_calls.identify(folder, name.constData(), &found) == 0 && found == file;
}
