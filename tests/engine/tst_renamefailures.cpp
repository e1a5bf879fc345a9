#include "engine/RenameCommand.h"
#include "platform/LocalFileSystem.h"
#include "support/FailingFileSystem.h"
#include "support/ScriptedWindow.h"
#include "support/TemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <unistd.h>

namespace {

const QString stopped = QStringLiteral("A futás leállt; a már átnevezett fájlok az új nevükön maradtak.");

QString refusal(const QString &oldName, const QString &newName, const QString &reason)
{
    return QStringLiteral("A(z) „%1” fájl nem nevezhető át erre: „%2”.\n%3\n%4").arg(oldName, newName, reason, stopped);
}

// The window after a run, failed or not: bar hidden at its minimum, controls back, list re-read.
void verifyRestored(const ScriptedWindow &window, int refreshes)
{
    QVERIFY(!window.isProgressVisible());
    QCOMPARE(window.progressValue(), 0);
    QVERIFY(window.isEnabled(LockableControl::Command2));
    QVERIFY(window.isEnabled(LockableControl::Command3));
    QVERIFY(window.isEnabled(LockableControl::Check1));
    QCOMPARE(window.log.count(QStringLiteral("refresh")), refreshes);
}

} // namespace

class TestRenameFailures : public QObject {
    Q_OBJECT

private slots:
    void takenNameKeepsBothFiles();
    void windows1250NameBesideItsTextIsTaken();
    void injectedFailureStopsAtThatFile();
    void hardLinksDifferingInCaseStay();
    void failureInLaterPassStopsTheRun();
    void refusedNames_data();
    void refusedNames();
    void removedFileStopsTheRun();
    void missingFolder_data();
    void missingFolder();

private:
    LocalFileSystem m_fileSystem;
};

void TestRenameFailures::takenNameKeepsBothFiles()
{
    TemporaryFolder folder;
    folder.create(QStringLiteral("a.txt"), "first");
    folder.create(QStringLiteral("b.txt"), "second");
    folder.create(QStringLiteral("001.txt"), "numbered already");
    ScriptedWindow window(m_fileSystem, folder.path(), QStringLiteral("*.jpg;a.txt;b.txt"));
    RenameCommand command(window, m_fileSystem);

    const std::optional<RenameFailure> failure = command.Command1_Click();

    QVERIFY(failure);
    QCOMPARE(failure->message(), refusal("b.txt", "001.txt", "Már létezik ilyen nevű fájl."));
    QCOMPARE(folder.entries(), (QStringList{"000.txt", "001.txt", "b.txt"}));
    QCOMPARE(folder.content("001.txt"), QByteArray("numbered already"));
    QCOMPARE(folder.content("b.txt"), QByteArray("second"));
    verifyRestored(window, 1);
}

// Both list as "árv.txt"; the UTF-8 one stays as it is, the other would take its name.
void TestRenameFailures::windows1250NameBesideItsTextIsTaken()
{
    TemporaryFolder folder;
    folder.createOnDisk("\xE1rv.txt", "1250");
    folder.createOnDisk("\xC3\xA1rv.txt", "utf-8");
    ScriptedWindow window(m_fileSystem, folder.path());
    window.checks[0] = 0;
    window.option = 0;
    RenameCommand command(window, m_fileSystem);

    const std::optional<RenameFailure> failure = command.Command1_Click();

    QVERIFY(failure);
    QCOMPARE(failure->message(), refusal("árv.txt", "árv.txt", "Már létezik ilyen nevű fájl."));
    QCOMPARE(window.names(), (QStringList{"árv.txt", "árv.txt"}));
    QCOMPARE(folder.content("árv.txt"), QByteArray("utf-8"));
}

void TestRenameFailures::injectedFailureStopsAtThatFile()
{
    TemporaryFolder folder;
    folder.createAll({"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"});
    FailingFileSystem failing(m_fileSystem, 3, FileCondition::AlreadyOpen);
    failing.parkedName = QStringLiteral(".atnevezes-7-1");
    ScriptedWindow window(failing, folder.path());
    RenameCommand command(window, failing);

    const std::optional<RenameFailure> failure = command.Command1_Click();

    QVERIFY(failure);
    QCOMPARE(failure->message(),
             refusal("c.txt", "002.txt", "A fájl már megnyitott.\nA fájl ideiglenes neve: „.atnevezes-7-1”."));
    QCOMPARE(folder.entries(), (QStringList{"000.txt", "001.txt", "c.txt", "d.txt", "e.txt"}));
    QCOMPARE(failing.renameCount(), 3);
    verifyRestored(window, 1);
    QVERIFY(window.isEnabled(LockableControl::Text1));
}

void TestRenameFailures::hardLinksDifferingInCaseStay()
{
    TemporaryFolder folder;
    folder.create(QStringLiteral("X.JPG"), "photo");
    QVERIFY(::link(QFile::encodeName(folder.filePath("X.JPG")).constData(),
                   QFile::encodeName(folder.filePath("x.jpg")).constData()) == 0);
    ScriptedWindow window(m_fileSystem, folder.path());
    window.checks[0] = 0;
    window.option = 0;
    RenameCommand command(window, m_fileSystem);

    const std::optional<RenameFailure> failure = command.Command1_Click();

    QVERIFY(failure);
    QCOMPARE(failure->message(), refusal("X.JPG", "x.jpg", "Már létezik ilyen nevű fájl."));
    QCOMPARE(folder.entries(), (QStringList{"X.JPG", "x.jpg"}));
}

