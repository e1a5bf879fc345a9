#pragma once

#include "platform/DiskName.h"

#include <QList>
#include <QString>

// A mounted volume a user can browse: its root folder, as the mount table holds it (a mount
// point need not be UTF-8), and, where it has one, its label.
struct Volume {
    DiskName root;
    QString label;
};

// The system's volumes, the program's drives. Tests offer their own.
class Volumes {
public:
    virtual ~Volumes() = default;

    virtual QList<Volume> mountedVolumes() const = 0;
};

// The index of the volume whose root is the longest leading part of `path`, by whole path
// components of their shown texts; -1 when none holds it.
int volumeIndexHolding(const QList<Volume> &volumes, const QString &path);
