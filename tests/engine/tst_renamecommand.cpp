#include "LocalFileSystem.h"
#include "RenameCommand.h"
#include "ScriptedWindow.h"
#include "TemporaryFolder.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>

namespace {

const QStringList wholeListLocks = {
    "disable Command2", "disable Command3", "disable Text1", "disable Check1", "disable Check2",
    "disable Check3", "disable Option1(0)", "disable Option1(1)", "disable Option1(2)",
};

mode_t modeOf(const QString &path, bool followLink = true)
{
    struct stat status {};
    const QByteArray bytes = QFile::encodeName(path);
    followLink ? ::stat(bytes.constData(), &status) : ::lstat(bytes.constData(), &status);
    return status.st_mode & 07777;
}

} // namespace

class TestRenameCommand : public QObject {
    Q_OBJECT

private slots:
    void passesLeaveUtf8Name_data();
    void passesLeaveUtf8Name();
    void wholeListWindowOperationsInOrder();
    void unlockFollowsNumbering_data();
    void unlockFollowsNumbering();
    void selectedEntriesAreNumberedByPlace();
    void selectedRunRenamesUnselectedJpeToo();
    void renamedFilesDropOutOfFilteredList();
    void emptyListDoesNothing();
    void archiveAloneMakesOwnerWritable();
    void archiveAloneLeavesLinkTargetAlone();
    void numbersGoOnPast16Bits();

private:
    LocalFileSystem m_fileSystem;
};

// With the jpe and accent boxes ticked; a name from an old disk (Windows-1250) ends in UTF-8
// like any other, also when its new text is the text it shows.
void TestRenameCommand::passesLeaveUtf8Name_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("numbering");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("refreshes");

    QTest::newRow("case, jpe, accents") << QByteArray("K\xC3\xA9p.JPE") << 0 << 0 << "kep.jpg" << 3;
    QTest::newRow("numbered, no accent pass") << QByteArray("K\xC3\xA9p.JPE") << 1 << 2 << "000.jpg" << 2;
    QTest::newRow("1250: case, jpe, accents") << QByteArray("K\xE9p.JPE") << 0 << 0 << "kep.jpg" << 3;
    QTest::newRow("1250: numbered") << QByteArray("K\xE9p.JPE") << 1 << 2 << "000.jpg" << 2;
    QTest::newRow("1250: upper case, same text") << QByteArray("\xC1RV\xCDZ.TXT") << 0 << 1 << "ÁRVÍZ.TXT" << 3;
}

void TestRenameCommand::passesLeaveUtf8Name()
{
    QFETCH(QByteArray, file);
    QFETCH(int, numbering);
    QFETCH(int, option);
    TemporaryFolder folder;
    folder.createOnDisk(file, "photo");
    ScriptedWindow window(m_fileSystem, folder.path());
    window.checks = {numbering, 1, 1, 0};
    window.check2Visible = true;
    window.option = option;
    RenameCommand command(window, m_fileSystem);

    QVERIFY(!command.Command1_Click());

    QFETCH(QString, result);
    QCOMPARE(folder.entries(), QStringList{result});
    QCOMPARE(folder.content(result), QByteArray("photo"));
    QTEST(int(window.log.count(QStringLiteral("refresh"))), "refreshes");
    QCOMPARE(window.names(), QStringList{result});
}

void TestRenameCommand::wholeListWindowOperationsInOrder()
{
    TemporaryFolder folder;
    folder.createAll({"a.txt", "b.txt", "c.txt"});
    ScriptedWindow window(m_fileSystem, folder.path());
    RenameCommand command(window, m_fileSystem);

    QVERIFY(!command.Command1_Click());

    const QStringList expected = QStringList{"min 0", "max 2", "value 0", "show bar"} + wholeListLocks
        + QStringList{"value 0", "value 1", "value 2", "hide bar", "value 0",
                      "enable Command2", "enable Command3", "enable Check1", "enable Check2", "enable Check3",
                      "enable Option1(0)", "enable Option1(1)", "enable Text1", "enable Option1(2)", "refresh"};
    QCOMPARE(window.log, expected);
    QCOMPARE(folder.entries(), (QStringList{"000.txt", "001.txt", "002.txt"}));
    QCOMPARE(command.SelectedCount(), 0);
    QCOMPARE(command.workingValues().NewPath, folder.filePath("002.txt"));
}

