#pragma once

#include "engine/NameRules.h"

// Whoever watches a rename run on the disk: told when a run of a kind begins and how many steps
// it has, which step it has reached, and when it ends. The main window shows its progress bar
// and takes its controls away from the user meanwhile.
class RunObserver {
public:
    virtual ~RunObserver() = default;

    virtual void runStarted(NameRules::RunKind kind, int steps) = 0;
    // Counted from 0.
    virtual void stepReached(int step) = 0;
    virtual void runEnded(NameRules::RunKind kind) = 0;

    // An observer that watches nothing, for runs that no one sees.
    static RunObserver &none();
};
