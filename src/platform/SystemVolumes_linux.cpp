#include "platform/SystemVolumes.h"

#include "platform/MountTable_linux.h"

#include <QDir>
#include <QHash>
#include <QSet>

namespace {

bool isPseudoFileSystem(const QByteArray &type)
{
    static const QSet<QByteArray> pseudo = {
        "autofs", "binfmt_misc", "bpf", "cgroup", "cgroup2", "configfs", "debugfs", "devpts",
        "devtmpfs", "efivarfs", "fusectl", "hugetlbfs", "mqueue", "nsfs", "proc", "pstore",
        "ramfs", "rpc_pipefs", "securityfs", "squashfs", "sysfs", "tracefs",
    };
    return pseudo.contains(type);
}

bool isUnder(const QString &root, const QString &folder)
{
    return root == folder || root.startsWith(folder + u'/');
}

// Mounts the system keeps for itself (memory-backed scratch, desktop portals); /tmp and media
// mounted under /run/media stay.
bool isSystemOwn(const QString &root)
{
    return isUnder(root, QStringLiteral("/dev")) || isUnder(root, QStringLiteral("/sys"))
        || isUnder(root, QStringLiteral("/proc"))
        || (isUnder(root, QStringLiteral("/run")) && !isUnder(root, QStringLiteral("/run/media")));
}

// udev writes a blank in a label as "\x20".
QString decodedLabel(const QString &name)
{
    QByteArray bytes = name.toUtf8();
    for (qsizetype at = bytes.indexOf("\\x"); at >= 0; at = bytes.indexOf("\\x", at + 1)) {
        bool hex = false;
        const int code = bytes.mid(at + 2, 2).toInt(&hex, 16);
        if (hex)
            bytes.replace(at, 4, QByteArray(1, char(code)));
    }
    return QString::fromUtf8(bytes);
}

// Labels by device, from the links under /dev/disk/by-label.
QHash<QString, QString> deviceLabels()
{
    QHash<QString, QString> labels;
    const QDir byLabel(QStringLiteral("/dev/disk/by-label"));
    for (const QFileInfo &link : byLabel.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        labels.insert(link.canonicalFilePath(), decodedLabel(link.fileName()));
    return labels;
}

} // namespace

QList<Volume> SystemVolumes::mountedVolumes() const
{
    const QHash<QString, QString> labels = deviceLabels();
    return browsableVolumes(readMountTable(), [&](const QString &source) {
        return source.startsWith(u"/dev/") ? labels.value(QFileInfo(source).canonicalFilePath()) : QString();
    });
}

// A later mount on the same folder hides the earlier one.
QList<Volume> SystemVolumes::browsableVolumes(const QList<Mount> &mounts,
                                              const std::function<QString(const QString &)> &labelOf)
{
    QList<Volume> volumes;
    for (const Mount &mount : mounts) {
        if (isPseudoFileSystem(mount.type) || isSystemOwn(mount.mountPoint.text))
            continue;
        volumes.removeIf([&](const Volume &volume) { return volume.root == mount.mountPoint; });
        volumes.append({mount.mountPoint, labelOf(mount.source)});
    }
    return volumes;
}
