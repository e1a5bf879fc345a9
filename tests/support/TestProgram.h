#pragma once

#include "gui/help/HelpWindow.h"
#include "gui/ProgramContext.h"
#include "platform/CurrentFolders.h"
#include "platform/LocalFileSystem.h"
#include "support/FakeVolumes.h"
#include "support/MemoryRegistry.h"
#include "support/RecordedProgramStarts.h"
#include "support/ScriptedFileSystem.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/ScriptedRandomNumbers.h"

// Everything the windows share: the real file system with the faults a test plants, scripted
// message boxes, volumes, registry, program starts and random numbers, and a help window of its own.
class TestProgram {
public:
    LocalFileSystem localFileSystem;
    ScriptedFileSystem fileSystem{localFileSystem};
    ScriptedMessageBoxes messages;
    FakeVolumes volumes;
    CurrentFolders currentFolders;
    MemoryRegistry registry;
    RecordedProgramStarts programStarter;
    ScriptedRandomNumbers randomNumbers;
    HelpWindow help;
    ProgramContext context{fileSystem, messages, volumes, currentFolders, registry, programStarter, randomNumbers, help};
};
