#pragma once

#include "platform/Volumes.h"

#include <functional>

struct Mount;

// The volumes mounted on this machine, pseudo file systems and the system's own mounts left
// out. Read from the mount table alone, so a disk whose size cannot be read (a network or FUSE
// mount whose server is gone) is listed too, and choosing it runs the drive test.
class SystemVolumes final : public Volumes {
public:
    QList<Volume> mountedVolumes() const override;

    // The volumes a user can browse among the mounts, each labelled by `labelOf` its source.
    static QList<Volume> browsableVolumes(const QList<Mount> &mounts,
                                          const std::function<QString(const QString &source)> &labelOf);
};
