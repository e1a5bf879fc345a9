#pragma once

#include "platform/ProgramStarter.h"

// Starts programs as processes of their own that outlive this one.
class SystemProgramStarter final : public ProgramStarter {
public:
    bool start(const QString &path) override;
};