void TestRenameCommand::unlockFollowsNumbering_data()
{
    QTest::addColumn<int>("numbering");
    QTest::addColumn<bool>("selectOne");

    QTest::newRow("whole list, numbering off") << 0 << false;
    QTest::newRow("whole list, numbering on") << 1 << false;
    QTest::newRow("selected, numbering off") << 0 << true;
    QTest::newRow("selected, numbering on") << 1 << true;
}

void TestRenameCommand::unlockFollowsNumbering()
{
    QFETCH(int, numbering);
    QFETCH(bool, selectOne);
    TemporaryFolder folder;
    folder.createAll({"a.txt", "b.txt"});
    ScriptedWindow window(m_fileSystem, folder.path());
    window.checks[0] = numbering;
    window.option = numbering ? 2 : 0;
    if (selectOne)
        window.select({1});
    if (!numbering) {
        window.setControlEnabled(LockableControl::Text1, false);
        window.setControlEnabled(LockableControl::Option1_2, false);
    }
    RenameCommand command(window, m_fileSystem);

    QVERIFY(!command.Command1_Click());

    QCOMPARE(window.isEnabled(LockableControl::Text1), bool(numbering));
    QCOMPARE(window.isEnabled(LockableControl::Option1_2), bool(numbering));
    for (LockableControl control : {LockableControl::Command2, LockableControl::Command3, LockableControl::Check1,
                                    LockableControl::Check2, LockableControl::Check3, LockableControl::Option1_0,
                                    LockableControl::Option1_1})
        QVERIFY2(window.isEnabled(control), qPrintable(controlName(control)));
    QVERIFY(!window.isProgressVisible());
    QCOMPARE(window.progressValue(), 0);
    QCOMPARE(command.SelectedCount(), 0);
}

void TestRenameCommand::selectedEntriesAreNumberedByPlace()
{
    TemporaryFolder folder;
    folder.createAll({"f0.txt", "f1.txt", "f2.txt", "f3.txt", "f4.txt", "f5.txt", "f6.txt", "f7.jpg", "f8.txt", "f9.txt"});
    ScriptedWindow window(m_fileSystem, folder.path());
    window.newText = QStringLiteral("Nyar");
    window.option = 0;
    window.checks = {1, 1, 1, 1};
    window.select({3, 7});
    RenameCommand command(window, m_fileSystem);

    QVERIFY(!command.Command1_Click());

    QCOMPARE(window.log.mid(0, 4), (QStringList{"min 0", "max 9", "value 0", "show bar"}));
    QVERIFY(!window.log.contains("disable Check2"));
    QVERIFY(!window.log.contains("disable Check3"));
    QCOMPARE(window.log.filter(QStringLiteral("value ")), (QStringList{"value 0", "value 3", "value 7", "value 0"}));
    QCOMPARE(window.log.count(QStringLiteral("refresh")), 1);
    QCOMPARE(folder.content("nyar000.txt"), QByteArray("f3.txt"));
    QCOMPARE(folder.content("nyar001.jpg"), QByteArray("f7.jpg"));
    QCOMPARE(folder.entries().size(), 10);
    QCOMPARE(command.SelectedCount(), 1);
}

void TestRenameCommand::selectedRunRenamesUnselectedJpeToo()
{
    TemporaryFolder folder;
    folder.createAll({"a.JPG", "b.Jpe", "c.txt", "x.JPE"});
    ScriptedWindow window(m_fileSystem, folder.path());
    window.newText = QStringLiteral("Nyar");
    window.option = 0;
    window.checks = {1, 1, 0, 0};
    window.check2Visible = true;
    window.select({1, 2});
    RenameCommand command(window, m_fileSystem);

    QVERIFY(!command.Command1_Click());

    QCOMPARE(folder.entries(), (QStringList{"a.JPG", "nyar000.jpg", "nyar001.txt", "x.jpg"}));
    QCOMPARE(window.log.count(QStringLiteral("refresh")), 2);
}

