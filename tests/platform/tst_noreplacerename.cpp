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

// A folder held in memory that answers as one of these file systems does. "vfat" finds names
// without regard to case and refuses a no-replace rename onto another spelling of an existing
// name. "fuse" ignores case too but, as exfat-fuse, has no no-replace flag and no hard links
// (FUSE answers ENOSYS for a call the program lacks), gives each spelling its own inode number,
// and lets a plain rename onto another spelling succeed without doing anything. "links" tells
// spellings apart and has hard links but no flag. "utf8 vfat" is vfat mounted with
// iocharset=utf8, which tells spellings apart as the mount table shows; "ext4" tells them apart
// and has the flag. An "unreadable" folder cannot be listed.
class FakeFolderCalls final : public SystemCalls {
public:
    explicit FakeFolderCalls(const QString &kind) : m_kind(kind) {}

    int ioFailures = 0; // moves from a hidden name that fail with EIO; with -1 every hidden name is taken
    QByteArray createdMeanwhile; // another program creates it just before a plain rename or link

    void add(const QByteArray &name, size_t inode = 0) { m_entries.insert(key(name), {name, inode ? inode : qHash(name)}); }
    QByteArrayList names() const
    {
        QByteArrayList names;
        for (const auto &entry : m_entries)
            names << entry.first;
        return names;
    }

    // The kernel looks for the new name before it asks the file system about the flag.
    int renameNoReplace(int, const char *from, const char *to) override
    {
        if (has(to) || !m_knowsNoReplaceFlag || (to[0] == '.' && ioFailures < 0))
            return has(to) || ioFailures < 0 ? EEXIST : EINVAL;
        return from[0] == '.' && ioFailures-- > 0 ? EIO : move(from, to);
    }
    int renamePlain(int, const char *from, const char *to) override
    {
        addCreatedMeanwhile();
        return key(from) == key(to) ? 0 : move(from, to);
    }
    int link(int, const char *from, const char *to) override
    {
        addCreatedMeanwhile();
        if (!m_hasLinks || has(to))
            return m_hasLinks ? EEXIST : ENOSYS;
        add(to, m_entries.value(key(from)).second);
        return 0;
    }
    int unlink(int, const char *name) override { return m_entries.remove(key(name)) ? 0 : ENOENT; }
    int identify(int, const char *name, FileIdentity *identity) override
    {
        *identity = {1, m_hasLinks ? m_entries.value(key(name)).second : qHash(QByteArray(name))};
        return has(name) ? 0 : ENOENT;
    }
    int readNames(int, QSet<QByteArray> *names) override
    {
        if (!m_readable)
            return EIO;
        const QByteArrayList all = this->names();
        *names = QSet<QByteArray>(all.begin(), all.end());
        return 0;
    }
    int readStatus(int, const char *, struct stat *) override { return ENOSYS; }
    int openEntry(int, const char *, int *, struct stat *) override { return ENOSYS; }
    int changeMode(int, mode_t) override { return ENOSYS; }
    QByteArray mountType(int) override { return m_mountType; }
    int syncFileSystem(int) override { return 0; }

private:
    QByteArray key(const QByteArray &name) const { return m_ignoresCase ? QString::fromUtf8(name).toLower().toUtf8() : name; }
    bool has(const QByteArray &name) const { return m_entries.contains(key(name)); }
    int move(const QByteArray &from, const QByteArray &to)
    {
        if (!has(from))
            return ENOENT;
        add(to, m_entries.take(key(from)).second);
        return 0;
    }
    void addCreatedMeanwhile()
    {
        if (!createdMeanwhile.isEmpty())
            add(std::exchange(createdMeanwhile, {}));
    }

