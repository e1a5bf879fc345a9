#include "engine/RenameCommand.h"
#include "platform/LocalFileSystem.h"
#include "support/ScriptedWindow.h"
#include "support/TemporaryFolder.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <array>

#include <sys/stat.h>

namespace {

// The settings as the user left them: boxes Check1..Check4, case option, new text, jpe box shown.
struct Settings {
    std::array<int, 4> checks = {1, 0, 0, 0};
    int option = 2;
    QString text = {};
    bool jpeShown = true;
};

mode_t modeOf(const QString &path)
{
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

} // namespace

Q_DECLARE_METATYPE(Settings)

class TestRenameCommand : public QObject {
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void archiveAloneTouchesOnlyTheFile();

private:
    LocalFileSystem m_fileSystem;
};

// A run over a real folder: files, pattern, settings and selection give the names after, the
// progress values shown, the controls locked meanwhile and the refreshes of the list.
void TestRenameCommand::run_data()
{
    QTest::addColumn<QByteArrayList>("files");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QList<int>>("selection");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("progress");
    QTest::addColumn<int>("locks");
    QTest::addColumn<int>("refreshes");

    using Files = QByteArrayList;
    using Names = QStringList;
    const Files abc = {"a.txt", "b.txt", "c.txt"};
    const QList<int> all;
    QTest::newRow("whole list") << abc << "*.*" << Settings{} << all << Names{"000.txt", "001.txt", "002.txt"}
                                << Names{"max 2", "value 0", "show bar", "value 0", "value 1", "value 2", "value 0"} << 9 << 1;
    QTest::newRow("one file") << Files{"a.txt"} << "*.*" << Settings{} << all << Names{"000.txt"}
                              << Names{"max 1", "value 0", "show bar", "value 0", "value 0"} << 9 << 1;
    QTest::newRow("numbering off, lower") << abc << "*.*" << Settings{{0, 0, 0, 0}, 0} << all << Names{"a.txt", "b.txt", "c.txt"} << Names{} << 9 << 1;
    QTest::newRow("empty list") << Files{"a.txt"} << "*.jpg" << Settings{} << all << Names{"a.txt"} << Names{} << 0 << 0;
    // Windows-1250 names end in UTF-8 like any other, also when the new text is the shown one.
    QTest::newRow("case, jpe, accents") << Files{"K\xC3\xA9p.JPE"} << "*.*" << Settings{{0, 1, 1, 0}, 0} << all << Names{"kep.jpg"} << Names{} << 9 << 3;
    QTest::newRow("numbered, no accent pass") << Files{"K\xC3\xA9p.JPE"} << "*.*" << Settings{{1, 1, 1, 0}} << all << Names{"000.jpg"} << Names{} << 9 << 2;
    QTest::newRow("1250: case, jpe, accents") << Files{"K\xE9p.JPE"} << "*.*" << Settings{{0, 1, 1, 0}, 0} << all << Names{"kep.jpg"} << Names{} << 9 << 3;
    QTest::newRow("1250: upper, same text") << Files{"\xC1RV\xCDZ.TXT"} << "*.*" << Settings{{0, 1, 1, 0}, 1} << all << Names{"ÁRVÍZ.TXT"} << Names{} << 9 << 3;
    QTest::newRow("jpe out of the filter") << Files{"a.jpe", "b.JPE", "c.txt"} << "*.jpe" << Settings{{0, 1, 0, 0}, 1} << all
                                           << Names{"A.jpg", "B.jpg", "c.txt"} << Names{} << 9 << 2;
    QTest::newRow("jpe box ticked but hidden") << Files{"a.JPE"} << "*.*" << Settings{{0, 1, 0, 0}, 2, "", false} << all << Names{"a.JPE"} << Names{} << 9 << 1;
    QTest::newRow("selected, numbered by place") << Files{"f0.txt", "f1.txt", "f2.txt", "f3.txt", "f4.jpg", "f5.txt"} << "*.*" << Settings{{1, 0, 1, 1}, 0, "Nyar"}
        << QList<int>{1, 4} << Names{"f0.txt", "f2.txt", "f3.txt", "f5.txt", "nyar000.txt", "nyar001.jpg"}
        << Names{"max 5", "value 0", "show bar", "value 1", "value 4", "value 0"} << 7 << 1;
    QTest::newRow("selected, unselected jpe too") << Files{"a.JPG", "b.Jpe", "c.txt", "x.JPE"} << "*.*" << Settings{{1, 1, 0, 0}, 0, "Nyar"}
        << QList<int>{1, 2} << Names{"a.JPG", "nyar000.jpg", "nyar001.txt", "x.jpg"} << Names{} << 7 << 2;
}

void TestRenameCommand::run()
{
    QFETCH(QByteArrayList, files);
    QFETCH(QString, pattern);
    QFETCH(Settings, settings);
    QFETCH(QList<int>, selection);
    QFETCH(QStringList, after);
    QFETCH(QStringList, progress);
    QFETCH(int, locks);
    TemporaryFolder folder;
    for (const QByteArray &name : files)
        folder.createOnDisk(name, name);
    ScriptedWindow window(m_fileSystem, folder.path(), pattern);
    window.checks = settings.checks;
    window.option = settings.option;
    window.newText = settings.text;
    window.check2Visible = settings.jpeShown;
    for (int index : selection)
        window.select({index});
    RenameCommand command(window, m_fileSystem);

    QVERIFY(!command.Command1_Click());

    QCOMPARE(folder.entries(), after);
    QCOMPARE(window.names(), pattern == u"*.*" ? after : QStringList{});
    if (!progress.isEmpty())
        QCOMPARE(window.log.filter(QRegularExpression(QStringLiteral("^(max|value|show) "))), progress);
    QCOMPARE(int(window.log.filter(QStringLiteral("disable ")).size()), locks);
    QTEST(int(window.log.count(QStringLiteral("refresh"))), "refreshes");
    QVERIFY(!window.isProgressVisible());
    QCOMPARE(window.progressValue(), 0);
    for (int control = 0; control <= int(LockableControl::Option1_2); ++control) {
        const auto lockable = LockableControl(control);
        const bool numberingControl = lockable == LockableControl::Text1 || lockable == LockableControl::Option1_2;
        QCOMPARE(window.isEnabled(lockable), settings.checks[0] == 1 || !numberingControl || locks == 0);
    }
    QCOMPARE(command.SelectedCount(), selection.isEmpty() ? 0 : 1);
}

// Setting the archive flag alone makes a read-only file owner-writable, keeps other modes and
// leaves the target of a link as it was.
void TestRenameCommand::archiveAloneTouchesOnlyTheFile()
{
    TemporaryFolder folder;
    TemporaryFolder elsewhere;
    folder.createAll({"a.txt", "b.txt"});
    elsewhere.create(QStringLiteral("target.jpg"), "target");
    QVERIFY(::chmod(QFile::encodeName(folder.filePath("a.txt")).constData(), 0444) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder.filePath("b.txt")).constData(), 0640) == 0);
    QVERIFY(::chmod(QFile::encodeName(elsewhere.filePath("target.jpg")).constData(), 0444) == 0);
    QVERIFY(QFile::link(elsewhere.filePath("target.jpg"), folder.filePath("c.txt")));
    ScriptedWindow window(m_fileSystem, folder.path());
    RenameCommand command(window, m_fileSystem);

    QVERIFY(!command.Command1_Click());

    QCOMPARE(modeOf(folder.filePath("000.txt")), mode_t(0644));
    QCOMPARE(modeOf(folder.filePath("001.txt")), mode_t(0640));
    QCOMPARE(folder.content("002.txt"), QByteArray("target"));
    QCOMPARE(modeOf(elsewhere.filePath("target.jpg")), mode_t(0444));
}

QTEST_GUILESS_MAIN(TestRenameCommand)
#include "tst_renamecommand.moc"
