#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

// A real folder for a test, removed with everything in it afterwards.
class TemporaryFolder {
public:
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const;

    void create(const QString &name, const QByteArray &content = "x") const;
    void createAll(const QStringList &names) const;
    QByteArray content(const QString &name) const;

    // Every entry of the folder, hidden ones too, in plain text order.
    QStringList entries() const;

private:
    QTemporaryDir m_dir;
};
