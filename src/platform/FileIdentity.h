#pragma once

#include <QtGlobal>

// Which file or folder a name leads to: its device and its number there (the inode). Two names
// lead to the same file exactly when their identities are equal. An empty identity is that of
// nothing: a name that could not be looked up, or a folder that could not be opened.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;

    bool isEmpty() const { return device == 0 && inode == 0; }
    bool operator==(const FileIdentity &) const = default;
};