void TestRenameFailures::failureInLaterPassStopsTheRun()
{
    TemporaryFolder folder;
    folder.create(QStringLiteral("b.jpe"), "jpe");
    folder.create(QStringLiteral("b.jpg"), "jpg");
    folder.create(QStringLiteral("Ék.txt"), "text");
    ScriptedWindow window(m_fileSystem, folder.path());
    window.checks = {0, 1, 1, 0};
    window.option = 0;
    window.check2Visible = true;
    RenameCommand command(window, m_fileSystem);

    const std::optional<RenameFailure> failure = command.Command1_Click();

    QVERIFY(failure);
    QCOMPARE(failure->message(), refusal("b.jpe", "b.jpg", "Már létezik ilyen nevű fájl."));
    QCOMPARE(folder.entries(), (QStringList{"b.jpe", "b.jpg", "ék.txt"}));
    QCOMPARE(folder.content("b.jpg"), QByteArray("jpg"));
    verifyRestored(window, 2);
}

void TestRenameFailures::refusedNames_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<bool>("selectFirst");
    QTest::addColumn<QString>("message");

    QTest::newRow("slash in typed text") << QStringList{"a.txt", "b.txt"} << "x/" << false
                                         << refusal("a.txt", "x/000.txt", "Érvénytelen fájlnév.");
    QTest::newRow("whole list: three characters") << QStringList{"abc", "b.txt"} << "" << false
                                                  << refusal("abc", "", "A név túl rövid.");
    QTest::newRow("selected: two characters") << QStringList{"ab", "b.txt"} << "" << true
                                              << refusal("ab", "", "A név túl rövid.");
}

void TestRenameFailures::refusedNames()
{
    QFETCH(QStringList, files);
    QFETCH(QString, newText);
    QFETCH(bool, selectFirst);
    TemporaryFolder folder;
    folder.createAll(files);
    ScriptedWindow window(m_fileSystem, folder.path());
    window.checks = {1, 0, 0, 1};
    window.newText = newText;
    if (selectFirst)
        window.select({0});
    RenameCommand command(window, m_fileSystem);

    const std::optional<RenameFailure> failure = command.Command1_Click();

    QVERIFY(failure);
    QTEST(failure->message(), "message");
    files.sort();
    QCOMPARE(folder.entries(), files);
}

void TestRenameFailures::removedFileStopsTheRun()
{
    TemporaryFolder folder;
    folder.createAll({"a.txt", "b.txt", "c.txt"});
    ScriptedWindow window(m_fileSystem, folder.path());
    QVERIFY(QFile::remove(folder.filePath("b.txt")));
    RenameCommand command(window, m_fileSystem);

    const std::optional<RenameFailure> failure = command.Command1_Click();

    QVERIFY(failure);
    QCOMPARE(failure->message(), refusal("b.txt", "001.txt", "Az útvonal nem létezik."));
    QCOMPARE(folder.entries(), (QStringList{"000.txt", "c.txt"}));
}

// No folder chosen yet is its own message; a folder removed before or during the run stops it at
// the file in hand, after the files already renamed.
void TestRenameFailures::missingFolder_data()
{
    QTest::addColumn<QString>("pathDisplay");
    QTest::addColumn<int>("removedAtRename"); // -1: before the run
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("after");

    const QString noFolder = QStringLiteral("Nincs megnyitott könyvtár. Válasszon egyet az „Új könyvtár” gombbal.");
    const QStringList untouched = {"a.txt", "b.txt"};
    QTest::newRow("start text") << "*elérési út*" << 0 << noFolder << untouched;
    QTest::newRow("relative path") << "." << 0 << noFolder << untouched;
    QTest::newRow("removed before") << "" << -1 << refusal("a.txt", "000.txt", "Az útvonal nem létezik.") << QStringList();
    QTest::newRow("removed during") << "" << 2 << refusal("b.txt", "001.txt", "Az útvonal nem létezik.") << QStringList();
}

void TestRenameFailures::missingFolder()
{
    QFETCH(QString, pathDisplay);
    QFETCH(int, removedAtRename);
    TemporaryFolder folder;
    folder.createAll({"a.txt", "b.txt"});
    FailingFileSystem failing(m_fileSystem, removedAtRename, FileCondition::Other);
    failing.beforeFailingRename = [&] { QDir(folder.path()).removeRecursively(); };
    ScriptedWindow window(failing, folder.path());
    if (!pathDisplay.isEmpty())
        window.pathDisplay = pathDisplay;
    if (removedAtRename < 0)
        failing.beforeFailingRename();
    RenameCommand command(window, failing);

    const std::optional<RenameFailure> failure = command.Command1_Click();

    QVERIFY(failure);
    QTEST(failure->message(), "message");
    QTEST(folder.entries(), "after");
    verifyRestored(window, 1);
}

QTEST_GUILESS_MAIN(TestRenameFailures)
#include "tst_renamefailures.moc"
