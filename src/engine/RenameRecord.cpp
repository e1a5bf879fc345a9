#include "engine/RenameRecord.h"

void RenameRecord::add(const QByteArray &before, const QByteArray &after, const FileIdentity &file)
{
    for (const QByteArray &name : {before, after}) {
        m_names.append(name);
        m_ends.push_back(m_names.size());
    }
    m_files.push_back(file);
}

void RenameRecord::removeLast()
{
    m_files.pop_back();
    m_ends.resize(m_ends.size() - 2);
    m_names.truncate(m_ends.empty() ? 0 : m_ends.back());
}

void RenameRecord::clear()
{
    m_names = {};
    m_ends = {};
    m_files = {};
}

QByteArray RenameRecord::name(int place) const
{
    const qsizetype start = place == 0 ? 0 : m_ends[size_t(place) - 1];
    return m_names.sliced(start, m_ends[size_t(place)] - start);
}
