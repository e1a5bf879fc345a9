#include "TestProgram.h"

TestProgram::TestProgram(const FileSystem *fileSystem)
    : module1(fileSystem ? *fileSystem : localFileSystem, messages)
    , context{fileSystem ? *fileSystem : localFileSystem, messages, volumes, currentFolders, module1, registry,
              programStarter, randomNumbers, help}
{
}
