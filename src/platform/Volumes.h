#pragma once

#include <QList>
#include <QString>

// A mounted volume a user can browse: its root folder and, where it has one, its label.
struct Volume {
    QString rootPath;
    QString label;
};

// The system's volumes, the program's drives. Tests offer their own.
class Volumes {
public:
    virtual ~Volumes() = default;

    virtual QList<Volume> mountedVolumes() const = 0;
};

// The index of the volume whose root is the longest leading part of `path`, by whole path
// components; -1 when none holds it.
int volumeIndexHolding(const QList<Volume> &volumes, const QString &path);
