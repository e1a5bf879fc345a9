#pragma once

#include "engine/ListedFiles.h"
#include "engine/RenameFailure.h"
#include "engine/RenameSettings.h"

#include "platform/PackedNames.h"

#include <optional>
#include <vector>

class FileSystem;

// What OK would do with the settings as they stand: the run played, with the same code, on a
// copy of the folder's names.
struct PlayedRun {
    // The failure the run would meet, naming the file as the disk holds it; nothing is renamed.
    std::optional<RenameFailure> failure;
    // For each listed entry, the name it would end with (also when the run is refused), held in
    // one buffer.
    PackedNames finalNames;
    // The listed entries in the order the run that passed took them on its first pass: the
    // folder's own, or empty for the list's.
    std::vector<int> order;
};

// Nothing when the folder cannot be read, so that no play is possible. It touches nothing but
// the file system's reading of the folder, so it may run on any thread.
std::optional<PlayedRun> playRun(ListedFiles listed, const FileSystem &fileSystem, const RenameSettings &settings);
// The same play without the names it would give; nothing also when the folder cannot be read.
std::optional<PlayedRun> checkRun(ListedFiles listed, const FileSystem &fileSystem, const RenameSettings &settings);
