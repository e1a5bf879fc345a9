#include "engine/FolderCopy.h"
#include "engine/PlayedRun.h"
#include "engine/PlayedFileList.h"
#include "engine/RenameCommand.h"
#include "engine/RenameRun.h"
#include "platform/LocalFileSystem.h"
#include "support/ScriptedFileSystem.h"
#include "support/ScriptedWindow.h"
#include "support/TemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(RenameSettings)

namespace {

const QString stopped = QStringLiteral("A futás leállt; a már átnevezett fájlok az új nevükön maradtak.");
const QString noneRenamed = QStringLiteral("Egyetlen fájl sem kapott új nevet.");
const QString taken = QStringLiteral("Már létezik ilyen nevű fájl.");
const QString missing = QStringLiteral("Az útvonal nem létezik.");

QString refusal(const QString &oldName, const QString &newName, const QString &reason, const QString &last = noneRenamed)
{
    return QStringLiteral("A(z) „%1” fájl nem nevezhető át erre: „%2”.\n%3\n%4").arg(oldName, newName, reason, last);
}

mode_t modeOf(const QByteArray &path)
{
    struct stat status {};
    ::stat(path.constData(), &status);
    return status.st_mode & 07777;
}

} // namespace

class TestRenameCommand : public QObject {
    Q_OBJECT

private slots:
    // A run over a real folder, each file holding its name: files, pattern, settings, selection and
    // what happens meanwhile give the names after, the message, the refreshes and the bar. In every
    // row no file is lost or replaced, what the play predicts is what the disk gets, and Ctrl+Z
    // gives every file its old name back.
    void run_data()
    {
        QTest::addColumn<QByteArrayList>("files");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<RenameSettings>("settings");
        QTest::addColumn<QList<int>>("selection");
        QTest::addColumn<int>("failAt");     // the rename on the disk that is refused, counted from 1
        // A listed file or the "folder", gone before OK or at failAt; the folder "swapped" for one with
        // the same names before OK; a "case-blind" disk.
        QTest::addColumn<QString>("world");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("refreshes");

        using Files = QByteArrayList;
        using Names = QStringList;
        const Files abc = {"a.txt", "b.txt", "c.txt"};
        const RenameSettings numbered;
        const RenameSettings lower{.numbering = false, .caseMode = CaseMode::Lower};
        const RenameSettings threePasses{.numbering = false, .caseMode = CaseMode::Lower, .jpeRewrite = true, .accentFolding = true};
        const RenameSettings appended{.append = true};
        const QList<int> none;
        QTest::newRow("whole list") << abc << "*.*" << numbered << none << 0 << "" << Names{"000.txt", "001.txt", "002.txt"} << "" << 1;
        QTest::newRow("one file") << Files{"a.txt"} << "*.*" << numbered << none << 0 << "" << Names{"000.txt"} << "" << 1;
        QTest::newRow("lower, nothing changes") << abc << "*.*" << lower << none << 0 << "" << Names{"a.txt", "b.txt", "c.txt"} << "" << 1;
        QTest::newRow("empty list") << Files{"a.txt"} << "*.jpg" << numbered << none << 0 << "" << Names{"a.txt"} << "" << 0;
        Files thousand;
        Names thousandAfter;
        for (int number = 0; number < 1000; ++number) {
            thousand << QStringLiteral("Kép%1.JPE").arg(number).toUtf8();
            thousandAfter << QStringLiteral("kep%1.jpg").arg(number);
        }
        thousandAfter.sort();
        QTest::newRow("a thousand files, three passes") << thousand << "*.*" << threePasses << none << 0 << "" << thousandAfter << "" << 1;
        QTest::newRow("numbered, no accent pass") << Files{"K\xC3\xA9p.JPE"} << "*.*" << RenameSettings{.jpeRewrite = true, .accentFolding = true}
                                                  << none << 0 << "" << Names{"000.jpg"} << "" << 1;
        QTest::newRow("numbered with a text in front keeps accents") << Files{"Kép.txt", "Nyár.txt"} << "*.*"
            << RenameSettings{.append = true, .newText = "Év_", .accentFolding = true} << none << 0 << "" << Names{"Év_000.txt", "Év_001.txt"} << "" << 1;
        QTest::newRow("1250 where Latin-1 differs") << Files{"\xF5\xFB\xD5\xDB.txt"} << "*.*" << lower << none << 0 << "" << Names{"őűőű.txt"} << "" << 1;
        QTest::newRow("subfolder holds the new name") << Files{"a.txt", "000.txt/"} << "*.*" << numbered << none << 0 << ""
                                                      << Names{"000.txt", "a.txt"} << refusal("a.txt", "000.txt", taken) << 0;
        QTest::newRow("1250: three passes") << Files{"K\xE9p.JPE"} << "*.*" << threePasses << none << 0 << "" << Names{"kep.jpg"} << "" << 1;
        QTest::newRow("jpe out of the filter") << Files{"a.jpe", "b.JPE", "c.txt"} << "*.jpe" << RenameSettings{.numbering = false, .caseMode = CaseMode::Upper, .jpeRewrite = true}
                                               << none << 0 << "" << Names{"A.jpg", "B.jpg", "c.txt"} << "" << 1;
        QTest::newRow("selected, numbered by place") << Files{"f0.txt", "f1.txt", "f2.txt", "f3.txt", "f4.jpg", "f5.txt"} << "*.*"
            << RenameSettings{.newText = "Nyar", .caseMode = CaseMode::Lower, .accentFolding = true} << QList<int>{1, 4} << 0 << ""
            << Names{"f0.txt", "f2.txt", "f3.txt", "f5.txt", "nyar000.txt", "nyar001.jpg"} << ""
            << 1;
        QTest::newRow("selected, unselected jpe too") << Files{"a.JPG", "b.Jpe", "c.txt", "x.JPE"} << "*.*"
            << RenameSettings{.newText = "Nyar", .caseMode = CaseMode::Lower, .jpeRewrite = true} << QList<int>{1, 2} << 0 << ""
            << Names{"a.JPG", "nyar000.jpg", "nyar001.txt", "x.jpg"} << "" << 1;

        const Names lowerCaseTaken = {"A.TXT", "a.txt", "b.TXT"};
        QTest::newRow("lower case takes a name") << Files{"A.TXT", "a.txt", "b.TXT"} << "*.*" << lower << none << 0 << ""
                                                 << lowerCaseTaken << refusal("A.TXT", "a.txt", taken) << 0;
        QTest::newRow("number of an unlisted file") << Files{"a.txt", "b.txt", "001.txt"} << "*.jpg;a.txt;b.txt" << numbered << none << 0 << ""
                                                    << Names{"001.txt", "a.txt", "b.txt"} << refusal("b.txt", "001.txt", taken) << 0;
        QTest::newRow("1250 name beside its text") << Files{"\xE1rv.txt", "\xC3\xA1rv.txt"} << "*.*" << lower << none << 0 << ""
                                                   << Names{"árv.txt", "árv.txt"} << refusal("árv.txt", "árv.txt", taken) << 0;
        QTest::newRow("accent pass: first clash in the list's order") << Files{"o.txt", "u.txt", "\xC3\xB3.txt", "\xC3\xBA.txt"} << "*.*" << threePasses
            << none << 0 << "" << Names{"o.txt", "u.txt", "ó.txt", "ú.txt"} << refusal("ó.txt", "o.txt", taken) << 0;
        QTest::newRow("accent pass would clash") << Files{"c.JPE", "ek.txt", "Ék.txt"} << "*.*" << threePasses << none << 0 << ""
                                                 << Names{"c.JPE", "ek.txt", "Ék.txt"} << refusal("Ék.txt", "ek.txt", taken) << 0;
        QTest::newRow("slash in typed text") << Files{"a.txt", "b.txt"} << "*.*" << RenameSettings{.append = true, .newText = "x/"} << none << 0 << ""
                                             << Names{"a.txt", "b.txt"} << refusal("a.txt", "x/000.txt", "Érvénytelen fájlnév.") << 0;
        QTest::newRow("name that hides") << Files{"TODO"} << "*.*" << threePasses << none << 0 << ""
                                         << Names{"TODO"} << refusal("TODO", ".odo", "Érvénytelen fájlnév.") << 0;
        QTest::newRow("whole list: three characters") << Files{"abc", "b.txt"} << "*.*" << appended << none << 0 << ""
                                                      << Names{"abc", "b.txt"} << "A(z) „abc” fájl neve túl rövid: nem vágható törzsre és kiterjesztésre.\n" + noneRenamed << 0;
        QTest::newRow("selected: two characters") << Files{"ab", "b.txt"} << "*.*" << appended << QList<int>{0} << 0 << ""
                                                  << Names{"ab", "b.txt"} << "A(z) „ab” fájl neve túl rövid: nem vágható törzsre és kiterjesztésre.\n" + noneRenamed << 0;
        QTest::newRow("long name shortened") << Files{"a.txt"} << "*.*" << RenameSettings{.append = true, .newText = QString(100, u'x') + "/"} << none
            << 0 << "" << Names{"a.txt"} << refusal("a.txt", QString(40, u'x') + "…" + QString(31, u'x') + "/000.txt", "Érvénytelen fájlnév.") << 0;
        QTest::newRow("listed file removed") << abc << "*.*" << numbered << none << 0 << "b.txt"
                                             << Names{"a.txt", "c.txt"} << refusal("b.txt", "001.txt", missing) << 0;
        QTest::newRow("folder swapped before") << abc << "*.*" << numbered << none << 0 << "swapped" << Names{"a.txt", "b.txt", "c.txt"}
            << "A(z) „" + QDir::tempPath() + "/*” útvonalon már nem az a mappa áll, amelyet a lista mutatott.\n" + noneRenamed << 1;
        QTest::newRow("case-blind: jpe meets JPG") << Files{"a.jpe", "a.jpg"} << "*.*" << RenameSettings{.numbering = false, .caseMode = CaseMode::Upper, .jpeRewrite = true}
                                                   << none << 0 << "case-blind" << Names{"a.jpe", "a.jpg"} << refusal("a.jpe", "A.jpg", taken) << 0;
        QTest::newRow("card pulled at the end") << abc << "*.*" << numbered << none << 0 << "unsaved" << Names{"000.txt", "001.txt", "002.txt"}
            << "A(z) „" + QDir::tempPath() + "/*” mappa fájljainak új nevei nem kerültek biztosan a lemezre.\nAz eszköz valószínűleg nem érhető el.\n"
                   "Mielőtt kiveszi vagy kikapcsolja a lemezt, nézze meg, megvannak-e a fájlok." << 1;
        QTest::newRow("case-blind: case only") << Files{"a.txt", "B.TXT"} << "*.*" << lower << none << 0 << "case-blind" << Names{"a.txt", "b.txt"} << "" << 1;
        QTest::newRow("links in a loop") << Files{"\xC5\x90.txt", "l.txt>m.txt", "m.txt>l.txt"} << "*.*" << threePasses << none << 0 << ""
                                         << Names{"l.txt", "m.txt", "o.txt"} << "" << 1;
        QTest::newRow("link comes alive") << Files{"C.TXT", "a.txt", "á.txt>c.txt"} << "*.*" << threePasses << none << 0 << ""
                                          << Names{"C.TXT", "a.txt", "á.txt"} << refusal("á.txt", "a.txt", taken) << 0;

        QTest::newRow("disk refuses the first") << abc << "*.*" << numbered << none << 1 << "" << Names{"a.txt", "b.txt", "c.txt"}
            << refusal("a.txt", "000.txt", "A fájl már megnyitott.\nA fájl ideiglenes neve: „.atnevezes-7-1”.") << 1;
        QTest::newRow("disk refuses the third") << Files{"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"} << "*.*" << numbered << none << 3 << ""
            << Names{"000.txt", "001.txt", "c.txt", "d.txt", "e.txt"}
            << refusal("c.txt", "002.txt", "A fájl már megnyitott.\nA fájl ideiglenes neve: „.atnevezes-7-1”.", stopped) << 1;
        QTest::newRow("no folder chosen") << abc << "*.*" << RenameSettings{.folder = DiskName::fromText("*elérési út*")} << none << 0 << ""
            << Names{"a.txt", "b.txt", "c.txt"} << "Nincs megnyitott könyvtár. Válasszon egyet az „Új könyvtár” gombbal." << 1;
        QTest::newRow("folder removed before") << abc << "*.*" << numbered << none << 0 << "folder"
                                               << Names{} << refusal("a.txt", "000.txt", missing) << 1;
        QTest::newRow("folder removed during") << abc << "*.*" << numbered << none << 2 << "folder"
                                               << Names{} << refusal("b.txt", "001.txt", missing, stopped) << 1;
    }

