#include "platform/MountTable_linux.h"
#include "platform/SystemVolumes.h"
#include "support/TemporaryFolder.h"

#include <QFile>
#include <QStorageInfo>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A desktop's mount table: the system's own mounts, a memory card, an exFAT and an NTFS disk
// through FUSE, and an sshfs mount whose server is gone, whose size cannot be read. The disk
// mounted at /mnt/old is hidden by the later mount on the same folder; the last line is cut short.
const QByteArray sampleTable = R"(21 26 0:20 / /proc rw,relatime - proc proc rw
26 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda1 rw
27 26 0:24 / /run rw,nosuid - tmpfs tmpfs rw,mode=755
28 27 0:50 / /run/user/1000/doc rw,nosuid - fuse.portal portal rw,user_id=1000
29 26 0:25 / /tmp rw - tmpfs tmpfs rw
30 27 8:17 / /run/media/anna/FOTO\040KARTYA rw,nosuid shared:5 master:3 - vfat /dev/sdb1 rw,fmask=0022
31 26 8:33 / /mnt/old rw - ext4 /dev/sdc1 rw
32 26 0:51 / /mnt/old rw - fuseblk.exfat /dev/sdd1 rw,user_id=0
33 26 0:52 / /media/ntfs rw - fuseblk.ntfs-3g /dev/sde1 rw,user_id=0
34 26 0:53 / /home/anna/szerver rw,nosuid,nodev - fuse.sshfs anna@szerver: rw,user_id=1000
35 26 0:54 / /mnt/cut rw - ext4)";

} // namespace

class TestMountTable : public QObject {
    Q_OBJECT

private slots:
    void sampleTableIsRead();
    void volumeHoldingPath_data();
    void volumeHoldingPath();
    void openFolderIsFoundInTheTable();
};

// Volumes are listed without reading them, each labelled here by its source; the single
// read-only flag is told by mount type.
void TestMountTable::sampleTableIsRead()
{
    const QList<Mount> mounts = parseMountTable(sampleTable);
    QStringList listed;
    for (const Volume &volume : SystemVolumes::browsableVolumes(mounts, [](const QString &source) { return source; }))
        listed << volume.rootPath + u'|' + volume.label;
    QCOMPARE(listed, (QStringList{"/|/dev/vda1", "/tmp|tmpfs", "/run/media/anna/FOTO KARTYA|/dev/sdb1", "/mnt/old|/dev/sdd1",
                                  "/media/ntfs|/dev/sde1", "/home/anna/szerver|anna@szerver:"}));
    QStringList singleFlag;
    for (const Mount &mount : mounts) {
        if (keepsSingleReadOnlyFlag(mount.type))
            singleFlag << mount.mountPoint;
    }
    QCOMPARE(singleFlag, (QStringList{"/run/media/anna/FOTO KARTYA", "/mnt/old", "/media/ntfs"}));
}

void TestMountTable::volumeHoldingPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("index");
    QTest::newRow("below the deeper root") << "/media/a/x" << 0;
    QTest::newRow("the root itself") << "/media/a" << 0;
    QTest::newRow("a folder the root's path is a prefix of") << "/media/ab/x" << 1;
    QTest::newRow("below the deepest root, listed last") << "/media/a/b/c" << 2;
}

// Roots come in no particular order: a later mount may be deeper or shallower.
void TestMountTable::volumeHoldingPath()
{
    QFETCH(QString, path);
    QTEST(volumeIndexHolding({{"/media/a/", {}}, {"/", {}}, {"/media/a/b", {}}}, path), "index");
}

// The mount that holds an open folder is found by its mount id.
void TestMountTable::openFolderIsFoundInTheTable()
{
    TemporaryFolder folder;
    const int descriptor = ::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY);
    const QByteArray type = mountTypeOf(descriptor);
    ::close(descriptor);
    QCOMPARE(type, QStorageInfo(folder.path()).fileSystemType());
}

QTEST_GUILESS_MAIN(TestMountTable)
#include "tst_mounttable.moc"
