#include "platform/LinuxRenameFolder_linux.h"
#include "support/TemporaryFolder.h"

#include <QFile>
#include <QMap>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

Q_DECLARE_METATYPE(FileError)

namespace {

// A folder held in memory that answers as vfat does by default: names are found without regard
// to case, a no-replace rename onto another spelling of an existing name is refused, and a plain
// rename onto such an alias succeeds without doing anything. Switches make it a case-blind FUSE
// file system (each spelling its own inode number, no no-replace flag, perhaps no hard links) or
// a case-sensitive one.
class FakeFolderCalls final : public SystemCalls {
public:
    bool ignoresCase = true;
    bool inodePerSpelling = false;
    bool knowsNoReplaceFlag = true;
    bool hasLinks = true;
    int parkedMoveFailures = 0; // moves from a hidden name that fail with EIO
    QByteArray createdMeanwhile; // another program creates it just before a plain rename or link

    void add(const QByteArray &name, int inode = 0) { m_entries.insert(key(name), {name, inode ? inode : ++m_inodes}); }
    QByteArrayList names() const
    {
        QByteArrayList names;
        for (const auto &entry : m_entries)
            names << entry.first;
        return names;
    }

    int renameNoReplace(int, const char *from, const char *to) override
    {
        if (!knowsNoReplaceFlag)
            return m_entries.contains(key(to)) ? EEXIST : EINVAL;
        if (!m_entries.contains(key(from)))
            return ENOENT;
        if (m_entries.contains(key(to)))
            return EEXIST;
        if (from[0] == '.' && parkedMoveFailures > 0 && parkedMoveFailures--)
            return EIO;
        move(from, to);
        return 0;
    }

    int renamePlain(int, const char *from, const char *to) override
    {
        addCreatedMeanwhile();
        if (!m_entries.contains(key(from)))
            return ENOENT;
        if (key(from) != key(to))
            move(from, to);
        return 0;
    }

    int link(int, const char *from, const char *to) override
    {
        addCreatedMeanwhile();
        if (!hasLinks)
            return EPERM;
        if (m_entries.contains(key(to)))
            return EEXIST;
        add(to, m_entries.value(key(from)).second);
        return 0;
    }

    int unlink(int, const char *name) override { return m_entries.remove(key(name)) ? 0 : ENOENT; }

    int identify(int, const char *name, FileIdentity *identity) override
    {
        if (!m_entries.contains(key(name)))
            return ENOENT;
        *identity = {1, ino_t(inodePerSpelling ? qHash(QByteArray(name)) : m_entries.value(key(name)).second)};
        return 0;
    }

    int hasEntrySpelled(int, const char *name, bool *found) override
    {
        *found = names().contains(name);
        return 0;
    }

    int openEntry(int, const char *, int *, struct stat *) override { return ENOSYS; }
    int changeMode(int, mode_t) override { return ENOSYS; }

private:
    QByteArray key(const QByteArray &name) const { return ignoresCase ? QString::fromUtf8(name).toLower().toUtf8() : name; }
    void move(const QByteArray &from, const QByteArray &to) { add(to, m_entries.take(key(from)).second); }
    void addCreatedMeanwhile()
    {
        if (!createdMeanwhile.isEmpty())
            add(std::exchange(createdMeanwhile, {}));
    }

    QMap<QByteArray, std::pair<QByteArray, int>> m_entries;
    int m_inodes = 0;
};

// Another user who can write to the folder swaps the entry for a link to a file elsewhere right
// after the attribute step has looked at it.
class SwappingCalls final : public KernelCalls {
public:
    QByteArray linkTarget;

    int openEntry(int folder, const char *name, int *handle, struct stat *status) override
    {
        const int error = KernelCalls::openEntry(folder, name, handle, status);
        if (::unlinkat(folder, name, 0) != 0 || ::symlinkat(linkTarget.constData(), folder, name) != 0)
            qFatal("Could not swap %s", name);
        return error;
    }
};

// A name as the folder holds it, given in UTF-8.
DiskName held(const char *name)
{
    return DiskName::fromBytes(name);
}

} // namespace

class TestNoReplaceRename : public QObject {
    Q_OBJECT

private slots:
    void caseOnlyRename_data();
    void caseOnlyRename();
    void parkedFileIsPutBack_data();
    void parkedFileIsPutBack();
    void withoutFlagNeverReplaces_data();
    void withoutFlagNeverReplaces();
    void namesLeavingTheFolderAreRefused_data();
    void namesLeavingTheFolderAreRefused();
    void attributeStepNeverFollowsSwappedLink();
};

void TestNoReplaceRename::caseOnlyRename_data()
{
    QTest::addColumn<bool>("ignoresCase");
    QTest::addColumn<bool>("fuse");
    QTest::addColumn<QByteArrayList>("files");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<FileError>("result");
    QTest::addColumn<QByteArrayList>("names");

    const QByteArrayList photo = {"KÉP.JPG"};
    QTest::newRow("vfat") << true << false << photo << "kép.jpg" << FileError() << QByteArrayList{"kép.jpg"};
    QTest::newRow("case-blind FUSE") << true << true << photo << "kép.jpg" << FileError() << QByteArrayList{"kép.jpg"};
    QTest::newRow("other file so spelled") << false << true << QByteArrayList{"KÉP.JPG", "kép.jpg"} << "kép.jpg"
                                           << FileError(FileCondition::NameTaken) << QByteArrayList{"KÉP.JPG", "kép.jpg"};
    QTest::newRow("other file") << true << false << QByteArrayList{"a.txt", "B.TXT"} << "b.txt"
                                << FileError(FileCondition::NameTaken) << QByteArrayList{"a.txt", "B.TXT"};
}

