#include "engine/RenameRecord.h"

void RenameRecord::add(const QByteArray &before, const QByteArray &after)
{
    for (const QByteArray &name : {before, after}) {
        m_names.append(name);
        m_ends.push_back(m_names.size());
    }
}

void RenameRecord::clear()
{
    m_names = {};
    m_ends = {};
}

QByteArray RenameRecord::name(int place) const
{
    const qsizetype start = place == 0 ? 0 : m_ends[size_t(place) - 1];
    return m_names.sliced(start, m_ends[size_t(place)] - start);
}
