#include "engine/RenameRecord.h"

namespace {

// A first step's link from its place among the first steps, and the place from the link.
qint32 firstLinkOrPlace(qint32 value)
{
    return -1 - value;
}

} // namespace

void RenameRecord::add(QByteArrayView before, QByteArrayView after, const FileIdentity &file)
{
    m_links.append(firstLinkOrPlace(qint32(m_firstBefore.size())));
    m_after.append(after);
    m_firstBefore.append(before);
    m_files.push_back(file);
}

void RenameRecord::addAfter(int earlier, QByteArrayView after)
{
    m_links.append(earlier);
    m_after.append(after);
}

void RenameRecord::removeLast()
{
    const qint32 link = m_links.takeLast();
    m_after.removeLast();
    if (link < 0) {
        m_firstBefore.removeLast();
        m_files.pop_back();
    }
}

void RenameRecord::clear()
{
    *this = {};
}

QByteArrayView RenameRecord::before(int step) const
{
    const qint32 link = m_links.at(step);
    return link >= 0 ? after(link) : m_firstBefore.at(firstLinkOrPlace(link));
}

// A file's steps lead back to its first one, which holds its identity.
const FileIdentity &RenameRecord::file(int step) const
{
    qint32 link = m_links.at(step);
    while (link >= 0)
        link = m_links.at(link);
    return m_files[size_t(firstLinkOrPlace(link))];
}
