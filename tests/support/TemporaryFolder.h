#pragma once

#include "platform/DiskName.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

// A real folder for a test, removed with everything in it afterwards, names that are not
// UTF-8 included.
class TemporaryFolder {
public:
    TemporaryFolder() = default;
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;
    ~TemporaryFolder();

    QString path() const { return m_dir.path(); }
    DiskName diskPath() const { return DiskName::fromText(path()); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    void create(const QString &name, const QByteArray &content = "x") const;
    void createAll(const QStringList &names) const
    {
        for (const QString &name : names)
            create(name, name.toUtf8());
    }
    // A file whose name is given as the bytes the folder holds, UTF-8 or not.
    void createOnDisk(const QByteArray &name, const QByteArray &content) const;
    QByteArray content(const QString &name) const;

    // Every entry of the folder, hidden ones too, in plain text order; bytes that are not UTF-8
    // show as U+FFFD.
    QStringList entries() const;
    // The shown text of every name, legacy ones included, in plain text order.
    QStringList shownNames() const;
    // The name of every file, as the folder holds it, by its content.
    QMap<QByteArray, QByteArray> namesByContent() const;

private:
    QTemporaryDir m_dir;
};