// A case-blind FUSE file system as exfat-fuse is: no no-replace flag and no hard links.
void TestNoReplaceRename::caseOnlyRename()
{
    QFETCH(bool, ignoresCase);
    QFETCH(bool, fuse);
    QFETCH(QByteArrayList, files);
    QFETCH(QString, newName);
    FakeFolderCalls calls;
    calls.ignoresCase = ignoresCase;
    calls.inodePerSpelling = fuse;
    calls.knowsNoReplaceFlag = calls.hasLinks = !fuse;
    for (const QByteArray &name : files)
        calls.add(name);
    NoReplaceRename routine(calls);

    QTEST(routine.rename(3, held(files.first().constData()), DiskName::fromText(newName)), "result");
    QTEST(calls.names(), "names");
}

void TestNoReplaceRename::parkedFileIsPutBack_data()
{
    QTest::addColumn<int>("failures");
    QTest::newRow("put back") << 1;
    QTest::newRow("put back at second try") << 2;
    QTest::newRow("left parked") << 3;
}

// The second step of a case-only rename fails, and so do the first tries to put the file back.
void TestNoReplaceRename::parkedFileIsPutBack()
{
    QFETCH(int, failures);
    FakeFolderCalls vfat;
    vfat.add("A.TXT");
    vfat.parkedMoveFailures = failures;
    NoReplaceRename routine(vfat);

    QCOMPARE(routine.rename(3, held("A.TXT"), held("a.txt")), FileError(FileCondition::DeviceUnavailable));

    const QByteArrayList expected = {failures < 3 ? QByteArray("A.TXT") : routine.parkedName()};
    QCOMPARE(vfat.names(), expected);
    QCOMPARE(routine.parkedName().startsWith(".atnevezes-"), failures == 3);
}

void TestNoReplaceRename::withoutFlagNeverReplaces_data()
{
    QTest::addColumn<bool>("hasLinks");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QByteArray>("createdMeanwhile");
    QTest::addColumn<FileError>("result");
    QTest::addColumn<QByteArrayList>("names");

    const FileError taken = FileCondition::NameTaken;
    QTest::newRow("links: absent") << true << "c.txt" << QByteArray() << FileError() << QByteArrayList{"b.txt", "c.txt"};
    QTest::newRow("links: taken") << true << "b.txt" << QByteArray() << taken << QByteArrayList{"a.txt", "b.txt"};
    QTest::newRow("links: created meanwhile") << true << "c.txt" << QByteArray("c.txt") << taken
                                              << QByteArrayList{"a.txt", "b.txt", "c.txt"};
    QTest::newRow("no links: absent") << false << "c.txt" << QByteArray() << FileError() << QByteArrayList{"b.txt", "c.txt"};
    QTest::newRow("no links: taken") << false << "b.txt" << QByteArray() << taken << QByteArrayList{"a.txt", "b.txt"};
}

void TestNoReplaceRename::withoutFlagNeverReplaces()
{
    QFETCH(bool, hasLinks);
    QFETCH(QString, newName);
    FakeFolderCalls fuse;
    fuse.knowsNoReplaceFlag = false;
    fuse.hasLinks = hasLinks;
    QFETCH(QByteArray, createdMeanwhile);
    fuse.createdMeanwhile = createdMeanwhile;
    fuse.add("a.txt");
    fuse.add("b.txt");
    NoReplaceRename routine(fuse);

    QTEST(routine.rename(3, held("a.txt"), DiskName::fromText(newName)), "result");
    QTEST(fuse.names(), "names");
}

void TestNoReplaceRename::namesLeavingTheFolderAreRefused_data()
{
    QTest::addColumn<QString>("newName");
    QTest::newRow("separator") << "../a.txt";
    QTest::newRow("empty") << "";
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("hidden") << ".ODO";
    QTest::newRow("nul") << QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b");
}

void TestNoReplaceRename::namesLeavingTheFolderAreRefused()
{
    QFETCH(QString, newName);
    FakeFolderCalls vfat;
    vfat.add("a.txt");
    NoReplaceRename routine(vfat);

    QCOMPARE(routine.rename(3, held("a.txt"), DiskName::fromText(newName)), FileError(FileCondition::InvalidFileName));
    QCOMPARE(vfat.names(), QByteArrayList{"a.txt"});
}

void TestNoReplaceRename::attributeStepNeverFollowsSwappedLink()
{
    TemporaryFolder folder;
    TemporaryFolder elsewhere;
    folder.create(QStringLiteral("a.txt"));
    elsewhere.create(QStringLiteral("private"));
    const QByteArray privateFile = QFile::encodeName(elsewhere.filePath("private"));
    QVERIFY(::chmod(privateFile.constData(), 0400) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder.filePath("a.txt")).constData(), 0400) == 0);
    SwappingCalls calls;
    calls.linkTarget = privateFile;
    LinuxRenameFolder opened(::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY), calls);

    QCOMPARE(opened.setArchiveOnly(held("a.txt")), FileError());

    struct stat status {};
    QVERIFY(::stat(privateFile.constData(), &status) == 0);
    QCOMPARE(status.st_mode & 07777, mode_t(0400));
}

QTEST_GUILESS_MAIN(TestNoReplaceRename)
#include "tst_noreplacerename.moc"
