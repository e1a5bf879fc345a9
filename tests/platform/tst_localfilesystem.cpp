#include "LocalFileSystem.h"
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
    void listsInAlphabeticalOrderWithoutRegardToCase();
    void listsWithoutRegardToCaseInCLocale();
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

    QCOMPARE(m_fileSystem.listFiles(folder.path(), QStringLiteral("*.jpg")).names,
             (QStringList{"a.JPG", "b.jpg", "link.jpg"}));
    QCOMPARE(m_fileSystem.listFiles(folder.path(), QStringLiteral("*.*")).names,
             (QStringList{"a.JPG", "b.jpg", "c.txt", "link.jpg", "README"}));
}

void TestLocalFileSystem::listsInAlphabeticalOrderWithoutRegardToCase()
{
    TemporaryFolder folder;
    folder.createAll({"Zoltán.txt", "adam.txt", "Ádám.txt", "Adam.txt", "béla.txt", "Bea.txt"});

    QCOMPARE(m_fileSystem.listFiles(folder.path(), QStringLiteral("*.*")).names,
             (QStringList{"Adam.txt", "adam.txt", "Ádám.txt", "Bea.txt", "béla.txt", "Zoltán.txt"}));
}

void TestLocalFileSystem::listsWithoutRegardToCaseInCLocale()
{
    TemporaryFolder folder;
    folder.createAll({"b.txt", "C.txt", "a.txt"});
    QLocale::setDefault(QLocale::c());

    const QStringList names = m_fileSystem.listFiles(folder.path(), QStringLiteral("*.*")).names;

    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    QCOMPARE(names, (QStringList{"a.txt", "b.txt", "C.txt"}));
}

void TestLocalFileSystem::listingOfMissingFolderFails()
{
    const FolderListing listing = m_fileSystem.listFiles(QStringLiteral("/nonexistent/folder"), QStringLiteral("*.*"));
    QVERIFY(listing.names.isEmpty());
    QCOMPARE(listing.error, FileError(FileCondition::PathNotFound));
    QCOMPARE(m_fileSystem.openFolder(QStringLiteral("/nonexistent/folder"))->rename(QStringLiteral("a"), QStringLiteral("b")),
             FileError(FileCondition::PathNotFound));
    QVERIFY(!m_fileSystem.openFolder(QStringLiteral("relative")));
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
    const std::unique_ptr<RenameFolder> opened = m_fileSystem.openFolder(folder.path());
    QVERIFY(opened);

    QTEST(opened->rename(oldName, newName), "result");
    QTEST(folder.entries(), "after");
    QCOMPARE(folder.content("B.TXT"), QByteArray("b"));
}

void TestLocalFileSystem::removedFolderIsNoticed()
{
    auto folder = std::make_unique<TemporaryFolder>();
    const QString path = folder->path();
    const std::unique_ptr<RenameFolder> opened = m_fileSystem.openFolder(path);
    QVERIFY(opened && !opened->isRemoved());
    folder.reset();

    QVERIFY(opened->isRemoved());
    QCOMPARE(opened->setArchiveOnly(QStringLiteral("a.txt")), FileError(FileCondition::PathNotFound));
}

QTEST_GUILESS_MAIN(TestLocalFileSystem)
#include "tst_localfilesystem.moc"
