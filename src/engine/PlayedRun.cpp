#include "engine/PlayedRun.h"

#include "engine/FolderCopy.h"
#include "engine/PlayWindow.h"
#include "engine/RenameRun.h"

std::optional<PlayedRun> playRun(const RenameWindow &window, const FileSystem &fileSystem,
                                 const RenameSettings &settings)
{
    const std::optional<FolderCopy> copy = FolderCopy::read(fileSystem, settings.folder);
    if (!copy)
        return std::nullopt;
    PlayWindow played(window, *copy);
    PlayedRun outcome{RenameRun(played, *copy).run(settings), {}};
    if (outcome.failure)
        outcome.failure->nothingRenamed = true;
    outcome.finalNames = played.namesNow();
    return outcome;
}
