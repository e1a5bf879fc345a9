#include "engine/RenameCommand.h"

#include "engine/PlayedRun.h"
#include "engine/RenameRun.h"

#include <utility>

RenameCommand::RenameCommand(RenameWindow &window, const FileSystem &fileSystem)
    : m_window(window)
    , m_fileSystem(fileSystem)
{
}

// A folder that cannot be read cannot be played; the run then meets the same fault at once.
std::optional<RenameFailure> RenameCommand::Command1_Click(const RenameSettings &settings)
{
    forgetLastRun();
    if (std::optional<RenameFailure> refused = checkRun(m_window, m_fileSystem, settings))
        return refused;
    m_lastFolder = settings.folder;
    return RenameRun(m_window, m_fileSystem, &m_lastRun).run(settings);
}

std::optional<RenameFailure> RenameCommand::undoLastRun()
{
    if (m_lastRun.empty())
        return std::nullopt;
    const std::vector<RenameStep> steps = std::exchange(m_lastRun, {});
    return RenameRun(m_window, m_fileSystem).undo(m_lastFolder, steps);
}

void RenameCommand::forgetLastRun()
{
    m_lastRun.clear();
}