    void run()
    {
        QFETCH(QByteArrayList, files);
        QFETCH(RenameSettings, settings);
        QFETCH(QList<int>, selection);
        QFETCH(int, failAt);
        QFETCH(QString, world);
        QFETCH(QString, message);
        QFETCH(int, refreshes);
        TemporaryFolder folder, elsewhere;
        const QByteArray readOnly = QFile::encodeName(folder.path()) + '/' + files.first();
        // A name "NAME>TARGET" is a symbolic link, "NAME/" a folder.
        const auto populate = [&] {
            for (const QByteArray &name : files)
                name.contains('>') ? folder.link(name.split('>').first(), name.split('>').last())
                : name.endsWith('/') ? void(QDir(folder.path()).mkdir(QString::fromUtf8(name.chopped(1))))
                                     : folder.create(name, name);
            ::chmod(readOnly.constData(), 0440);
        };
        populate();
        ScriptedFileSystem fileSystem(m_fileSystem);
        fileSystem.failingRename = failAt;
        fileSystem.ignoresCase = world == u"case-blind";
        fileSystem.unsaved = world == u"unsaved";
        const auto remove = [&] { world == u"folder" ? QDir(folder.path()).removeRecursively() : QFile::remove(folder.filePath(world)); };
        if (failAt > 0 && !world.isEmpty())
            fileSystem.beforeFailingRename = remove;
        QFETCH(QString, pattern);
        ScriptedWindow window(fileSystem, folder.path(), pattern);
        window.selected = QSet<int>(selection.begin(), selection.end());
        if (settings.folder.bytes.isEmpty())
            settings.folder = folder.diskPath();
        if (world == u"swapped" && QDir().rename(folder.path(), elsewhere.filePath("listed")) && QDir().mkdir(folder.path()))
            populate();
        else if (failAt == 0 && !world.isEmpty() && !fileSystem.ignoresCase && !fileSystem.unsaved)
            remove();
        const QByteArrayList listed = window.names();
        const std::optional<PlayedRun> played = playRun(window.listedFiles(), fileSystem, settings);
        RenameCommand command(window, window, fileSystem);

        const std::optional<RenameFailure> failure = command.Command1_Click(settings);

        QCOMPARE(failure ? failure->message().replace(folder.path(), QDir::tempPath() + "/*") : QString(), message);
        QTEST(folder.entries(), "after");
        QVERIFY(!failure || (failure->newName.size() > 80 ? failure->details().endsWith(failure->newName) : failure->details().isEmpty()));
        QCOMPARE(window.refreshes, refreshes);
        // A run the play refuses is never shown; one that reaches the disk is shown as it started, and is over.
        const bool refusedByPlay = played && played->failure;
        const QString shown = QStringLiteral("%1 %2").arg(selection.isEmpty() ? "whole list" : "selected").arg(listed.size());
        QCOMPARE(window.runs, refreshes == 0 || refusedByPlay ? QStringList() : QStringList{shown});
        QVERIFY(!window.running && (!refusedByPlay || played->failure->message() == failure->message()));
        if (world == u"folder")
            return;
        if (failure && folder.namesByContent().value(files.first()) == files.first()) // a file that keeps its name keeps its mode
            QCOMPARE(modeOf(readOnly), mode_t(0440));
        else if (!failure && played)
            checkRenamedAsPlayed(folder, *played, listed, files.first());
        files.removeOne(world.toUtf8());
        checkUndone(folder, window, command, fileSystem, files);
    }

