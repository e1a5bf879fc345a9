#include "platform/MountTable_linux.h"

#include <QFile>
#include <QSet>

#include <optional>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The table writes a blank, a tab, a line break and a backslash in names as \040, \011, \012, \134.
QByteArray unescaped(const QByteArray &field)
{
    QByteArray bytes;
    for (qsizetype at = 0; at < field.size(); ++at) {
        bool octal = false;
        const int code = field.at(at) == '\\' ? field.mid(at + 1, 3).toInt(&octal, 8) : 0;
        if (octal && at + 3 < field.size()) {
            bytes.append(char(code));
            at += 3;
        } else {
            bytes.append(field.at(at));
        }
    }
    return bytes;
}

// "36 35 98:0 / /mnt rw,noatime master:1 - ext3 /dev/root rw": id, parent, device, root, mount
// point, options, optional fields up to "-", then type and source.
std::optional<Mount> parseLine(const QByteArray &line)
{
    const QList<QByteArray> fields = line.split(' ');
    const qsizetype separator = fields.indexOf("-", 6);
    if (separator < 0 || separator + 2 >= fields.size())
        return std::nullopt;
    return Mount{fields.at(0).toInt(), DiskName::fromBytes(unescaped(fields.at(4))), fields.at(separator + 1),
                 QFile::decodeName(unescaped(fields.at(separator + 2)))};
}

} // namespace

QList<Mount> parseMountTable(const QByteArray &text)
{
    QList<Mount> mounts;
    for (const QByteArray &line : text.split('\n')) {
        if (const std::optional<Mount> mount = parseLine(line))
            mounts.append(*mount);
    }
    return mounts;
}

QList<Mount> readMountTable()
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    return table.open(QIODevice::ReadOnly) ? parseMountTable(table.readAll()) : QList<Mount>();
}

QByteArray mountTypeOf(int descriptor)
{
    struct statx status {};
    if (::statx(descriptor, "", AT_EMPTY_PATH, STATX_MNT_ID, &status) != 0 || !(status.stx_mask & STATX_MNT_ID))
        return {};
    for (const Mount &mount : readMountTable()) {
        if (mount.id == int(status.stx_mnt_id))
            return mount.type;
    }
    return {};
}

namespace {

// What a FUSE program names itself after "fuse.", in lower case; empty for other mounts.
QByteArray fuseSubtype(const QByteArray &type)
{
    const qsizetype dot = type.indexOf('.');
    return type.startsWith("fuse") && dot >= 0 ? type.mid(dot + 1).toLower() : QByteArray();
}

} // namespace

bool keepsSingleReadOnlyFlag(const QByteArray &type)
{
    static const QSet<QByteArray> kernelDrivers = {"vfat", "msdos", "exfat", "ntfs", "ntfs3"};
    const QByteArray subtype = fuseSubtype(type);
    return kernelDrivers.contains(type) || subtype.contains("fat") || subtype.contains("ntfs");
}

bool isCaseBlindElsewhere(const QByteArray &type)
{
    return type == "vfat" || type == "msdos" || type == "exfat" || fuseSubtype(type).contains("fat");
}

bool ordersRenamesByJournal(const QByteArray &type)
{
    static const QSet<QByteArray> journalled = {"ext3", "ext4", "xfs", "btrfs", "zfs", "tmpfs"};
    return journalled.contains(type);
}
