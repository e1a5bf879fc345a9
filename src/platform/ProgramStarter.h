#pragma once

#include <QString>

// Starts other programs.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // Starts the program file at `path` on its own, without waiting for it; false when it
    // could not be started (no such file, not a program).
    virtual bool start(const QString &path) = 0;
};
