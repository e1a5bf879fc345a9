#pragma once

#include "gui/help/HelpWindow.h"
#include "gui/ProgramContext.h"
#include "platform/CurrentFolders.h"
#include "platform/LocalFileSystem.h"
#include "support/FakeVolumes.h"
#include "support/MemoryRegistry.h"
#include "support/RecordedProgramStarts.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/ScriptedRandomNumbers.h"

// Everything the windows share, with scripted message boxes, volumes, registry, program
// starts and random numbers, a help window of its own; the file system is the real one unless a test brings its own.
class TestProgram {
public:
    explicit TestProgram(const FileSystem *fileSystem = nullptr);

    LocalFileSystem localFileSystem;
    ScriptedMessageBoxes messages;
    FakeVolumes volumes;
    CurrentFolders currentFolders;
    MemoryRegistry registry;
    RecordedProgramStarts programStarter;
    ScriptedRandomNumbers randomNumbers;
    HelpWindow help;
    ProgramContext context;
};
