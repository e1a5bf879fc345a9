#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Names held one after another in one buffer, each known by where it ends, so that a million
// names cost little more than their bytes. The buffer holds at most 4 GiB. A copy shares the
// buffer and the ends until one of the two changes, so a list handed to another thread costs
// nothing; both grow in place where the system allows, so a growing list never holds its
// names twice while it moves them.
class PackedNames {
public:
    qsizetype size() const { return m_ends.size(); }
    bool isEmpty() const { return m_ends.isEmpty(); }
    void append(QByteArrayView name)
    {
        m_bytes.append(name);
        m_ends.append(quint32(m_bytes.size()));
    }
    void removeLast()
    {
        m_ends.removeLast();
        m_bytes.truncate(isEmpty() ? 0 : m_ends.constLast());
    }
    QByteArrayView at(qsizetype index) const
    {
        const qsizetype start = startOf(index);
        return QByteArrayView(m_bytes).sliced(start, m_ends.at(index) - start);
    }
    qsizetype startOf(qsizetype index) const { return index == 0 ? 0 : m_ends.at(index - 1); }
    // The buffer that holds every name.
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    QList<quint32> m_ends;
};
