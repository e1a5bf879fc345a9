#pragma once

#include "platform/FileIdentity.h"
#include "platform/PackedNames.h"

#include <deque>

// The renames of one run, first made first: each file's name before and after, as the folder
// holds them, and which file got the new name. All names share one buffer, so a record of a few
// hundred thousand renames stays a few megabytes.
class RenameRecord {
public:
    void add(const QByteArray &before, const QByteArray &after, const FileIdentity &file);
    // Forgets the last rename, once it has been taken back.
    void removeLast();
    void clear();

    bool isEmpty() const { return m_files.empty(); }
    int size() const { return int(m_files.size()); }
    QByteArray before(int step) const { return m_names.at(2 * step).toByteArray(); }
    QByteArray after(int step) const { return m_names.at(2 * step + 1).toByteArray(); }
    const FileIdentity &file(int step) const { return m_files[size_t(step)]; }

private:
    PackedNames m_names; // before and after of each step
    std::deque<FileIdentity> m_files; // in blocks, as the names' ends
};
