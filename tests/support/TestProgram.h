#pragma once

#include "CurrentFolders.h"
#include "FakeVolumes.h"
#include "HelpWindow.h"
#include "LocalFileSystem.h"
#include "MemoryRegistry.h"
#include "Module1.h"
#include "ProgramContext.h"
#include "RecordedProgramStarts.h"
#include "ScriptedMessageBoxes.h"
#include "ScriptedRandomNumbers.h"

// Everything the windows share, with scripted message boxes, volumes, registry, program
// starts and random numbers, a help window of its own; the file system is the real one unless a test brings its own.
class TestProgram {
public:
    explicit TestProgram(const FileSystem *fileSystem = nullptr);

    LocalFileSystem localFileSystem;
    ScriptedMessageBoxes messages;
    FakeVolumes volumes;
    CurrentFolders currentFolders;
    Module1 module1;
    MemoryRegistry registry;
    RecordedProgramStarts programStarter;
    ScriptedRandomNumbers randomNumbers;
    HelpWindow help;
    ProgramContext context;
};
