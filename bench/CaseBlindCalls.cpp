#include "CaseBlindCalls.h"

#include <cerrno>

CaseBlindCalls::CaseBlindCalls(int folder)
{
    QSet<QByteArray> names;
    KernelCalls::readNames(folder, &names);
    for (const QByteArray &name : std::as_const(names))
        m_spellings.insert(name.toLower(), name);
}

int CaseBlindCalls::renameNoReplace(int, const char *, const char *)
{
    return EINVAL;
}

int CaseBlindCalls::link(int, const char *, const char *)
{
    return EPERM;
}

int CaseBlindCalls::renamePlain(int folder, const char *from, const char *to)
{
    const QByteArray spelled = m_spellings.value(QByteArray(from).toLower());
    if (spelled.isEmpty())
        return ENOENT;
    if (const int error = KernelCalls::renamePlain(folder, spelled.constData(), to))
        return error;
    m_spellings.remove(spelled.toLower());
    m_spellings.insert(QByteArray(to).toLower(), to);
    return 0;
}

int CaseBlindCalls::identify(int folder, const char *name, FileIdentity *identity)
{
    const QByteArray spelled = m_spellings.value(QByteArray(name).toLower());
    if (spelled.isEmpty())
        return ENOENT;
    const int error = KernelCalls::identify(folder, spelled.constData(), identity);
    if (spelled != name)
        identity->inode ^= qHash(QByteArray(name)) | 1;
    return error;
}
