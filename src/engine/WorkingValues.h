#pragma once

#include <QString>

// The values of the file a run has in hand, replaced for every file; after a run they hold
// those of the last file handled.
struct WorkingValues {
    QString CurrentName;
    QString BaseName;
    QString ExtensionText;
    QString OldPath;
    QString NewPath;
    int CaseIndex = 0;
};
