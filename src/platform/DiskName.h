#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// A file or folder name, or an absolute path, as the file system holds it (bytes), beside the
// text the program shows for it. Files are always found by their bytes, never by the text: a
// name copied from an old disk need not be UTF-8, and its text need not lead back to it.
struct DiskName {
    QByteArray bytes;
    QString text;

    // The text shown for a name or path that the file system holds: UTF-8 where it is valid,
    // each other part decoded as Windows-1250, the old Central European encoding.
    static QString textOf(QByteArrayView bytes);
    static DiskName fromBytes(QByteArray bytes);
    // A name or path that exists as text only, such as a new name: written in UTF-8.
    static DiskName fromText(const QString &text);

    static DiskName root();
    bool isRoot() const;
    // The folder that holds this one; the root is its own parent.
    DiskName parent() const;
    DiskName child(const DiskName &name) const;
    // The names of the folders from the root down to this one, the root left out.
    QList<DiskName> components() const;

    bool operator==(const DiskName &) const = default;
};
