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

    // A file whose name is given as the bytes the folder holds, UTF-8 or not.
    void create(const QByteArray &name, const QByteArray &content = "x") const;
    // Files that each hold their own name.
    void createAll(const QStringList &names) const;
    QByteArray content(const QString &name) const;

    // The shown text of every entry, hidden ones and legacy names too, in plain text order.
    QStringList entries() const;
    // The name of every file, as the folder holds it, by its content.
    QMap<QByteArray, QByteArray> namesByContent() const;

private:
    QTemporaryDir m_dir;
};
