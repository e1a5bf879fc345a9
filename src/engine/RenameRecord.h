#pragma once

#include <QByteArray>

#include <vector>

// The renames of one run, first made first: each file's name before and after, as the folder
// holds them. All names share one buffer, so a record of a few hundred thousand renames stays
// a few megabytes.
class RenameRecord {
public:
    void add(const QByteArray &before, const QByteArray &after);
    void clear();

    bool isEmpty() const { return m_ends.empty(); }
    int size() const { return int(m_ends.size() / 2); }
    QByteArray before(int step) const { return name(2 * step); }
    QByteArray after(int step) const { return name(2 * step + 1); }

private:
    QByteArray name(int place) const;

    QByteArray m_names;
    std::vector<qsizetype> m_ends; // where each name ends in m_names
};
