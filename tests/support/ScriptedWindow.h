#pragma once

#include "engine/ListedFolder.h"
#include "engine/RunObserver.h"

#include <QStringList>

// A main window made of plain values: a file list read through a file system, as the real one
// is, that watches the runs as a user sees them: which runs were shown (their kind and steps),
// whether one is still under way (the bar shown, the controls locked), and each re-read of the
// list.
class ScriptedWindow final : public ListedFolder, public RunObserver {
public:
    using ListedFolder::ListedFolder;

    QStringList runs; // "whole list 3" or "selected 2" as each run started
    bool running = false;
    int refreshes = 0;

    void refreshFiles() override
    {
        ++refreshes;
        ListedFolder::refreshFiles();
    }
    void runStarted(NameRules::RunKind kind, int steps) override
    {
        running = true;
        runs << QStringLiteral("%1 %2").arg(kind == NameRules::RunKind::WholeList ? "whole list" : "selected").arg(steps);
    }
    void stepReached(int) override {}
    void runEnded(NameRules::RunKind) override { running = false; }
};
