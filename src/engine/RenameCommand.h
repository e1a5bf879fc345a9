#pragma once

#include "engine/RenameFailure.h"
#include "engine/RenameSettings.h"
#include "engine/RenameWindow.h"
#include "engine/WorkingValues.h"

#include <initializer_list>
#include <optional>

class FileSystem;
class RenameFolder;

// The rename button of the main window and the two runs it starts: `nevez` over the whole file
// list when nothing is selected, `kival` over the selected entries otherwise. A run stops at
// the first file it cannot rename; files renamed before it keep their new names.
class RenameCommand {
public:
    RenameCommand(RenameWindow &window, const FileSystem &fileSystem);

    // Runs the command; the failure that stopped the run, if one did.
    std::optional<RenameFailure> Command1_Click();

    int SelectedCount() const { return m_selectedCount; }
    const WorkingValues &workingValues() const { return m_values; }

private:
    using Failure = std::optional<RenameFailure>;

    Failure nevez();
    Failure kival();

    Failure wholeListMainPass(RenameFolder &folder, const RenameSettings &settings, int count);
    Failure selectedMainPass(RenameFolder &folder, const RenameSettings &settings, int count);
    Failure jpePass(RenameFolder &folder, const RenameSettings &settings);
    Failure accentPass(RenameFolder &folder, const RenameSettings &settings);

    using MainPass = Failure (RenameCommand::*)(RenameFolder &, const RenameSettings &, int);
    using AfterPass = Failure (RenameCommand::*)(RenameFolder &, const RenameSettings &);

    Failure runMainPass(RenameFolder *folder, const RenameSettings &settings, int count,
                        std::initializer_list<LockableControl> locked, MainPass pass);
    Failure runAfterPass(RenameFolder &folder, const RenameSettings &settings, AfterPass pass);

    RenameSettings readSettings() const;
    void prepareProgressBar(int count);
    void releaseProgressBar();
    void lock(std::initializer_list<LockableControl> controls);
    void unlock(std::initializer_list<LockableControl> controls, bool numbering);

    void holdEntry(int index);
    void takeName(int index, const RenameSettings &settings);
    Failure fileStep(RenameFolder &folder, const RenameSettings &settings, const QString &newName);
    RenameFailure nameTooShort() const;

    RenameWindow &m_window;
    const FileSystem &m_fileSystem;
    int m_selectedCount = 0;
    WorkingValues m_values;
    DiskName m_entry; // the file in hand as the folder holds it; its text is CurrentName
};
