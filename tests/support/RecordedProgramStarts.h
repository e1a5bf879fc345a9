#pragma once

#include "platform/ProgramStarter.h"

#include <QStringList>

// Keeps the paths it was asked to start; starts nothing, and fails for the paths in `failing`.
class RecordedProgramStarts final : public ProgramStarter {
public:
    QStringList started;
    QStringList failing;

    bool start(const QString &path) override
    {
        started.append(path);
        return !failing.contains(path);
    }
};
