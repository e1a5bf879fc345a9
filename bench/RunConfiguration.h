#pragma once

#include "engine/CaseMode.h"
#include "engine/RenameSettings.h"

#include <QString>

// The settings of the main window for one measured rename run, as the user would tick them.
struct RunConfiguration {
    QString label; // the settings, as the result table names them
    bool numbering = true;      // Check1
    CaseMode caseMode = CaseMode::Unchanged;
    bool jpeRewrite = false;    // Check2, ticked and visible
    bool accentFolding = false; // Check3
    double targetRatio = 1.5;   // the run may take at most this many times its floor

    // The passes the run makes over the folder: the main pass, then the jpe and accent passes.
    int passCount() const;

    // The settings the rename command reads from a window set up this way.
    RenameSettings settings(const QString &folder) const;

    // One pass: running numbers replace the base names, letter case unchanged. The run is held
    // to a closer target, as the play that checks it first must cost little beside the renames.
    static RunConfiguration numbered();

    // One pass: lower case without numbering.
    static RunConfiguration lower();

    // Two passes: lower case without numbering, then accents folded.
    static RunConfiguration lowerAccents();

    // Three passes: lower case without numbering, then jpe to jpg, then accents folded.
    static RunConfiguration lowerJpeAccents();

    // The main window as it opens: numbering on, letter case unchanged, nothing else ticked.
    static RunConfiguration windowStart();
};
