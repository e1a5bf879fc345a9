#pragma once

#include <optional>

// What went wrong in a file or drive operation, in the order in which the program's error
// messages test the conditions. NameTaken is a rename refused because the new name is in use,
// ReadOnlyDisk one refused because the whole file system takes no changes.
enum class FileCondition {
    DeviceUnavailable,
    DiskNotReady,
    DiskFull,
    InvalidFileName,
    PathNotFound,
    AccessDenied,
    AlreadyOpen,
    EndOfFile,
    Other,
    NameTaken,
    ReadOnlyDisk,
};

// The outcome of a file operation: empty when it succeeded.
using FileError = std::optional<FileCondition>;
