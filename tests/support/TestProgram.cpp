#include "support/TestProgram.h"

TestProgram::TestProgram(const FileSystem *fileSystem)
    : context{fileSystem ? *fileSystem : localFileSystem, messages, volumes, currentFolders, registry,
              programStarter, randomNumbers, help}
{
}
