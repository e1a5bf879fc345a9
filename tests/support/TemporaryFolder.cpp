#include "support/TemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <filesystem>
#include <fstream>

// Qt finds entries by their decoded text and so leaves names that are not UTF-8 behind.
TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(path()).toStdString(), ignored);
}

void TemporaryFolder::create(const QString &name, const QByteArray &content) const
{
    QFile file(filePath(name));
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(name));
    file.write(content);
}

void TemporaryFolder::createOnDisk(const QByteArray &name, const QByteArray &content) const
{
    std::ofstream file((QFile::encodeName(path()) + '/' + name).constData(), std::ios::binary);
    file << content.toStdString();
    QVERIFY2(file.good(), name.toHex().constData());
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

QMap<QByteArray, QByteArray> TemporaryFolder::namesByContent() const
{
    QMap<QByteArray, QByteArray> names;
    std::error_code ignored;
    for (const auto &entry : std::filesystem::directory_iterator(QFile::encodeName(path()).toStdString(), ignored)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        names.insert(QByteArray::fromStdString(content), QByteArray::fromStdString(entry.path().filename().string()));
    }
    return names;
}

QStringList TemporaryFolder::shownNames() const
{
    QStringList names;
    for (const QByteArray &name : namesByContent())
        names.append(DiskName::textOf(name));
    names.sort();
    return names;
}
