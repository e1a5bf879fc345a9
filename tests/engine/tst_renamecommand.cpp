#include "engine/FolderCopy.h"
#include "engine/PlayedRun.h"
#include "engine/PlayedFileList.h"
#include "engine/RenameCommand.h"
#include "engine/RenameRun.h"
#include "platform/LocalFileSystem.h"
#include "support/NameList.h"
#include "support/ScriptedFileSystem.h"
#include "support/ScriptedWindow.h"
#include "support/TemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>

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

// A row of the run table. A name "NAME>TARGET" among the files is a symbolic link, "NAME/" a
// folder. `failAt` counts the renames on the disk up to the one refused. `world`: a listed file or
// the "folder" gone before OK or at failAt; the folder "swapped" for one with the same names
// before OK; a "case-blind" disk; a disk "unsaved" as a pulled card leaves it. The first file is
// read-only.
struct RunRow {
    QByteArrayList files{};
    QString pattern = QStringLiteral("*.*");
    RenameSettings settings{};
    QList<int> selection{};
    int failAt = 0;
    QString world{};
    QStringList after{};
    QString message{};
    int refreshes = 1;
    bool firstUntouched = false; // no pass goes over the first file, so it keeps its mode
};

} // namespace

Q_DECLARE_METATYPE(RunRow)

