#pragma once

#include "platform/DiskName.h"

#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

// A real folder for a test, removed with everything in it afterwards, names that are not
// UTF-8 included.
class TemporaryFolder {
public:
    // Qt finds entries by their decoded text and so would leave names that are not UTF-8 behind.
    ~TemporaryFolder() { std::filesystem::remove_all(nativePath(), m_ignored); }

    QString path() const { return m_dir.path(); }
    DiskName diskPath() const { return DiskName::fromText(path()); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // A file whose name is given as the bytes the folder holds, UTF-8 or not.
    void create(const QByteArray &name, const QByteArray &content = "x") const
    {
        std::ofstream file(nativePath() + '/' + name.toStdString(), std::ios::binary);
        file << content.toStdString();
        QVERIFY2(file.good(), name.toHex().constData());
    }
    // A symbolic link to `target`, which need not exist.
    void link(const QByteArray &name, const QByteArray &target) const
    {
        std::filesystem::create_symlink(target.toStdString(), nativePath() + '/' + name.toStdString(), m_ignored);
        QVERIFY2(!m_ignored, name.constData());
    }
    // Files that each hold their own name.
    void createAll(const QStringList &names) const
    {
        for (const QString &name : names)
            create(name.toUtf8(), name.toUtf8());
    }

    // The shown text of every entry, hidden ones and legacy names too, in plain text order.
    QStringList entries() const
    {
        QStringList names;
        for (const auto &entry : std::filesystem::directory_iterator(nativePath(), m_ignored))
            names.append(DiskName::textOf(QByteArray::fromStdString(entry.path().filename().string())));
        names.sort();
        return names;
    }
    // The name of every file, as the folder holds it, by its content; links and folders left out.
    QMap<QByteArray, QByteArray> namesByContent() const
    {
        QMap<QByteArray, QByteArray> names;
        for (const auto &entry : std::filesystem::directory_iterator(nativePath(), m_ignored)) {
            if (entry.is_symlink() || !entry.is_regular_file())
                continue;
            std::ifstream file(entry.path(), std::ios::binary);
            const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            names.insert(QByteArray::fromStdString(content), QByteArray::fromStdString(entry.path().filename().string()));
        }
        return names;
    }

private:
    std::string nativePath() const { return QFile::encodeName(path()).toStdString(); }

    QTemporaryDir m_dir;
    mutable std::error_code m_ignored; // a folder already gone reads as empty
};
