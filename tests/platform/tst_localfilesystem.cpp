#include "LocalFileSystem.h"
#include "ShownNames.h"
#include "TemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(FileError)

class TestLocalFileSystem : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listsOnlyVisibleRegularFiles();
    void listsByShownTextInOrder_data();
    void listsByShownTextInOrder();
    void listingOfMissingFolderFails();
    void renameOutcomes_data();
    void renameOutcomes();
    void removedFolderIsNoticed();

private:
    LocalFileSystem m_fileSystem;
};

void TestLocalFileSystem::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
}

void TestLocalFileSystem::listsOnlyVisibleRegularFiles()
{
    TemporaryFolder folder;
    folder.createAll({"a.JPG", "b.jpg", "c.txt", ".hidden.jpg", "README"});
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub.jpg")));
    QVERIFY(QFile::link(folder.filePath("a.JPG"), folder.filePath("link.jpg")));
    QVERIFY(QFile::link(folder.filePath("sub.jpg"), folder.filePath("dirlink.jpg")));
    QVERIFY(QFile::link(folder.filePath("nowhere"), folder.filePath("broken.jpg")));

    QCOMPARE(shownNames(m_fileSystem.listFiles(folder.diskPath(), QStringLiteral("*.jpg")).names),
             (QStringList{"a.JPG", "b.jpg", "link.jpg"}));
    QCOMPARE(shownNames(m_fileSystem.listFiles(folder.diskPath(), QStringLiteral("*.*")).names),
             (QStringList{"a.JPG", "b.jpg", "c.txt", "link.jpg", "README"}));
}

void TestLocalFileSystem::listsByShownTextInOrder_data()
{
    QTest::addColumn<QByteArrayList>("files");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("cLocale");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("Hungarian order")
        << QByteArrayList{"Zoltán.txt", "adam.txt", "Ádám.txt", "Adam.txt", "béla.txt", "Bea.txt"} << "*.*" << false
        << QStringList{"Adam.txt", "adam.txt", "Ádám.txt", "Bea.txt", "béla.txt", "Zoltán.txt"};
    QTest::newRow("C locale") << QByteArrayList{"b.txt", "C.txt", "a.txt"} << "*.*" << true
                              << QStringList{"a.txt", "b.txt", "C.txt"};
    // Windows-1250 names among UTF-8 ones; the last is UTF-8 that spells the replacement character.
    const QByteArrayList mixed = {"Zolt\xE1n.txt", "\xC1rv\xEDz.txt", "Adam.txt", "b\xE9la.JPG", "\xEF\xBF\xBDrv.txt"};
    QTest::newRow("Windows-1250") << mixed << "*.*" << false
                                  << QStringList{"Adam.txt", "Árvíz.txt", "béla.JPG", "Zoltán.txt", "\uFFFDrv.txt"};
    QTest::newRow("pattern on the text") << mixed << "á*.TXT;*.jpg" << false
                                         << QStringList{"Árvíz.txt", "béla.JPG"};
}

void TestLocalFileSystem::listsByShownTextInOrder()
{
    QFETCH(QByteArrayList, files);
    QFETCH(QString, pattern);
    QFETCH(bool, cLocale);
    TemporaryFolder folder;
    for (const QByteArray &name : files)
        folder.createOnDisk(name, name);
    if (cLocale)
        QLocale::setDefault(QLocale::c());

    const QByteArrayList listed = m_fileSystem.listFiles(folder.diskPath(), pattern).names;

    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    QTEST(shownNames(listed), "names");
    for (const QByteArray &name : listed)
        QVERIFY(files.contains(name));
}

void TestLocalFileSystem::listingOfMissingFolderFails()
{
    const DiskName missing = DiskName::fromText(QStringLiteral("/nonexistent/folder"));
    const FolderListing listing = m_fileSystem.listFiles(missing, QStringLiteral("*.*"));
    QVERIFY(listing.names.isEmpty());
    QCOMPARE(listing.error, FileError(FileCondition::PathNotFound));
    QCOMPARE(m_fileSystem.openFolder(missing)->rename(DiskName::fromText(QStringLiteral("a")), QStringLiteral("b")),
             FileError(FileCondition::PathNotFound));
    QVERIFY(!m_fileSystem.openFolder(DiskName::fromText(QStringLiteral("relative"))));
}

void TestLocalFileSystem::renameOutcomes_data()
{
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<FileError>("result");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("plain") << "a.txt" << "c.txt" << FileError() << QStringList{"B.TXT", "c.txt"};
    QTest::newRow("same name") << "a.txt" << "a.txt" << FileError() << QStringList{"B.TXT", "a.txt"};
    QTest::newRow("case only") << "a.txt" << "A.TXT" << FileError() << QStringList{"A.TXT", "B.TXT"};
    QTest::newRow("taken") << "a.txt" << "B.TXT" << FileError(FileCondition::NameTaken) << QStringList{"B.TXT", "a.txt"};
    QTest::newRow("gone") << "x.txt" << "y.txt" << FileError(FileCondition::PathNotFound) << QStringList{"B.TXT", "a.txt"};
    QTest::newRow("too long") << "a.txt" << QString(300, u'n') << FileError(FileCondition::InvalidFileName)
                              << QStringList{"B.TXT", "a.txt"};
}

void TestLocalFileSystem::renameOutcomes()
{
    QFETCH(QString, oldName);
    QFETCH(QString, newName);
    TemporaryFolder folder;
    folder.create(QStringLiteral("a.txt"), "a");
    folder.create(QStringLiteral("B.TXT"), "b");
    const std::unique_ptr<RenameFolder> opened = m_fileSystem.openFolder(folder.diskPath());
    QVERIFY(opened);

    QTEST(opened->rename(DiskName::fromText(oldName), newName), "result");
    QTEST(folder.entries(), "after");
    QCOMPARE(folder.content("B.TXT"), QByteArray("b"));
}

void TestLocalFileSystem::removedFolderIsNoticed()
{
    auto folder = std::make_unique<TemporaryFolder>();
    const std::unique_ptr<RenameFolder> opened = m_fileSystem.openFolder(folder->diskPath());
    QVERIFY(opened && !opened->isRemoved());
    folder.reset();

    QVERIFY(opened->isRemoved());
    QCOMPARE(opened->setArchiveOnly(DiskName::fromBytes("a.txt")), FileError(FileCondition::PathNotFound));
}

QTEST_GUILESS_MAIN(TestLocalFileSystem)
#include "tst_localfilesystem.moc"
