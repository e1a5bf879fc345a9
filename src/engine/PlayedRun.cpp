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
    RenameRun run(played, *copy);
    PlayedRun outcome{run.run(settings), {}};
    if (outcome.failure) {
        outcome.failure->nothingRenamed = true;
        if (const int place = copy->placeOf(run.entryInHand().bytes); place >= 0)
            outcome.failure->oldName = DiskName::textOf(copy->diskNameAt(place));
    }
    outcome.finalNames = played.namesNow();
    return outcome;
}
