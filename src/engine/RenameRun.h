#pragma once

#include "engine/NameRules.h"
#include "engine/RenameFailure.h"
#include "engine/RenameSettings.h"
#include "engine/RenameStep.h"
#include "engine/RenameWindow.h"

#include <optional>
#include <vector>

class FileSystem;
class RenameFolder;

// The runs of the main window's OK button: `nevez` over the whole file list when nothing is
// selected, `kival` over the selected entries otherwise, and the run that gives the files of
// an earlier run their names back. A run stops at the first file it cannot rename; files
// renamed before it keep their new names, and the record given to the run tells which.
class RenameRun {
public:
    // Each rename the run makes is added to `record`; a played run and an undo keep none.
    RenameRun(RenameWindow &window, const FileSystem &fileSystem, std::vector<RenameStep> *record = nullptr);

    // The failure that stopped the run, if one did.
    std::optional<RenameFailure> run(const RenameSettings &settings);
    std::optional<RenameFailure> undo(const DiskName &folder, const std::vector<RenameStep> &steps);

    // The file the run had in hand last, under the name it had then.
    const DiskName &entryInHand() const { return m_entry; }

private:
    using Failure = std::optional<RenameFailure>;
    enum class LaterPass { Jpe, Accents };
    using RunKind = NameRules::RunKind;

    Failure nevez(const RenameSettings &settings);
    Failure kival(const RenameSettings &settings);

    Failure wholeListMainPass(RenameFolder &folder, const RenameSettings &settings, int count);
    Failure selectedMainPass(RenameFolder &folder, const RenameSettings &settings, int count);
    Failure laterPass(RenameFolder &folder, LaterPass pass);
    Failure undoPass(RenameFolder &folder, const std::vector<RenameStep> &steps);

    template<typename Pass>
    Failure runLocked(RunKind kind, RenameFolder *folder, int count, Pass pass);
    Failure runLaterPass(RenameFolder &folder, LaterPass pass);

    void prepareProgressBar(int count);
    void releaseProgressBar();
    void setLocked(RunKind kind, bool locked);

    void holdEntry(int index);
    Failure fileStep(RenameFolder &folder, const QString &newName);
    Failure fileStep(RenameFolder &folder, const DiskName &newName);
    RenameFailure nameTooShort() const;

    RenameWindow &m_window;
    const FileSystem &m_fileSystem;
    // The running number of `kival`: the count of selected files met so far, starting at -1 so
    // that the first selected file gets number 0 once it is counted.
    int m_selectedCount = -1;
    DiskName m_entry; // the file in hand as the folder holds it
    std::vector<RenameStep> *m_record;
};
