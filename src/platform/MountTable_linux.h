#pragma once

#include "platform/DiskName.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One mount of the kernel's mount table.
struct Mount {
    int id = -1;
    DiskName mountPoint;
    // As the kernel names it: "ext4", "vfat", and for FUSE "fuse", "fuseblk" or "fuse.sshfs".
    QByteArray type;
    QString source;
};

// The mounts of a text in the form of /proc/self/mountinfo, in the order the kernel lists them.
QList<Mount> parseMountTable(const QByteArray &text);

// This process's mounts.
QList<Mount> readMountTable();

// The type of the mount that holds an open file or folder; empty when it cannot be told.
QByteArray mountTypeOf(int descriptor);

// vfat, exfat and NTFS keep one read-only flag for everybody instead of permission bits, also
// when a FUSE program serves them and names itself in the mount's type.
bool keepsSingleReadOnlyFlag(const QByteArray &type);

// vfat and exfat disks (memory cards, USB sticks) are read by cameras and other systems that find
// a name in any letter case, whatever this mount does.
bool isCaseBlindElsewhere(const QByteArray &type);

// ext4, xfs, btrfs and zfs commit renames through a journal in the order they were made, within
// seconds, so that a power cut leaves each file under its old name or its new one; tmpfs loses
// everything anyway.
bool ordersRenamesByJournal(const QByteArray &type);