    const QString m_kind;
    const bool m_ignoresCase = m_kind == u"vfat" || m_kind.endsWith(u"fuse");
    const bool m_knowsNoReplaceFlag = m_kind.endsWith(u"vfat") || m_kind == u"ext4";
    const bool m_hasLinks = !m_kind.endsWith(u"fuse");
    const QByteArray m_mountType = m_kind.endsWith(u"vfat") || m_kind == u"ext4" ? m_kind.split(u' ').last().toUtf8() : "fuseblk";
    const bool m_readable = !m_kind.startsWith(u"unreadable");
    QMap<QByteArray, std::pair<QByteArray, size_t>> m_entries; // spelling and inode number by key
};

// The disk refuses every change of mode with `modeError`; with a `linkTarget`, another user who can
// write to the folder swaps the entry for a link to it right after the attribute step has looked.
class AttributeCalls final : public KernelCalls {
public:
    int modeError = 0;
    QByteArray linkTarget;

    int changeMode(int handle, mode_t mode) override { return modeError ? modeError : KernelCalls::changeMode(handle, mode); }
    int readStatus(int folder, const char *name, struct stat *status) override
    {
        const int error = KernelCalls::readStatus(folder, name, status);
        if (!linkTarget.isEmpty() && (::unlinkat(folder, name, 0) != 0 || ::symlinkat(linkTarget.constData(), folder, name) != 0))
            qFatal("Could not swap %s", name);
        return error;
    }
};

} // namespace