class TestRenameCommand : public QObject {
    Q_OBJECT

private slots:
    // A run over a real folder, each file holding its name: files, pattern, settings, selection and
    // what happens meanwhile give the names after, the message, the refreshes and the bar. In every
    // row no file is lost or replaced, each file gets one attribute step, what the play predicts
    // is what the disk gets, and Ctrl+Z gives every file its old name back.
    void run_data()
    {
        QTest::addColumn<RunRow>("row");
        const auto add = [](const char *name, const RunRow &row) { QTest::newRow(name) << row; };
        const QByteArrayList abc = {"a.txt", "b.txt", "c.txt"};
        const QStringList numberedAbc = {"000.txt", "001.txt", "002.txt"};
        const RenameSettings lower{.numbering = false, .caseMode = CaseMode::Lower};
        const RenameSettings threePasses{.numbering = false, .caseMode = CaseMode::Lower, .jpeRewrite = true, .accentFolding = true};
        const RenameSettings appended{.append = true};
        const RenameSettings upperJpe{.numbering = false, .caseMode = CaseMode::Upper, .jpeRewrite = true};
        const QString openFile = QStringLiteral("A fájl már megnyitott.\nA fájl ideiglenes neve: „.atnevezes-7-1”.");
        const QString tooShort = QStringLiteral("fájl neve túl rövid: nem vágható törzsre és kiterjesztésre.\n") + noneRenamed;
        add("whole list", {.files = abc, .after = numberedAbc});
        add("lower, nothing changes", {.files = abc, .settings = lower, .after = {"a.txt", "b.txt", "c.txt"}});
        add("empty list", {.files = {"a.txt"}, .pattern = "*.jpg", .after = {"a.txt"}, .refreshes = 0, .firstUntouched = true});
        RunRow thousand{.files = {}, .settings = threePasses};
        for (int number = 0; number < 1000; ++number) {
            thousand.files << QStringLiteral("Kép%1.JPE").arg(number).toUtf8();
            thousand.after << QStringLiteral("kep%1.jpg").arg(number);
        }
        thousand.after.sort();
        add("a thousand files, three passes", thousand);
        add("numbered, no accent pass", {.files = {"K\xC3\xA9p.JPE"}, .settings = {.jpeRewrite = true, .accentFolding = true}, .after = {"000.jpg"}});
        add("numbered with a text in front keeps accents", {.files = {"Kép.txt", "Nyár.txt"},
            .settings = {.append = true, .newText = "Év_", .accentFolding = true}, .after = {"Év_000.txt", "Év_001.txt"}});
        add("1250 where Latin-1 differs", {.files = {"\xF5\xFB\xD5\xDB.txt"}, .settings = lower, .after = {"őűőű.txt"}});
        add("subfolder holds the new name", {.files = {"a.txt", "000.txt/"}, .after = {"000.txt", "a.txt"},
            .message = refusal("a.txt", "000.txt", taken), .refreshes = 0});
        add("1250: three passes", {.files = {"K\xE9p.JPE"}, .settings = threePasses, .after = {"kep.jpg"}});
        add("jpe out of the filter", {.files = {"a.jpe", "b.JPE", "c.txt"}, .pattern = "*.jpe", .settings = upperJpe, .after = {"A.jpg", "B.jpg", "c.txt"}});
        add("selected, numbered by place", {.files = {"f0.txt", "f1.txt", "f2.txt", "f3.txt", "f4.jpg", "f5.txt"},
            .settings = {.newText = "Nyar", .caseMode = CaseMode::Lower, .accentFolding = true}, .selection = {1, 4},
            .after = {"f0.txt", "f2.txt", "f3.txt", "f5.txt", "nyar000.txt", "nyar001.jpg"}, .firstUntouched = true});
        add("selected, unselected jpe too", {.files = {"a.JPG", "b.Jpe", "c.txt", "x.JPE"},
            .settings = {.newText = "Nyar", .caseMode = CaseMode::Lower, .jpeRewrite = true}, .selection = {1, 2},
            .after = {"a.JPG", "nyar000.jpg", "nyar001.txt", "x.jpg"}, .firstUntouched = true});

        add("lower case takes a name", {.files = {"A.TXT", "a.txt", "b.TXT"}, .settings = lower, .after = {"A.TXT", "a.txt", "b.TXT"},
            .message = refusal("A.TXT", "a.txt", taken), .refreshes = 0});
        add("number of an unlisted file", {.files = {"a.txt", "b.txt", "001.txt"}, .pattern = "*.jpg;a.txt;b.txt",
            .after = {"001.txt", "a.txt", "b.txt"}, .message = refusal("b.txt", "001.txt", taken), .refreshes = 0});
        add("1250 name beside its text", {.files = {"\xE1rv.txt", "\xC3\xA1rv.txt"}, .settings = lower, .after = {"árv.txt", "árv.txt"},
            .message = refusal("árv.txt", "árv.txt", taken), .refreshes = 0});
        add("accent pass: first clash in the list's order", {.files = {"o.txt", "u.txt", "\xC3\xB3.txt", "\xC3\xBA.txt"}, .settings = threePasses,
            .after = {"o.txt", "u.txt", "ó.txt", "ú.txt"}, .message = refusal("ó.txt", "o.txt", taken), .refreshes = 0});
        add("accent pass would clash", {.files = {"c.JPE", "ek.txt", "Ék.txt"}, .settings = threePasses, .after = {"c.JPE", "ek.txt", "Ék.txt"},
            .message = refusal("Ék.txt", "ek.txt", taken), .refreshes = 0});
        add("slash in typed text", {.files = {"a.txt", "b.txt"}, .settings = {.append = true, .newText = "x/"}, .after = {"a.txt", "b.txt"},
            .message = refusal("a.txt", "x/000.txt", "Érvénytelen fájlnév."), .refreshes = 0});
        add("name that hides", {.files = {"TODO"}, .settings = threePasses, .after = {"TODO"},
            .message = refusal("TODO", ".odo", "Érvénytelen fájlnév."), .refreshes = 0});
        add("whole list: three characters", {.files = {"abc", "b.txt"}, .settings = appended, .after = {"abc", "b.txt"},
            .message = "A(z) „abc” " + tooShort, .refreshes = 0});
        add("selected: two characters", {.files = {"ab", "b.txt"}, .settings = appended, .selection = {0}, .after = {"ab", "b.txt"},
            .message = "A(z) „ab” " + tooShort, .refreshes = 0});
        add("long name shortened", {.files = {"a.txt"}, .settings = {.append = true, .newText = QString(100, u'x') + "/"}, .after = {"a.txt"},
            .message = refusal("a.txt", QString(40, u'x') + "…" + QString(31, u'x') + "/000.txt", "Érvénytelen fájlnév."), .refreshes = 0});
        add("listed file removed", {.files = abc, .world = "b.txt", .after = {"a.txt", "c.txt"}, .message = refusal("b.txt", "001.txt", missing),
            .refreshes = 0});
        add("folder swapped before", {.files = abc, .world = "swapped", .after = {"a.txt", "b.txt", "c.txt"},
            .message = "A(z) „" + QDir::tempPath() + "/*” útvonalon már nem az a mappa áll, amelyet a lista mutatott.\n" + noneRenamed});
        add("case-blind: jpe meets JPG", {.files = {"a.jpe", "a.jpg"}, .settings = upperJpe, .world = "case-blind", .after = {"a.jpe", "a.jpg"},
            .message = refusal("a.jpe", "A.jpg", taken), .refreshes = 0});
        add("card pulled at the end", {.files = abc, .world = "unsaved", .after = numberedAbc,
            .message = "A(z) „" + QDir::tempPath() + "/*” mappa fájljainak új nevei nem kerültek biztosan a lemezre.\n"
                       "Az eszköz valószínűleg nem érhető el.\nMielőtt kiveszi vagy kikapcsolja a lemezt, nézze meg, megvannak-e a fájlok."});
        add("case-blind: case only", {.files = {"a.txt", "B.TXT"}, .settings = lower, .world = "case-blind", .after = {"a.txt", "b.txt"}});
        add("links in a loop", {.files = {"\xC5\x90.txt", "l.txt>m.txt", "m.txt>l.txt"}, .settings = threePasses, .after = {"l.txt", "m.txt", "o.txt"}});
        add("link comes alive", {.files = {"C.TXT", "a.txt", "á.txt>c.txt"}, .settings = threePasses, .after = {"C.TXT", "a.txt", "á.txt"},
            .message = refusal("á.txt", "a.txt", taken), .refreshes = 0});

        add("disk refuses the first", {.files = abc, .failAt = 1, .after = {"a.txt", "b.txt", "c.txt"}, .message = refusal("a.txt", "000.txt", openFile)});
        add("disk refuses the third", {.files = {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}, .failAt = 3,
            .after = {"000.txt", "001.txt", "c.txt", "d.txt", "e.txt"}, .message = refusal("c.txt", "002.txt", openFile, stopped)});
        add("case only: in the folder's order", {.files = {"A.TXT", "B.TXT", "C.TXT"}, .settings = lower, .failAt = 2,
            .after = {"A.TXT", "B.TXT", "c.txt"}, .message = refusal("B.TXT", "b.txt", openFile, stopped)});
        add("no folder chosen", {.files = abc, .settings = {.folder = DiskName::fromText("*elérési út*")}, .after = {"a.txt", "b.txt", "c.txt"},
            .message = "Nincs megnyitott könyvtár. Válasszon egyet az „Új könyvtár” gombbal."});
        add("folder removed before", {.files = abc, .world = "folder", .message = refusal("a.txt", "000.txt", missing)});
        add("folder removed during", {.files = abc, .failAt = 2, .world = "folder", .message = refusal("b.txt", "001.txt", missing, stopped)});
    }

