#pragma once

#include "CountingMessageBoxes.h"
#include "gui/help/HelpWindow.h"
#include "gui/main/cserel.h"
#include "gui/ProgramContext.h"
#include "platform/CurrentFolders.h"
#include "platform/LocalFileSystem.h"
#include "platform/SystemProgramStarter.h"
#include "platform/SystemRandomNumbers.h"
#include "platform/SystemRegistry.h"
#include "platform/SystemVolumes.h"

class FileList;

// The program's main window, built as the program builds it and shown on whatever screen the
// platform gives, with message boxes that only count. The window lists the program's own folder
// when it opens, as it always does.
class MainWindowProgram {
public:
    MainWindowProgram();

    // Points the window at a folder as the folder chooser does: the list's folder, then the path
    // display that the rename runs read.
    void pointAt(const QString &folder);

    FileList &fileList() const;
    // The tooltip of the list's entry: "…" while the preview is being played.
    QString toolTip(int row) const;
    // Presses "OK", which starts a run over the whole list while nothing is selected.
    void clickOk() const;
    // Lets the window carry out what it left for the event loop, such as laying out its list.
    void settle() const;

    const CountingMessageBoxes &messages() const { return m_messages; }

private:
    template<typename Control>
    Control *control(const char *name) const;

    const LocalFileSystem m_fileSystem;
    CountingMessageBoxes m_messages;
    const SystemVolumes m_volumes;
    CurrentFolders m_currentFolders;
    SystemRegistry m_registry;
    SystemProgramStarter m_programStarter;
    SystemRandomNumbers m_randomNumbers;
    HelpWindow m_help;
    ProgramContext m_context;
    cserel m_window; // last, so that it goes before everything it shares
};
