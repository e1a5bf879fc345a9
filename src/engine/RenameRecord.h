#pragma once

#include "platform/FileIdentity.h"
#include "platform/PackedNames.h"

#include <QList>

#include <deque>

// The renames of one run, first made first: each file's name before and after, as the folder
// holds them, and which file got the new name. A file that the run renames again is noted by
// the step that renamed it before, so its old name is that step's new one and its identity is
// held once. The names share one buffer, so a record of a million renames stays within a few
// dozen megabytes.
class RenameRecord {
public:
    // A file's first rename in the run; `file` is the file as it was found just before.
    void add(QByteArrayView before, QByteArrayView after, const FileIdentity &file);
    // Another rename of the file that step `earlier` renamed, from the name that step gave it.
    void addAfter(int earlier, QByteArrayView after);
    // Forgets the last rename, once it has been taken back.
    void removeLast();
    void clear();

    bool isEmpty() const { return m_links.isEmpty(); }
    int size() const { return int(m_links.size()); }
    QByteArrayView before(int step) const;
    QByteArrayView after(int step) const { return m_after.at(step); }
    const FileIdentity &file(int step) const;

private:
    // For each step, the earlier step of the same file; for a file's first step, -1 less its
    // place among the first steps.
    QList<qint32> m_links;
    PackedNames m_after;        // each step's new name
    PackedNames m_firstBefore;  // the old name of each first step
    std::deque<FileIdentity> m_files; // of each first step, in blocks, as the names grow
};
