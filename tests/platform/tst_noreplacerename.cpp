#include "NoReplaceRename_posix.h"

#include <QMap>
#include <QTest>

#include <cerrno>
#include <utility>

Q_DECLARE_METATYPE(FileError)

namespace {

// A folder held in memory that answers as vfat does: names are found without regard to case,
// a no-replace rename onto another spelling of an existing name is refused, and a plain rename
// onto such an alias succeeds without doing anything. Optionally it knows no no-replace flag.
class FakeVfatCalls final : public SystemCalls {
public:
    QMap<QByteArray, QByteArray> spellings; // lower-case key -> name as stored
    bool knowsNoReplaceFlag = true;
    int failSecondStepWith = 0;
    QList<QByteArray> calls;

    void add(const QByteArray &name) { spellings.insert(name.toLower(), name); }
    QByteArrayList names() const { return spellings.values(); }

    int renameNoReplace(int, const char *from, const char *to) override
    {
        calls << "noreplace " + QByteArray(from) + " " + to;
        if (!knowsNoReplaceFlag)
            return spellings.contains(QByteArray(to).toLower()) ? EEXIST : EINVAL;
        if (!spellings.contains(QByteArray(from).toLower()))
            return ENOENT;
        if (spellings.contains(QByteArray(to).toLower()))
            return EEXIST;
        if (failSecondStepWith && QByteArray(from).startsWith('.'))
            return std::exchange(failSecondStepWith, 0);
        spellings.remove(QByteArray(from).toLower());
        add(to);
        return 0;
    }

    int renamePlain(int, const char *from, const char *to) override
    {
        calls << "plain " + QByteArray(from) + " " + to;
        if (!spellings.contains(QByteArray(from).toLower()))
            return ENOENT;
        if (QByteArray(from).toLower() == QByteArray(to).toLower())
            return 0;
        spellings.remove(QByteArray(from).toLower());
        add(to);
        return 0;
    }

    int identify(int, const char *name, FileIdentity *identity) override
    {
        const QByteArray key = QByteArray(name).toLower();
        if (!spellings.contains(key))
            return ENOENT;
        *identity = {1, ino_t(qHash(key))};
        return 0;
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
    void caseOnlyRenameOnCaseBlindFileSystem();
    void secondStepFailureIsUndone();
    void otherFileIsTakenName();
    void withoutFlagRenamesOnlyOntoAbsentName_data();
    void withoutFlagRenamesOnlyOntoAbsentName();
    void namesLeavingTheFolderAreRefused_data();
    void namesLeavingTheFolderAreRefused();
};

void TestNoReplaceRename::caseOnlyRenameOnCaseBlindFileSystem()
{
    FakeVfatCalls vfat;
    vfat.add("KÉP.JPG");
    NoReplaceRename routine(vfat);

    QCOMPARE(routine.rename(3, held("KÉP.JPG"), QStringLiteral("kép.jpg")), FileError());

    QCOMPARE(vfat.names(), QByteArrayList{"kép.jpg"});
    QVERIFY(!vfat.calls.join(' ').contains("plain"));
}

void TestNoReplaceRename::secondStepFailureIsUndone()
{
    FakeVfatCalls vfat;
    vfat.add("A.TXT");
    vfat.failSecondStepWith = EIO;
    NoReplaceRename routine(vfat);

    QCOMPARE(routine.rename(3, held("A.TXT"), QStringLiteral("a.txt")), FileError(FileCondition::DeviceUnavailable));

    QCOMPARE(vfat.names(), QByteArrayList{"A.TXT"});
}

void TestNoReplaceRename::otherFileIsTakenName()
{
    FakeVfatCalls vfat;
    vfat.add("a.txt");
    vfat.add("B.TXT");
    NoReplaceRename routine(vfat);

    QCOMPARE(routine.rename(3, held("a.txt"), QStringLiteral("b.txt")), FileError(FileCondition::NameTaken));

    QCOMPARE(vfat.names(), (QByteArrayList{"a.txt", "B.TXT"}));
}

void TestNoReplaceRename::withoutFlagRenamesOnlyOntoAbsentName_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<FileError>("result");
    QTest::addColumn<QByteArrayList>("names");

    QTest::newRow("absent") << "c.txt" << FileError() << QByteArrayList{"b.txt", "c.txt"};
    QTest::newRow("taken") << "b.txt" << FileError(FileCondition::NameTaken) << QByteArrayList{"a.txt", "b.txt"};
}

void TestNoReplaceRename::withoutFlagRenamesOnlyOntoAbsentName()
{
    QFETCH(QString, newName);
    FakeVfatCalls fuse;
    fuse.knowsNoReplaceFlag = false;
    fuse.add("a.txt");
    fuse.add("b.txt");
    NoReplaceRename routine(fuse);

    QTEST(routine.rename(3, held("a.txt"), newName), "result");
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
    FakeVfatCalls vfat;
    vfat.add("a.txt");
    NoReplaceRename routine(vfat);

    QCOMPARE(routine.rename(3, held("a.txt"), newName), FileError(FileCondition::InvalidFileName));
    QVERIFY(vfat.calls.isEmpty());
}

QTEST_GUILESS_MAIN(TestNoReplaceRename)
#include "tst_noreplacerename.moc"