void TestRenameCommand::renamedFilesDropOutOfFilteredList()
{
    TemporaryFolder folder;
    folder.createAll({"a.jpe", "b.JPE", "c.txt"});
    ScriptedWindow window(m_fileSystem, folder.path(), QStringLiteral("*.jpe"));
    window.checks = {0, 1, 0, 0};
    window.option = 1;
    window.check2Visible = true;
    RenameCommand command(window, m_fileSystem);

    QVERIFY(!command.Command1_Click());

    QCOMPARE(folder.entries(), (QStringList{"A.jpg", "B.jpg", "c.txt"}));
    QVERIFY(window.names().isEmpty());
}

void TestRenameCommand::emptyListDoesNothing()
{
    TemporaryFolder folder;
    folder.create(QStringLiteral("a.txt"));
    ScriptedWindow window(m_fileSystem, folder.path(), QStringLiteral("*.jpg"));
    RenameCommand command(window, m_fileSystem);

    QVERIFY(!command.Command1_Click());

    QVERIFY(window.log.isEmpty());
    QCOMPARE(folder.entries(), QStringList{"a.txt"});
}

void TestRenameCommand::archiveAloneMakesOwnerWritable()
{
    TemporaryFolder folder;
    folder.createAll({"a.txt", "b.txt"});
    QVERIFY(::chmod(QFile::encodeName(folder.filePath("a.txt")).constData(), 0444) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder.filePath("b.txt")).constData(), 0640) == 0);
    ScriptedWindow window(m_fileSystem, folder.path());
    RenameCommand command(window, m_fileSystem);

    QVERIFY(!command.Command1_Click());

    QCOMPARE(modeOf(folder.filePath("000.txt")), mode_t(0644));
    QCOMPARE(modeOf(folder.filePath("001.txt")), mode_t(0640));
}

void TestRenameCommand::archiveAloneLeavesLinkTargetAlone()
{
    TemporaryFolder folder;
    TemporaryFolder elsewhere;
    elsewhere.create(QStringLiteral("target.jpg"), "target");
    QVERIFY(::chmod(QFile::encodeName(elsewhere.filePath("target.jpg")).constData(), 0444) == 0);
    QVERIFY(QFile::link(elsewhere.filePath("target.jpg"), folder.filePath("Link.JPG")));
    ScriptedWindow window(m_fileSystem, folder.path());
    window.checks[0] = 0;
    window.option = 0;
    RenameCommand command(window, m_fileSystem);

    QVERIFY(!command.Command1_Click());

    QCOMPARE(folder.entries(), QStringList{"link.jpg"});
    QCOMPARE(folder.content("link.jpg"), QByteArray("target"));
    QCOMPARE(modeOf(elsewhere.filePath("target.jpg")), mode_t(0444));
}

void TestRenameCommand::numbersGoOnPast16Bits()
{
    TemporaryFolder folder;
    constexpr int count = 32770;
    for (int index = 0; index < count; ++index)
        QFile(folder.filePath(QStringLiteral("f%1.dat").arg(index, 5, 10, QLatin1Char('0')))).open(QIODevice::WriteOnly);
    ScriptedWindow window(m_fileSystem, folder.path());
    RenameCommand command(window, m_fileSystem);

    QVERIFY(!command.Command1_Click());

    const QStringList names = window.names();
    QCOMPARE(names.size(), count);
    QCOMPARE(names.first(), QStringLiteral("000.dat"));
    QVERIFY(names.contains(QStringLiteral("32768.dat")));
    QVERIFY(names.contains(QStringLiteral("32769.dat")));
}

QTEST_GUILESS_MAIN(TestRenameCommand)
#include "tst_renamecommand.moc"
