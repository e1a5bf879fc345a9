#include "engine/RenameCommand.h"

#include "engine/PlayedRun.h"
#include "engine/RenameRun.h"

RenameCommand::RenameCommand(FileListSource &list, RunObserver &observer, const FileSystem &fileSystem)
    : m_list(list)
    , m_observer(observer)
    , m_fileSystem(fileSystem)
{
}

// A folder that cannot be read cannot be played; the run then meets the same fault at once.
// A run that renamed nothing leaves the record of the one before. Once the play has passed, the
// run takes the names in the order the play passed with, and its later passes need not put
// their names in order: only a failure, which a change made by another program meanwhile could
// still bring, would show the order.
std::optional<RenameFailure> RenameCommand::Command1_Click(const RenameSettings &settings)
{
    std::optional<PlayedRun> checked = checkRun(m_list.listedFiles(), m_fileSystem, settings);
    if (checked && checked->failure) {
        if (checked->failure->kind == RenameFailure::Kind::FolderChanged)
            m_list.refreshFiles();
        return checked->failure;
    }
    const std::vector<int> order = checked ? std::move(checked->order) : std::vector<int>();
    checked.reset();
    const FileIdentity listed = m_list.listedFolder();
    RenameRecord record;
    std::optional<RenameFailure> failure = RenameRun(m_list, m_observer, m_fileSystem, &record, RenameRun::Order::AsStored, order).run(settings);
    if (!record.isEmpty()) {
        m_lastRun = std::move(record);
        m_lastFolder = settings.folder;
        m_lastFolderIdentity = listed;
    }
    return failure;
}

std::optional<RenameFailure> RenameCommand::undoLastRun()
{
    if (m_lastRun.isEmpty())
        return std::nullopt;
    return RenameRun(m_list, m_observer, m_fileSystem).undo(m_lastFolder, m_lastFolderIdentity, m_lastRun);
}

void RenameCommand::forgetLastRun()
{
    m_lastRun.clear();
}
