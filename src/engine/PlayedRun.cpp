#include "engine/PlayedRun.h"

#include "engine/FolderCopy.h"
#include "engine/PlayedFileList.h"
#include "engine/RenameRun.h"

namespace {

enum class Names { Predicted, NotNeeded };

// The path leads to another folder than the one the list was read from.
PlayedRun folderChanged(const RenameSettings &settings)
{
    RenameFailure failure;
    failure.kind = RenameFailure::Kind::FolderChanged;
    failure.oldName = settings.folder.text;
    failure.nothingRenamed = true;
    return {failure, {}, {}};
}

// The failure the played run meets names the file as the disk holds it, since nothing is
// renamed.
std::optional<PlayedRun> playOnce(ListedFiles listed, const FileSystem &fileSystem, const RenameSettings &settings,
                                  Names names, RenameRun::Order order)
{
    FolderContents contents = fileSystem.readContents(settings.folder);
    if (contents.error)
        return std::nullopt;
    if (contents.folder != listed.folder)
        return folderChanged(settings);
    const FolderCopy copy(std::move(contents));
    PlayedFileList played(std::move(listed), copy);
    if (names == Names::Predicted)
        played.followStartNames();
    std::vector<int> folderOrder = order == RenameRun::Order::AsStored && NameRules::isOrderFree(settings) ? played.folderOrder() : std::vector<int>();
    RenameRun run(played, RunObserver::none(), copy, nullptr, order, folderOrder);
    PlayedRun outcome{run.run(settings), {}, std::move(folderOrder)};
    if (outcome.failure) {
        outcome.failure->nothingRenamed = true;
        if (const int place = copy.placeOf(run.entryInHand().bytes); place >= 0)
            outcome.failure->oldName = DiskName::textOf(copy.diskNameAt(place));
    }
    if (names == Names::Predicted)
        outcome.finalNames = played.namesNow();
    return outcome;
}

// Whether a later pass meets a failure does not depend on the order it takes the names in, nor
// does a first pass that changes only the letter case, so the play first takes those names as the
// folder holds them, which needs no sort and lets the disk find them in the order it stores them.
// Only a play that fails is played again, on the folder read again, in the list's order, to name
// the file the run would stop at.
std::optional<PlayedRun> playOnCopy(ListedFiles listed, const FileSystem &fileSystem, const RenameSettings &settings,
                                    Names names)
{
    std::optional<PlayedRun> outcome = playOnce(listed, fileSystem, settings, names, RenameRun::Order::AsStored);
    if (outcome && outcome->failure && outcome->failure->kind != RenameFailure::Kind::FolderChanged)
        outcome = playOnce(std::move(listed), fileSystem, settings, names, RenameRun::Order::Alphabetical);
    return outcome;
}

} // namespace

std::optional<PlayedRun> playRun(ListedFiles listed, const FileSystem &fileSystem, const RenameSettings &settings)
{
    return playOnCopy(std::move(listed), fileSystem, settings, Names::Predicted);
}

std::optional<PlayedRun> checkRun(ListedFiles listed, const FileSystem &fileSystem, const RenameSettings &settings)
{
    return playOnCopy(std::move(listed), fileSystem, settings, Names::NotNeeded);
}
