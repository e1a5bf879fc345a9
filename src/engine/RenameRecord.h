#pragma once

#include "platform/FileIdentity.h"

#include <QByteArray>

#include <vector>

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
    QByteArray before(int step) const { return name(2 * step); }
    QByteArray after(int step) const { return name(2 * step + 1); }
    const FileIdentity &file(int step) const { return m_files[size_t(step)]; }

private:
    QByteArray name(int place) const;

    QByteArray m_names;
    std::vector<qsizetype> m_ends; // where each name ends in m_names
    std::vector<FileIdentity> m_files;
};
