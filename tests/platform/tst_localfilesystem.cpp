#include "platform/LocalFileSystem.h"
#include "support/ShownNames.h"
#include "support/TemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>

#include <unistd.h>

Q_DECLARE_METATYPE(FileError)

class TestLocalFileSystem : public QObject {
    Q_OBJECT

private slots:
    void listsByShownTextInOrder_data();
    void listsByShownTextInOrder();
    void renameOutcomes_data();
    void renameOutcomes();
    void removedFolderIsNoticed();

private:
    LocalFileSystem m_fileSystem;
};

// Windows-1250 names are read among UTF-8 ones; the last is UTF-8 that spells the replacement character.
void TestLocalFileSystem::listsByShownTextInOrder_data()
{
    QTest::addColumn<QByteArrayList>("files");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("names");

    const QByteArrayList mixed = {"Zolt\xE1n.txt", "\xC1rv\xEDz.txt", "Adam.txt", "b\xE9la.JPG", "\xEF\xBF\xBDrv.txt"};
    QTest::newRow("Hungarian order")
        << QByteArrayList{"Zoltán.txt", "adam.txt", "Ádám.txt", "Adam.txt", "béla.txt", "B", "Bea.txt"} << "*.*" << "hu_HU"
        << QStringList{"Adam.txt", "adam.txt", "Ádám.txt", "B", "Bea.txt", "béla.txt", "link.jpg", "Zoltán.txt"};
    QTest::newRow("Windows-1250") << mixed << "*.*" << "hu_HU"
                                  << QStringList{"Adam.txt", "Árvíz.txt", "béla.JPG", "link.jpg", "Zoltán.txt", "\uFFFDrv.txt"};
    QTest::newRow("pattern on the text, C locale") << mixed << "á*.TXT;*.jpg" << "C"
                                                   << QStringList{"Árvíz.txt", "béla.JPG", "link.jpg"};
}

// Only visible regular files are listed, links to them included, each by the bytes the folder holds.
void TestLocalFileSystem::listsByShownTextInOrder()
{
    QFETCH(QByteArrayList, files);
    QFETCH(QString, pattern);
    QFETCH(QString, locale);
    TemporaryFolder folder;
    for (const QByteArray &name : files)
        folder.createOnDisk(name, name);
    folder.create(QStringLiteral(".hidden.jpg"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub.jpg")));
    QVERIFY(QFile::link(folder.filePath("sub.jpg"), folder.filePath("dirlink.jpg")));
    QVERIFY(QFile::link(folder.filePath("nowhere"), folder.filePath("broken.jpg")));
    QVERIFY(QFile::link(folder.filePath(".hidden.jpg"), folder.filePath("link.jpg")));
    QLocale::setDefault(QLocale(locale));

    const QByteArrayList listed = m_fileSystem.listFiles(folder.diskPath(), pattern).names;

    QTEST(shownNames(listed), "names");
    for (const QByteArray &name : listed)
        QVERIFY(files.contains(name) || name == "link.jpg");
}

// The folder holds a.txt, and B.TXT under a second name b.txt, a hard link.
void TestLocalFileSystem::renameOutcomes_data()
{
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<FileError>("result");
    QTest::addColumn<QStringList>("after");

    const FileError taken = FileCondition::NameTaken;
    const QStringList unchanged = {"B.TXT", "a.txt", "b.txt"};
    QTest::newRow("case only") << "a.txt" << "A.TXT" << FileError() << QStringList{"A.TXT", "B.TXT", "b.txt"};
    QTest::newRow("taken") << "a.txt" << "B.TXT" << taken << unchanged;
    QTest::newRow("other name of the same file") << "b.txt" << "B.TXT" << taken << unchanged;
    QTest::newRow("gone") << "x.txt" << "y.txt" << FileError(FileCondition::PathNotFound) << unchanged;
}

void TestLocalFileSystem::renameOutcomes()
{
    QFETCH(QString, oldName);
    QFETCH(QString, newName);
    TemporaryFolder folder;
    folder.create(QStringLiteral("a.txt"), "a");
    folder.create(QStringLiteral("B.TXT"), "b");
    QCOMPARE(::link(QFile::encodeName(folder.filePath("B.TXT")).constData(),
                    QFile::encodeName(folder.filePath("b.txt")).constData()), 0);
    const std::unique_ptr<RenameFolder> opened = m_fileSystem.openFolder(folder.diskPath());

    QTEST(opened->rename(DiskName::fromText(oldName), DiskName::fromText(newName)), "result");
    QTEST(folder.entries(), "after");
    QCOMPARE(folder.content("B.TXT"), QByteArray("b"));
}

// A folder removed while open is noticed; a missing one lists nothing and refuses every step.
void TestLocalFileSystem::removedFolderIsNoticed()
{
    auto folder = std::make_unique<TemporaryFolder>();
    const DiskName path = folder->diskPath();
    const std::unique_ptr<RenameFolder> opened = m_fileSystem.openFolder(path);
    QVERIFY(opened && !opened->isRemoved());
    folder.reset();

    QVERIFY(opened->isRemoved());
    QCOMPARE(opened->setArchiveOnly(DiskName::fromBytes("a.txt")), FileError(FileCondition::PathNotFound));
    QCOMPARE(m_fileSystem.listFiles(path, QStringLiteral("*.*")).error, FileError(FileCondition::PathNotFound));
    QCOMPARE(m_fileSystem.openFolder(path)->rename(DiskName::fromBytes("a"), DiskName::fromBytes("b")),
             FileError(FileCondition::PathNotFound));
    QVERIFY(!m_fileSystem.openFolder(DiskName::fromText(QStringLiteral("relative"))));
}

QTEST_GUILESS_MAIN(TestLocalFileSystem)
#include "tst_localfilesystem.moc"
