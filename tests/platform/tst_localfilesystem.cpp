#include "engine/FolderCopy.h"
#include "platform/FileHandle_posix.h"
#include "platform/FileNameOrder.h"
#include "platform/LocalFileSystem.h"
#include "platform/MountTable_linux.h"
#include "platform/SystemVolumes.h"
#include "support/NameList.h"
#include "support/TemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>

#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>

Q_DECLARE_METATYPE(FileError)

namespace {

// UTF-8 names among Windows-1250 ones (Zoltán, béla, Árvíz) and UTF-8 that spells the
// replacement character.
const QByteArrayList files = {"Zolt\xE1n.txt", "adam.txt", "Ádám.txt", "Adam.txt", "b\xE9la.JPG", "B", "Bea.txt",
                              "\xC1rv\xEDz.txt", "\xEF\xBF\xBDrv.txt"};

// A desktop's mount table: the system's own mounts (/proc, /dev/shm, /run), a memory card, an
// exFAT and an NTFS disk through FUSE, an sshfs mount whose server is gone, whose size cannot be
// read, a card mounted at a Windows-1250 name and an exFAT card. The disk mounted at /mnt/old is
// hidden by the later mount on the same folder; the last line is cut short.
const QByteArray sampleTable = R"(21 26 0:20 / /proc rw,relatime - proc proc rw
22 26 0:5 / /dev/shm rw,nosuid - tmpfs tmpfs rw
26 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda1 rw
27 26 0:24 / /run rw,nosuid - tmpfs tmpfs rw,mode=755
28 27 0:50 / /run/user/1000/doc rw,nosuid - fuse.portal portal rw,user_id=1000
29 26 0:25 / /tmp rw - tmpfs tmpfs rw
30 27 8:17 / /run/media/anna/FOTO\040KARTYA rw,nosuid shared:5 master:3 - vfat /dev/sdb1 rw,fmask=0022
31 26 8:33 / /mnt/old rw - ext4 /dev/sdc1 rw
32 26 0:51 / /mnt/old rw - fuseblk.exfat /dev/sdd1 rw,user_id=0
33 26 0:52 / /media/ntfs rw - fuseblk.ntfs-3g /dev/sde1 rw,user_id=0
34 26 0:53 / /home/anna/szerver rw,nosuid,nodev - fuse.sshfs anna@szerver: rw,user_id=1000
36 26 8:49 / /media/k\351p rw - vfat /dev/sdf1 rw
37 26 8:65 / /media/exfat rw - exfat /dev/sdg1 rw
35 26 0:54 / /mnt/cut rw - ext4)";

// The disk that holds the temporary folder: the host's own, or in the disk tests' virtual machine
// each file system under its kernel driver, where only `rename` and `playTellsCaseAsRun` run.
// DISK_TEST_CASE_BLIND=1 says the disk finds names in any letter case, or is one that cameras read so.
const bool caseBlind = qgetenv("DISK_TEST_CASE_BLIND") == "1";

// "b=>a" is a hard link b to the file a, "b->a" a symbolic link; any other entry is a file that
// holds its own name. Answers whether the disk could hold the entry.
bool makeEntry(const TemporaryFolder &folder, const QByteArray &entry)
{
    const std::string path = QFile::encodeName(folder.path()).toStdString() + '/';
    std::error_code error;
    if (const qsizetype arrow = entry.indexOf("=>"); arrow > 0)
        std::filesystem::create_hard_link(path + entry.mid(arrow + 2).toStdString(), path + entry.first(arrow).toStdString(), error);
    else if (const qsizetype arrow = entry.indexOf("->"); arrow > 0)
        std::filesystem::create_symlink(entry.mid(arrow + 2).toStdString(), path + entry.first(arrow).toStdString(), error);
    else
        return bool(std::ofstream(path + entry.toStdString(), std::ios::binary) << entry.toStdString());
    return !error;
}

} // namespace

