#pragma once

#include "Volumes.h"

// The volumes mounted on this machine, pseudo file systems and the system's own scratch
// mounts left out.
class SystemVolumes final : public Volumes {
public:
    QList<Volume> mountedVolumes() const override;
};
