#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

// Names held one after another in one buffer, each known by where it ends, so that a million
// names cost little more than their bytes.
class PackedNames {
public:
    qsizetype size() const { return qsizetype(m_ends.size()); }
    void append(QByteArrayView name)
    {
        m_bytes.append(name);
        m_ends.push_back(m_bytes.size());
    }
    QByteArrayView at(qsizetype index) const
    {
        const qsizetype start = startOf(index);
        return QByteArrayView(m_bytes).sliced(start, m_ends[size_t(index)] - start);
    }
    qsizetype startOf(qsizetype index) const { return index == 0 ? 0 : m_ends[size_t(index) - 1]; }
    // The buffer that holds every name.
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    std::vector<qsizetype> m_ends;
};
