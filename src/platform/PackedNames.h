#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <deque>

// Names held one after another in one buffer, each known by where it ends, so that a million
// names cost little more than their bytes. The buffer holds at most 4 GiB; the ends are kept in
// blocks, so that a growing list never holds its ends twice while it moves them.
class PackedNames {
public:
    qsizetype size() const { return qsizetype(m_ends.size()); }
    bool isEmpty() const { return m_ends.empty(); }
    void append(QByteArrayView name)
    {
        m_bytes.append(name);
        m_ends.push_back(quint32(m_bytes.size()));
    }
    void removeLast()
    {
        m_ends.pop_back();
        m_bytes.truncate(isEmpty() ? 0 : m_ends.back());
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
    std::deque<quint32> m_ends;
};
