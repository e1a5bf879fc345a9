#pragma once

#include "platform/Volumes.h"

// Volumes a test lists; at first the root alone.
class FakeVolumes final : public Volumes {
public:
    QList<Volume> volumes = {{QStringLiteral("/"), QString()}};

    QList<Volume> mountedVolumes() const override { return volumes; }
};