    // Generated folders of files, hidden names, subfolders, names in old encodings and (where case
    // counts) links, with generated patterns, selections and settings: whenever the play passes,
    // OK leaves exactly the names the play left on its copy; whenever it refuses, nothing changes.
    void playForetellsTheDisk()
    {
        ScriptedFileSystem fileSystem(m_fileSystem);
        const QByteArrayList stems = {"a", "A", "\xC3\xA1", "\xC3\x81", "k\xC3\xA9p", "K\xC3\x89P", "000", "X_001", "\xE1rv", "ab"};
        const QByteArrayList extensions = {".jpg", ".JPG", ".jpe", ".JPE", ".txt", ".Txt"};
        const QStringList patterns = {"*.*", "*.jpg", "*.jpe;*.txt", "a*;*.JPE"}, texts = {"", "x_", "X_", "\u00C1"};
        int refused = 0;
        for (quint32 seed = 1; seed <= 400; ++seed) {
            const bool ignoresCase = fileSystem.ignoresCase = seed > 200;
            QRandomGenerator random(seed);
            const auto pick = [&](const auto &list) { return list.at(random.bounded(int(list.size()))); };
            TemporaryFolder folder;
            QStringList made;
            for (int entry = 2 + random.bounded(8); entry > 0; --entry) {
                const QByteArray name = (random.bounded(8) ? "" : ".") + pick(stems) + (random.bounded(12) ? pick(extensions) : "");
                if (made.contains(DiskName::textOf(name), ignoresCase ? Qt::CaseInsensitive : Qt::CaseSensitive))
                    continue;
                made << DiskName::textOf(name);
                const int kind = random.bounded(10);
                if (kind == 0)
                    QDir(folder.path()).mkdir(DiskName::textOf(name));
                else if (kind == 1 && !ignoresCase)
                    folder.link(name, pick(stems) + pick(extensions));
                else
                    folder.create(name, name);
            }
            const bool numbering = random.bounded(2) == 0;
            const RenameSettings settings{.numbering = numbering, .append = random.bounded(2) == 0, .newText = pick(texts),
                                          .caseMode = CaseMode(random.bounded(numbering ? 3 : 2)), .jpeRewrite = random.bounded(2) == 0,
                                          .accentFolding = random.bounded(2) == 0, .folder = folder.diskPath()};
            ScriptedWindow window(fileSystem, folder.path(), pick(patterns));
            const bool selecting = random.bounded(3) == 0;
            for (int index = 0; selecting && index < window.fileCount(); ++index)
                random.bounded(2) ? void(window.selected.insert(index)) : void();
            const FolderCopy copy(fileSystem.readContents(settings.folder));
            PlayedFileList played(window.listedFiles(), copy);
            const bool foreseen = RenameRun(played, RunObserver::none(), copy).run(settings).has_value();
            const QByteArrayList before = namesIn(fileSystem, folder.diskPath());

            const std::optional<RenameFailure> failure = RenameCommand(window, window, fileSystem).Command1_Click(settings);

            const QByteArrayList expected = foreseen ? before : namesIn(copy, {});
            QVERIFY2(failure.has_value() == foreseen && namesIn(fileSystem, folder.diskPath()) == expected,
                     qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(failure ? failure->message() : QString())));
            refused += foreseen;
        }
        QVERIFY(refused > 40 && refused < 300); // both outcomes are met
    }

