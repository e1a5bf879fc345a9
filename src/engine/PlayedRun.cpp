#include "engine/PlayedRun.h"

#include "engine/FolderCopy.h"
#include "engine/PlayWindow.h"
#include "engine/RenameRun.h"

namespace {

// The failure the played run meets names the file as the disk holds it, since nothing is
// renamed.
std::optional<RenameFailure> play(PlayWindow &window, const FolderCopy &copy, const RenameSettings &settings)
{
    RenameRun run(window, copy);
    std::optional<RenameFailure> failure = run.run(settings);
    if (failure) {
        failure->nothingRenamed = true;
        if (const int place = copy.placeOf(run.entryInHand().bytes); place >= 0)
            failure->oldName = DiskName::textOf(copy.diskNameAt(place));
    }
    return failure;
}

} // namespace

std::optional<PlayedRun> playRun(const RenameWindow &window, const FileSystem &fileSystem,
                                 const RenameSettings &settings)
{
    const std::optional<FolderCopy> copy = FolderCopy::read(fileSystem, settings.folder);
    if (!copy)
        return std::nullopt;
    PlayWindow played(window, *copy);
    played.followStartNames();
    PlayedRun outcome{play(played, *copy, settings), {}};
    outcome.finalNames = played.namesNow();
    return outcome;
}

std::optional<RenameFailure> checkRun(const RenameWindow &window, const FileSystem &fileSystem,
                                      const RenameSettings &settings)
{
    const std::optional<FolderCopy> copy = FolderCopy::read(fileSystem, settings.folder);
    if (!copy)
        return std::nullopt;
    PlayWindow played(window, *copy);
    return play(played, *copy, settings);
}
