#include "support/TemporaryFolder.h"

#include <QFile>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace {

std::string nativePath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

// Qt finds entries by their decoded text and so leaves names that are not UTF-8 behind.
TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(nativePath(path()), ignored);
}

void TemporaryFolder::create(const QByteArray &name, const QByteArray &content) const
{
    std::ofstream file(nativePath(path()) + '/' + name.toStdString(), std::ios::binary);
    file << content.toStdString();
    QVERIFY2(file.good(), name.toHex().constData());
}

void TemporaryFolder::createAll(const QStringList &names) const
{
    for (const QString &name : names)
        create(name.toUtf8(), name.toUtf8());
}

QByteArray TemporaryFolder::content(const QString &name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TemporaryFolder::entries() const
{
    QStringList names;
    std::error_code ignored;
    for (const auto &entry : std::filesystem::directory_iterator(nativePath(path()), ignored))
        names.append(DiskName::textOf(QByteArray::fromStdString(entry.path().filename().string())));
    names.sort();
    return names;
}

QMap<QByteArray, QByteArray> TemporaryFolder::namesByContent() const
{
    QMap<QByteArray, QByteArray> names;
    std::error_code ignored;
    for (const auto &entry : std::filesystem::directory_iterator(nativePath(path()), ignored)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        names.insert(QByteArray::fromStdString(content), QByteArray::fromStdString(entry.path().filename().string()));
    }
    return names;
}