private:
    // The disk gets the names the play left on its copy; the attribute step gives the owner the
    // write bit and keeps every other bit.
    static void checkRenamedAsPlayed(const TemporaryFolder &folder, const PlayedRun &played, const QByteArrayList &listed,
                                     const QByteArray &first)
    {
        const QMap<QByteArray, QByteArray> names = folder.namesByContent();
        for (int index = 0; index < listed.size(); ++index)
            QCOMPARE(played.finalNames.at(index).toByteArray(), names.value(listed.at(index)));
        if (names.value(first) != first)
            QCOMPARE(modeOf(QFile::encodeName(folder.path()) + '/' + names.value(first)), mode_t(0640));
    }

    // Ctrl+Z is a whole-list run of its own, with one re-read, and gives every file its first name
    // (each file's content is its first name); it is written through before and after, as the run.
    static void checkUndone(const TemporaryFolder &folder, ScriptedWindow &window, RenameCommand &command,
                            const ScriptedFileSystem &fileSystem, const QByteArrayList &files)
    {
        window.runs.clear();
        window.refreshes = 0;
        QCOMPARE(bool(command.undoLastRun()), fileSystem.unsaved);
        if (fileSystem.unsaved)
            QCOMPARE(fileSystem.savedAfter, (QList<int>{0, 3, 3, 6}));
        QMap<QByteArray, QByteArray> oldNames;
        for (const QByteArray &name : files)
            name.contains('>') || name.endsWith('/') ? void() : void(oldNames.insert(name, name));
        QCOMPARE(folder.namesByContent(), oldNames);
        QVERIFY(window.runs.isEmpty() || (window.runs.size() == 1 && window.runs.first().startsWith(u"whole list") && window.refreshes == 1));
    }

    static QByteArrayList namesIn(const FileSystem &fileSystem, const DiskName &folder)
    {
        QByteArrayList names;
        const FolderContents contents = fileSystem.readContents(folder);
        for (qsizetype place = 0; place < contents.size(); ++place)
            names << contents.names.at(place).toByteArray();
        std::sort(names.begin(), names.end());
        return names;
    }

    LocalFileSystem m_fileSystem;
};

QTEST_GUILESS_MAIN(TestRenameCommand)
#include "tst_renamecommand.moc"
