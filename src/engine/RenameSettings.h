#pragma once

#include "engine/CaseMode.h"
#include "platform/DiskName.h"

#include <QString>

// The main window's choices that steer one rename run, read from its controls.
struct RenameSettings {
    bool numbering = true;      // "Sorszámozás": a running number replaces the old base name
    bool append = false;        // "Hozzáfűzés": newText goes in front (whole-list run only)
    QString newText = {};       // the new-name box, used exactly as typed
    CaseMode caseMode = CaseMode::Unchanged;
    bool jpeRewrite = false;    // "*.jpe átírása *.jpg-be", ticked and shown
    bool accentFolding = false; // "Ékezetmentesítés" (whole-list run, numbering off)
    DiskName folder = {};       // the path display: every old and new path is built from it
};
