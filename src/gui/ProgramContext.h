#pragma once

class CurrentFolders;
class FileSystem;
class HelpWindow;
class MessageBoxes;
class ProgramStarter;
class RandomNumbers;
class Registry;
class Volumes;

// What the windows share for as long as the program runs: the platform's file system, message
// boxes, volumes and current folders, what the About window needs
// (the registry, the program starter and the marquee's random numbers), and the help window.
struct ProgramContext {
    const FileSystem &fileSystem;
    MessageBoxes &messages;
    const Volumes &volumes;
    CurrentFolders &currentFolders;
    Registry &registry;
    ProgramStarter &programStarter;
    RandomNumbers &randomNumbers;
    HelpWindow &help;
};
