#include "platform/LocalFileSystem.h"
#include "support/TemporaryFolder.h"

#include <QTest>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

Q_DECLARE_METATYPE(FileError)

namespace {

// The rename routine on the disk that holds the temporary folder: the host's own, or in the
// disk tests' virtual machine each file system under its kernel driver. DISK_TEST_CASE_BLIND=1
// says the disk finds names in any letter case, or is one that cameras read so.
const bool caseBlind = qgetenv("DISK_TEST_CASE_BLIND") == "1";

// "b=>a" is a hard link b to the file a, "b->a" a symbolic link; any other entry is a file that
// holds its own name. Answers whether the disk could hold the entry.
bool makeEntry(const TemporaryFolder &folder, const QByteArray &entry)
{
    const std::string path = QFile::encodeName(folder.path()).toStdString() + '/';
    std::error_code error;
    if (const qsizetype arrow = entry.indexOf("=>"); arrow > 0)
        std::filesystem::create_hard_link(path + entry.mid(arrow + 2).toStdString(), path + entry.first(arrow).toStdString(), error);
    else if (const qsizetype arrow = entry.indexOf("->"); arrow > 0)
        std::filesystem::create_symlink(entry.mid(arrow + 2).toStdString(), path + entry.first(arrow).toStdString(), error);
    else
        return bool(std::ofstream(path + entry.toStdString(), std::ios::binary) << entry.toStdString());
    return !error;
}

} // namespace

class TestDiskRename : public QObject {
    Q_OBJECT

private slots:
    // The first entry, read-only, takes the attribute step, which makes it writable, and gets the new
    // name; refused, it is read-only again. No file content may go missing, whatever the result.
    void rename_data()
    {
        QTest::addColumn<QByteArrayList>("entries");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<FileError>("result");
        QTest::addColumn<QStringList>("after");

        const FileError ok, taken = FileCondition::NameTaken;
        QTest::newRow("free name") << QByteArrayList{"a.jpg"} << "b.jpg" << ok << QStringList{"b.jpg"};
        QTest::newRow("taken name") << QByteArrayList{"a.jpg", "b.jpg"} << "b.jpg" << taken << QStringList{"a.jpg", "b.jpg"};
        QTest::newRow("case only") << QByteArrayList{"a.jpg"} << "A.JPG" << ok << QStringList{"A.JPG"};
        QTest::newRow("accented case change") << QByteArrayList{"árvíz.jpg"} << "ÁRVÍZ.JPG" << ok << QStringList{"ÁRVÍZ.JPG"};
        QTest::newRow("case twin of another file") << QByteArrayList{"a.jpg", "B.JPG"} << "b.jpg" << (caseBlind ? taken : ok)
                                                   << (caseBlind ? QStringList{"B.JPG", "a.jpg"} : QStringList{"B.JPG", "b.jpg"});
        QTest::newRow("legacy name") << QByteArrayList{"\xE1rv\xEDz.jpg"} << "árvíz.jpg" << ok << QStringList{"árvíz.jpg"};
        QTest::newRow("hard link of the file") << QByteArrayList{"a.jpg", "b.jpg=>a.jpg"} << "b.jpg" << taken
                                               << QStringList{"a.jpg", "b.jpg"};
        QTest::newRow("symbolic link to nowhere") << QByteArrayList{"a.jpg", "b.jpg->none"} << "b.jpg" << taken
                                                  << QStringList{"a.jpg", "b.jpg"};
    }
    void rename()
    {
        QFETCH(QByteArrayList, entries);
        QFETCH(QString, newName);
        TemporaryFolder folder;
        for (const QByteArray &entry : entries) {
            if (!makeEntry(folder, entry))
                QSKIP(qPrintable(QStringLiteral("This disk cannot hold %1").arg(DiskName::textOf(entry))));
        }
        const QList<QByteArray> contents = folder.namesByContent().keys();
        const QByteArray path = QFile::encodeName(folder.path()) + '/';
        struct stat status {}; // every write bit cleared, as vfat takes a read-only flag
        QVERIFY(::stat(path + entries.first(), &status) == 0 && ::chmod(path + entries.first(), status.st_mode & 07555) == 0);

        const std::unique_ptr<RenameFolder> opened = m_fileSystem.openFolder(folder.diskPath());
        FileIdentity file;
        QCOMPARE(opened->setArchiveOnly(DiskName::fromBytes(entries.first()), file), FileError());
        QFETCH(FileError, result);
        QCOMPARE(opened->rename(DiskName::fromBytes(entries.first()), DiskName::fromText(newName)), result);
        QCOMPARE(opened->makeDurable(), FileError());
        QTEST(folder.entries(), "after");
        QCOMPARE(folder.namesByContent().keys(), contents);
        QVERIFY(::stat(path + folder.namesByContent().value(entries.first()), &status) == 0);
        QCOMPARE(bool(status.st_mode & S_IWUSR), !result);
    }

    // The play meets the same taken names as the run.
    void playTellsCaseAsRun()
    {
        TemporaryFolder folder;
        folder.createAll({"a.jpg"});
        QCOMPARE(m_fileSystem.readContents(folder.diskPath()).ignoresCase, caseBlind);
    }

private:
    LocalFileSystem m_fileSystem;
};

QTEST_GUILESS_MAIN(TestDiskRename)
#include "tst_diskrename.moc"
