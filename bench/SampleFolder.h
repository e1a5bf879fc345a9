#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

#include <optional>
#include <vector>

// A fresh temporary folder of empty picture files: most named like "IMG_00001.JPE", every fourth
// with an accented Hungarian name like "Kép_00002.jpe", and some already ending in ".JPG". It can
// be brought back to these names after any run. The folder and everything in it are removed
// with the object.
class SampleFolder {
public:
    explicit SampleFolder(int fileCount);

    QString path() const;
    int fileCount() const;

    // Gives every file its sample name again, so that every run starts from the same names, and
    // writes the folder's pending changes to disk, so that no run pays for an earlier one.
    void reset();

    // Writes the folder's pending changes to disk, so that no timed call pays for earlier ones.
    void flushToDisk() const;

    // A fingerprint of the folder's names: equal fingerprints mean equal names.
    QByteArray namesDigest() const;

    // The name of the file with the given running number, counted from 1.
    static QString sampleName(int number);

private:
    struct Entry {
        QByteArray name;
        ino_t inode;
    };

    // A file keeps its inode through every rename, so the inode tells its running number.
    struct NumberedInode {
        ino_t inode;
        int number;
    };

    int openFolder() const;
    std::vector<Entry> readEntries() const;
    bool restoreNames() const;
    bool restoreName(int folder, const Entry &entry) const;
    std::optional<int> numberOfInode(ino_t inode) const;
    void removeAll() const;
    void createAll();

    QTemporaryDir m_dir;
    int m_fileCount;
    std::vector<NumberedInode> m_numbers; // sorted by inode
};