class TestNoReplaceRename : public QObject {
    Q_OBJECT

private slots:
    // The first file is renamed after `ioFailures` failing moves from a hidden name; one marked "+"
    // is created by another program during the rename, one marked "OLD=NEW" renamed by the routine
    // before. A file left under a hidden name keeps its old name in it.
    void rename_data()
    {
        using Names = QByteArrayList;
        QTest::addColumn<QString>("fileSystem");
        QTest::addColumn<Names>("files");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<int>("ioFailures");
        QTest::addColumn<FileError>("result");
        QTest::addColumn<Names>("names");

        const FileError ok, taken = FileCondition::NameTaken, lost = FileCondition::DeviceUnavailable;
        const QString longest(255, u'n');
        QTest::newRow("vfat: case only") << "vfat" << Names{"KÉP.JPG"} << "kép.jpg" << 0 << ok << Names{"kép.jpg"};
        QTest::newRow("fuse: case only") << "fuse" << Names{"KÉP.JPG"} << "kép.jpg" << 0 << ok << Names{"kép.jpg"};
        QTest::newRow("fuse: case only, spellings unread") << "unreadable fuse" << Names{"KÉP.JPG"} << "kép.jpg" << 0 << taken << Names{"KÉP.JPG"};
        QTest::newRow("other file so spelled") << "links" << Names{"KÉP.JPG", "kép.jpg"} << "kép.jpg" << 0 << taken
                                               << Names{"KÉP.JPG", "kép.jpg"};
        QTest::newRow("utf8 vfat: case only") << "utf8 vfat" << Names{"KÉP.JPG"} << "kép.jpg" << 0 << ok << Names{"kép.jpg"};
        QTest::newRow("utf8 vfat: case twin of another file") << "utf8 vfat" << Names{"kép.jpg", "KÉP2.JPG"} << "kép2.jpg" << 0
                                                              << taken << Names{"KÉP2.JPG", "kép.jpg"};
        QTest::newRow("utf8 vfat: a name the routine gave") << "utf8 vfat" << Names{"b.jpg", "a.jpg=c.jpg"} << "C.JPG" << 0 << taken
                                                         << Names{"b.jpg", "c.jpg"};
        QTest::newRow("utf8 vfat: a name the routine freed") << "utf8 vfat" << Names{"b.jpg", "a.jpg=c.jpg"} << "A.JPG" << 0 << ok
                                                          << Names{"A.JPG", "c.jpg"};
        QTest::newRow("utf8 vfat: twins cannot be looked for") << "unreadable utf8 vfat" << Names{"a.jpg"} << "b.jpg" << 0 << taken
                                                               << Names{"a.jpg"};
        QTest::newRow("put back") << "vfat" << Names{"A.TXT"} << "a.txt" << 1 << lost << Names{"A.TXT"};
        QTest::newRow("put back at second try") << "vfat" << Names{"A.TXT"} << "a.txt" << 2 << lost << Names{"A.TXT"};
        QTest::newRow("left parked") << "vfat" << Names{"A.TXT"} << "a.txt" << 3 << lost << Names{".atnevezes-1-A.TXT"};
        QTest::newRow("every hidden name taken") << "vfat" << Names{"A.TXT"} << "a.txt" << -1 << FileError(FileCondition::Other) << Names{"A.TXT"};
        QTest::newRow("longest name") << "vfat" << Names{"a.txt"} << longest << 0 << ok << Names{longest.toUtf8()};
        for (const QString fileSystem : {"links", "fuse"}) {
            const Names files = {"a.txt", "b.txt"};
            QTest::addRow("%s: absent", qPrintable(fileSystem)) << fileSystem << files << "c d.txt" << 0 << ok << Names{"b.txt", "c d.txt"};
            QTest::addRow("%s: taken", qPrintable(fileSystem)) << fileSystem << files << "b.txt" << 0 << taken << files;
        }
        QTest::newRow("created meanwhile") << "links" << Names{"a.txt", "b.txt", "+c.txt"} << "c.txt" << 0 << taken
                                           << Names{"a.txt", "b.txt", "c.txt"};
        QTest::newRow("control kept") << "links" << Names{"a\tb.txt"} << "A\tB.TXT" << 0 << ok << Names{"A\tB.TXT"};
        for (const QString &name : QStringList{"../a.txt", "", ".", "..", ".ODO", QStringLiteral("a\0b"), QString(256, u'n'), "a\nb",
                                               "a\x1b.txt", "\u202Aa.txt", "\u202Egpj.exe", QString(QChar(0xD83D)) + ".txt"})
            QTest::addRow("refused %s", qPrintable(name.left(9))) << "vfat" << Names{"a.txt"} << name << 0
                                                                  << FileError(FileCondition::InvalidFileName) << Names{"a.txt"};
    }
    void rename()
    {
        QFETCH(QString, fileSystem);
        QFETCH(QByteArrayList, files);
        QFETCH(QString, newName);
        FakeFolderCalls calls(fileSystem);
        QFETCH(int, ioFailures);
        calls.ioFailures = ioFailures;
        for (const QByteArray &name : files)
            name.startsWith('+') ? void(calls.createdMeanwhile = name.mid(1)) : calls.add(name.split('=').first());
        NoReplaceRename routine(calls);
        for (const QByteArray &name : files.mid(1))
            QVERIFY(!name.contains('=') || !routine.rename(3, DiskName::fromBytes(name.split('=').first()), DiskName::fromBytes(name.split('=').last())));

        QTEST(routine.rename(3, DiskName::fromBytes(files.first()), DiskName::fromText(newName)), "result");
        QTEST(calls.names(), "names");
    }

    // The attribute step reports a mode change the disk refuses, and never follows an entry that
    // another user swaps for a link to another file.
    void attributeStep()
    {
        TemporaryFolder folder;
        folder.createAll({"a.txt", "private"});
        for (const QString name : {"a.txt", "private"})
            QVERIFY(QFile::setPermissions(folder.filePath(name), QFile::ReadOwner));
        AttributeCalls calls;
        LinuxRenameFolder opened(::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY), calls);
        FileIdentity file;
        calls.modeError = EPERM;
        QCOMPARE(opened.setArchiveOnly(DiskName::fromBytes("a.txt"), file), FileError(FileCondition::AccessDenied));
        calls.modeError = 0;
        calls.linkTarget = QFile::encodeName(folder.filePath("private"));
        QCOMPARE(opened.setArchiveOnly(DiskName::fromBytes("a.txt"), file), FileError());
        QVERIFY(!(QFile::permissions(folder.filePath("private")) & QFile::WriteOwner));
    }
};

QTEST_GUILESS_MAIN(TestNoReplaceRename)
#include "tst_noreplacerename.moc"
