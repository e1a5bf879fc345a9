#include "TemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

QString TemporaryFolder::filePath(const QString &name) const
{
    return m_dir.filePath(name);
}

void TemporaryFolder::create(const QString &name, const QByteArray &content) const
{
    QFile file(filePath(name));
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(name));
    file.write(content);
}

void TemporaryFolder::createAll(const QStringList &names) const
{
    for (const QString &name : names)
        create(name, name.toUtf8());
}

QByteArray TemporaryFolder::content(const QString &name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TemporaryFolder::entries() const
{
    QStringList names = QDir(path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}
