#include "SystemVolumes.h"

#include <QSet>
#include <QStorageInfo>

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

// Memory-backed mounts the system keeps for itself; /tmp and mounted media stay.
bool isSystemScratch(const QStorageInfo &volume)
{
    const QString root = volume.rootPath();
    const bool underSystemFolder = root.startsWith(u"/dev") || root.startsWith(u"/sys") || root.startsWith(u"/proc")
        || (root.startsWith(u"/run") && !root.startsWith(u"/run/media"));
    return volume.fileSystemType() == "tmpfs" && underSystemFolder;
}

} // namespace

QList<Volume> SystemVolumes::mountedVolumes() const
{
    QList<Volume> volumes;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || isPseudoFileSystem(volume.fileSystemType()) || isSystemScratch(volume))
            continue;
        volumes.append({volume.rootPath(), volume.name()});
    }
    return volumes;
}
