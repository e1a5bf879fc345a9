#include "NoReplaceRename_posix.h"

#include "ErrnoCondition_posix.h"

#include <cerrno>
#include <unistd.h>

namespace {

bool leavesFolder(const QString &name)
{
    return name.isEmpty() || name == u"." || name == u".." || name.contains(u'/')
        || name.contains(QChar(u'\0'));
}

bool flagUnsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// A leading dot hides a file on this system: a visible file never gets such a name, or it
// would vanish from the file list and from the user's file manager.
bool hidesFile(const QString &oldName, const QString &newName)
{
    return newName.startsWith(u'.') && !oldName.startsWith(u'.');
}

constexpr int maxTemporaryTries = 100;

} // namespace

NoReplaceRename::NoReplaceRename(SystemCalls &calls)
    : m_calls(calls)
{
}

// A name from an old disk whose new text is the text it shows still goes through: it is then
// written in UTF-8.
FileError NoReplaceRename::rename(int folder, const DiskName &oldName, const QString &newName)
{
    const QByteArray &from = oldName.bytes;
    const QByteArray to = newName.toUtf8();
    if (from == to)
        return {};
    if (leavesFolder(newName) || leavesFolder(oldName.text) || hidesFile(oldName.text, newName))
        return FileCondition::InvalidFileName;

    const int error = m_calls.renameNoReplace(folder, from.constData(), to.constData());
    if (error == 0)
        return {};
    if (error == EEXIST || error == ENOTEMPTY) {
        if (oldName.text.compare(newName, Qt::CaseInsensitive) == 0 && sameFile(folder, from, to))
            return renameCaseOnly(folder, from, to);
        return FileCondition::NameTaken;
    }
    if (flagUnsupported(error))
        return renameWithoutFlag(folder, from, to);
    return conditionOfErrno(error);
}

// Both names reach one file that differs in letter case only: the file system ignores case.
// Going through a fresh name makes the kernel write the new spelling; should the second step
// fail, the first is undone. Two hard links that differ in case land here too, and there the
// second step is refused as a taken name.
FileError NoReplaceRename::renameCaseOnly(int folder, const QByteArray &from, const QByteArray &to)
{
    for (int attempt = 0; attempt < maxTemporaryTries; ++attempt) {
        const QByteArray temporary = nextTemporaryName();
        const int parked = m_calls.renameNoReplace(folder, from.constData(), temporary.constData());
        if (parked == EEXIST)
            continue;
        if (parked != 0)
            return conditionOfErrno(parked);
        const int finished = m_calls.renameNoReplace(folder, temporary.constData(), to.constData());
        if (finished == 0)
            return {};
        m_calls.renameNoReplace(folder, temporary.constData(), from.constData());
        return conditionOfErrno(finished);
    }
    return FileCondition::Other;
}

// File systems without the no-replace flag: make sure the target is absent, then rename.
FileError NoReplaceRename::renameWithoutFlag(int folder, const QByteArray &from, const QByteArray &to)
{
    FileIdentity target;
    const int lookup = m_calls.identify(folder, to.constData(), &target);
    if (lookup == 0)
        return FileCondition::NameTaken;
    if (lookup != ENOENT)
        return conditionOfErrno(lookup);
    const int error = m_calls.renamePlain(folder, from.constData(), to.constData());
    return error == 0 ? FileError() : conditionOfErrno(error);
}

bool NoReplaceRename::sameFile(int folder, const QByteArray &a, const QByteArray &b)
{
    FileIdentity first;
    FileIdentity second;
    return m_calls.identify(folder, a.constData(), &first) == 0
        && m_calls.identify(folder, b.constData(), &second) == 0 && first == second;
}

QByteArray NoReplaceRename::nextTemporaryName()
{
    return ".atnevezes-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(++m_temporaryCount);
}