    void run()
    {
        QFETCH(RunRow, row);
        auto [files, pattern, settings, selection, failAt, world, after, message, refreshes, firstUntouched] = row;
        TemporaryFolder folder, elsewhere;
        const QByteArray readOnly = QFile::encodeName(folder.path()) + '/' + files.first();
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
        ScriptedWindow window(fileSystem, folder.path(), pattern);
        window.selected = QSet<int>(selection.begin(), selection.end());
        if (settings.folder.bytes.isEmpty())
            settings.folder = folder.diskPath();
        if (world == u"swapped" && QDir().rename(folder.path(), elsewhere.filePath("listed")) && QDir().mkdir(folder.path()))
            populate();
        else if (failAt == 0 && !world.isEmpty() && !fileSystem.ignoresCase && !fileSystem.unsaved)
            remove();
        const QByteArrayList listed = nameList(window.names());
        const std::optional<PlayedRun> played = playRun(window.listedFiles(), fileSystem, settings);
        RenameCommand command(window, window, fileSystem);

        const std::optional<RenameFailure> failure = command.Command1_Click(settings);

        QCOMPARE(failure ? failure->message().replace(folder.path(), QDir::tempPath() + "/*") : QString(), message);
        QCOMPARE(folder.entries(), after);
        QVERIFY(!failure || (failure->newName.size() > 80 ? failure->details().endsWith(failure->newName) : failure->details().isEmpty()));
        QCOMPARE(window.refreshes, refreshes);
        // However many passes rename a file, it gets one attribute step.
        QCOMPARE(QSet<quint64>(fileSystem.attributeSteps.begin(), fileSystem.attributeSteps.end()).size(), fileSystem.attributeSteps.size());
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
            checkRenamedAsPlayed(folder, *played, listed, files.first(), firstUntouched);
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
    // The disk gets the names the play left on its copy; the attribute step, taken by every file a
    // pass goes over, renamed or not, gives the owner the write bit and keeps every other bit.
    static void checkRenamedAsPlayed(const TemporaryFolder &folder, const PlayedRun &played, const QByteArrayList &listed,
                                     const QByteArray &first, bool firstUntouched)
    {
        const QMap<QByteArray, QByteArray> names = folder.namesByContent();
        for (int index = 0; index < listed.size(); ++index)
            QCOMPARE(played.finalNames.at(index).toByteArray(), names.value(listed.at(index)));
        QCOMPARE(modeOf(QFile::encodeName(folder.path()) + '/' + names.value(first)), mode_t(firstUntouched ? 0440 : 0640));
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
