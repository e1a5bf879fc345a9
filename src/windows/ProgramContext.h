#pragma once

class CurrentFolders;
class FileSystem;
class MessageBoxes;
class Module1;
class Volumes;

// What the windows share for as long as the program runs: the platform's file system, message
// boxes, volumes and current folders, and the drive test module.
struct ProgramContext {
    const FileSystem &fileSystem;
    MessageBoxes &messages;
    const Volumes &volumes;
    CurrentFolders &currentFolders;
    Module1 &module1;
};