class TestLocalFileSystem : public QObject {
    Q_OBJECT

private slots:
    void listsByShownTextInOrder_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("Hungarian order") << "*.*" << "hu_HU"
                                         << QStringList{"Adam.txt", "adam.txt", "Ádám.txt", "Árvíz.txt", "B", "Bea.txt",
                                                        "béla.JPG", "link.jpg", "out.jpg", "Zoltán.txt", "\uFFFDrv.txt"};
        QTest::newRow("pattern on the text, C locale") << "á*.TXT;*.jpg" << "C"
                                                       << QStringList{"Ádám.txt", "Árvíz.txt", "béla.JPG", "link.jpg", "out.jpg"};
    }

    // Only visible regular files are listed, links to them included, each by the bytes the folder
    // holds; the play's copy of the folder lists the same.
    void listsByShownTextInOrder()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, locale);
        TemporaryFolder folder, elsewhere;
        for (const QByteArray &name : files)
            folder.create(name, name);
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub.jpg")));
        for (const QByteArray entry : {"..hidden.jpg", "dirlink.jpg->sub.jpg", "broken.jpg->nowhere", "link.jpg->..hidden.jpg"})
            QVERIFY(makeEntry(folder, entry));
        elsewhere.createAll({"x.jpg"});
        QVERIFY(QFile::link(elsewhere.filePath("x.jpg"), folder.filePath("out.jpg")));
        QLocale::setDefault(QLocale(locale));

        const QByteArrayList listed = nameList(m_fileSystem.listFiles(folder.diskPath(), pattern, ListingOrder::Alphabetical).names);

        QStringList shown;
        for (const QByteArray &name : listed)
            shown << DiskName::textOf(name);
        QTEST(shown, "names");
        for (const QByteArray &name : listed)
            QVERIFY(files.contains(name) || name == "link.jpg" || name == "out.jpg");
        const FolderContents contents = m_fileSystem.readContents(folder.diskPath());
        QCOMPARE(contents.size(), files.size() + 6); // hidden names, folders and links too
        QCOMPARE(nameList(FolderCopy(contents).listFiles({}, pattern, ListingOrder::Alphabetical).names), listed);
        TemporaryFolder plain; // no name to ask the disk by, empty and with names without letters
        QVERIFY(!m_fileSystem.readContents(plain.diskPath()).ignoresCase);
        plain.createAll({"000", "1"});
        QVERIFY(!m_fileSystem.readContents(plain.diskPath()).ignoresCase);
        // A path copied from an old disk may hold a Windows-1250 name below UTF-8 ones.
        QCOMPARE(DiskName::textOf("/Ny\xC3\xA1r/\xC1rv\xEDz"), QStringLiteral("/Nyár/Árvíz"));
    }

    // A long list is put in order in two halves at once; the halves meet as one order, and two
    // names that show the same text follow their bytes.
    void longListIsOneOrder()
    {
        QLocale::setDefault(QLocale(QStringLiteral("hu_HU")));
        QByteArrayList expected;
        for (int number = 0; number < 15'000; ++number) {
            const QByteArray digits = QByteArray::number(number).rightJustified(5, '0');
            expected << "\xC3\xA1_" + digits << "\xE1_" + digits; // "á" in UTF-8, then in Windows-1250
        }
        PackedNames names;
        for (auto name = expected.crbegin(); name != expected.crend(); ++name)
            names.append(*name);
        sortFileNames(names);
        QCOMPARE(nameList(names), expected);
    }

    // Volumes are listed without reading them, each labelled here by its source; a path belongs to
    // the deepest; the single read-only flag and the disks read without regard to case are told by
    // mount type.
    void sampleMountTableIsRead()
    {
        const QList<Mount> mounts = parseMountTable(sampleTable);
        const QList<Volume> volumes = SystemVolumes::browsableVolumes(mounts, [](const QString &source) { return source; });
        QStringList listed;
        for (const Volume &volume : volumes)
            listed << volume.root.text + u'|' + volume.label;
        QList<int> holding; // the deepest root that holds the path, not one the path only begins like
        for (const QString path : {"/media/ntfs/x", "/media/ntfsx", "/media/kép", "/run/media/anna/FOTO KARTYA/DCIM"})
            holding << volumeIndexHolding(volumes, path);
        QCOMPARE(holding, (QList<int>{4, 0, 6, 2}));
        QCOMPARE(listed, (QStringList{"/|/dev/vda1", "/tmp|tmpfs", "/run/media/anna/FOTO KARTYA|/dev/sdb1", "/mnt/old|/dev/sdd1",
                                      "/media/ntfs|/dev/sde1", "/home/anna/szerver|anna@szerver:", "/media/kép|/dev/sdf1", "/media/exfat|/dev/sdg1"}));
        QCOMPARE(mounts.at(mounts.size() - 2).mountPoint.bytes, QByteArray("/media/k\xE9p")); // reached by its own bytes
        QStringList singleFlag, caseBlind;
        for (const Mount &mount : mounts) {
            if (keepsSingleReadOnlyFlag(mount.type))
                singleFlag << mount.mountPoint.text;
            if (isCaseBlindElsewhere(mount.type))
                caseBlind << mount.mountPoint.text;
        }
        QCOMPARE(singleFlag, (QStringList{"/run/media/anna/FOTO KARTYA", "/mnt/old", "/media/ntfs", "/media/kép", "/media/exfat"}));
        QCOMPARE(caseBlind, (QStringList{"/run/media/anna/FOTO KARTYA", "/mnt/old", "/media/kép", "/media/exfat"}));
        const FileHandle proc(::open("/proc", O_RDONLY | O_DIRECTORY)); // the type of an opened folder's own mount
        QCOMPARE(mountTypeOf(proc.get()), QByteArray("proc"));
    }

    // The first entry, read-only, takes the attribute step, which makes it writable, and gets the new
    // name; refused, it is read-only again. No file content may go missing, whatever the result.
    void rename_data()
    {
        QTest::addColumn<QByteArrayList>("entries");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<FileError>("result");
        QTest::addColumn<QStringList>("after");

        const FileError ok, taken = FileCondition::NameTaken;
        QTest::newRow("free name") << QByteArrayList{"a.jpg"} << "b.jpg" << ok << QStringList{"b.jpg"};
        QTest::newRow("taken name") << QByteArrayList{"a.jpg", "b.jpg"} << "b.jpg" << taken << QStringList{"a.jpg", "b.jpg"};
        QTest::newRow("case only") << QByteArrayList{"a.jpg"} << "A.JPG" << ok << QStringList{"A.JPG"};
        QTest::newRow("accented case change") << QByteArrayList{"árvíz.jpg"} << "ÁRVÍZ.JPG" << ok << QStringList{"ÁRVÍZ.JPG"};
        QTest::newRow("case twin of another file") << QByteArrayList{"a.jpg", "B.JPG"} << "b.jpg" << (caseBlind ? taken : ok)
                                                   << (caseBlind ? QStringList{"B.JPG", "a.jpg"} : QStringList{"B.JPG", "b.jpg"});
        QTest::newRow("legacy name") << QByteArrayList{"\xE1rv\xEDz.jpg"} << "árvíz.jpg" << ok << QStringList{"árvíz.jpg"};
        QTest::newRow("hard link of the file") << QByteArrayList{"a.jpg", "b.jpg=>a.jpg"} << "b.jpg" << taken
                                               << QStringList{"a.jpg", "b.jpg"};
        QTest::newRow("symbolic link to nowhere") << QByteArrayList{"a.jpg", "b.jpg->none"} << "b.jpg" << taken
                                                  << QStringList{"a.jpg", "b.jpg"};
    }
    void rename()
    {
        QFETCH(QByteArrayList, entries);
        QFETCH(QString, newName);
        TemporaryFolder folder;
        for (const QByteArray &entry : entries) {
            if (!makeEntry(folder, entry))
                QSKIP(qPrintable(QStringLiteral("This disk cannot hold %1").arg(DiskName::textOf(entry))));
        }
        const QList<QByteArray> contents = folder.namesByContent().keys();
        const QByteArray path = QFile::encodeName(folder.path()) + '/';
        struct stat status {}; // every write bit cleared, as vfat takes a read-only flag
        QVERIFY(::stat(path + entries.first(), &status) == 0 && ::chmod(path + entries.first(), status.st_mode & 07555) == 0);

        const std::unique_ptr<RenameFolder> opened = m_fileSystem.openFolder(folder.diskPath());
        FileIdentity file;
        QCOMPARE(opened->setArchiveOnly(DiskName::fromBytes(entries.first()), file), FileError());
        QFETCH(FileError, result);
        QCOMPARE(opened->rename(DiskName::fromBytes(entries.first()), DiskName::fromText(newName)), result);
        QCOMPARE(opened->makeDurable(), FileError());
        QTEST(folder.entries(), "after");
        QCOMPARE(folder.namesByContent().keys(), contents);
        QVERIFY(::stat(path + folder.namesByContent().value(entries.first()), &status) == 0);
        QCOMPARE(bool(status.st_mode & S_IWUSR), !result);
    }

    // The play meets the same taken names as the run.
    void playTellsCaseAsRun()
    {
        TemporaryFolder folder;
        folder.createAll({"a.jpg"});
        QCOMPARE(m_fileSystem.readContents(folder.diskPath()).ignoresCase, caseBlind);
    }

private:
    LocalFileSystem m_fileSystem;
};

QTEST_GUILESS_MAIN(TestLocalFileSystem)
#include "tst_localfilesystem.moc"
