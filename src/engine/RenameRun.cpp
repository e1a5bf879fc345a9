#include "engine/RenameRun.h"

#include "platform/FileSystem.h"

using namespace NameRules;

namespace {

constexpr ControlRole lastRole = ControlRole::CaseButtons;

// The selected-files run leaves the jpe and accent boxes to the user; every other run takes
// away every role.
bool isLockedBy(RunKind kind, ControlRole role)
{
    switch (role) {
    case ControlRole::JpeBox:
    case ControlRole::AccentBox:
        return kind == RunKind::WholeList;
    case ControlRole::FolderButton:
    case ControlRole::ExitButton:
    case ControlRole::NewNameBox:
    case ControlRole::Numbering:
    case ControlRole::CaseButtons:
        break;
    }
    return true;
}

RenameFailure noFolder()
{
    return {RenameFailure::Kind::NoFolder, {}, {}, FileCondition::PathNotFound, {}};
}

} // namespace

RenameRun::RenameRun(RenameWindow &window, const FileSystem &fileSystem, std::vector<RenameStep> *record)
    : m_window(window)
    , m_fileSystem(fileSystem)
    , m_record(record)
{
}

std::optional<RenameFailure> RenameRun::run(const RenameSettings &settings)
{
    const int count = m_window.fileCount();
    for (int index = 0; index < count; ++index) {
        if (m_window.isFileSelected(index))
            return kival(settings);
    }
    return nevez(settings);
}

// The files get their names back last renamed first, so that every name a file gave up is
// free again when it is wanted back.
std::optional<RenameFailure> RenameRun::undo(const DiskName &folderName, const std::vector<RenameStep> &steps)
{
    const std::unique_ptr<RenameFolder> folder = m_fileSystem.openFolder(folderName);
    return runLocked(RunKind::WholeList, folder.get(), int(steps.size()),
                     [&](RenameFolder &open) { return undoPass(open, steps); });
}

// Up to three passes: every listed file gets its new name, then jpe becomes jpg, then accents
// are folded; the list is re-read after each pass that runs.
RenameRun::Failure RenameRun::nevez(const RenameSettings &settings)
{
    const int count = m_window.fileCount();
    if (count == 0)
        return std::nullopt;
    const std::unique_ptr<RenameFolder> folder = m_fileSystem.openFolder(settings.folder);
    Failure failure = runLocked(RunKind::WholeList, folder.get(), count,
                                [&](RenameFolder &open) { return wholeListMainPass(open, settings, count); });
    if (!failure && settings.jpeRewrite)
        failure = runLaterPass(*folder, LaterPass::Jpe);
    if (!failure && settings.accentFolding && !settings.numbering)
        failure = runLaterPass(*folder, LaterPass::Accents);
    return failure;
}

// The selected entries, numbered by their place among the selected ones, then the jpe pass.
RenameRun::Failure RenameRun::kival(const RenameSettings &settings)
{
    m_selectedCount = -1;
    const int count = m_window.fileCount();
    const std::unique_ptr<RenameFolder> folder = m_fileSystem.openFolder(settings.folder);
    Failure failure = runLocked(RunKind::SelectedFiles, folder.get(), count,
                                [&](RenameFolder &open) { return selectedMainPass(open, settings, count); });
    if (!failure && settings.jpeRewrite)
        failure = runLaterPass(*folder, LaterPass::Jpe);
    return failure;
}

// The bar shows and the controls are locked while the pass works; a folder that could not be
// opened (none chosen) stops the run in the same frame.
template<typename Pass>
RenameRun::Failure RenameRun::runLocked(RunKind kind, RenameFolder *folder, int count, Pass pass)
{
    prepareProgressBar(count);
    setLocked(kind, true);
    const Failure failure = folder ? pass(*folder) : noFolder();
    releaseProgressBar();
    setLocked(kind, false);
    m_window.refreshFiles();
    return failure;
}

RenameRun::Failure RenameRun::runLaterPass(RenameFolder &folder, LaterPass pass)
{
    const Failure failure = laterPass(folder, pass);
    m_window.refreshFiles();
    return failure;
}

RenameRun::Failure RenameRun::wholeListMainPass(RenameFolder &folder, const RenameSettings &settings, int count)
{
    for (int index = 0; index < count; ++index) {
        holdEntry(index);
        const std::optional<QString> newName = composeNewName(m_entry.text, settings, index, RunKind::WholeList);
        if (!newName)
            return nameTooShort();
        m_window.setProgressValue(index);
        if (const Failure failure = fileStep(folder, *newName))
            return failure;
    }
    return std::nullopt;
}

RenameRun::Failure RenameRun::selectedMainPass(RenameFolder &folder, const RenameSettings &settings, int count)
{
    for (int index = 0; index < count; ++index) {
        if (!m_window.isFileSelected(index))
            continue;
        ++m_selectedCount;
        holdEntry(index);
        m_window.setProgressValue(index);
        const std::optional<QString> newName =
            composeNewName(m_entry.text, settings, m_selectedCount, RunKind::SelectedFiles);
        if (!newName)
            return nameTooShort();
        if (const Failure failure = fileStep(folder, *newName))
            return failure;
    }
    return std::nullopt;
}

// A pass over the re-read list: each name that the pass touches gets its new name from the
// rule. The jpe pass touches names whose last three characters are "jpe" in any case; the
// accent pass every name, also when folding changes nothing.
RenameRun::Failure RenameRun::laterPass(RenameFolder &folder, LaterPass pass)
{
    const int count = m_window.fileCount();
    for (int index = 0; index < count; ++index) {
        holdEntry(index);
        if (pass == LaterPass::Jpe && !hasJpeExtension(m_entry.text))
            continue;
        const std::optional<QString> newName =
            pass == LaterPass::Jpe ? rewriteJpeExtension(m_entry.text) : foldedNewName(m_entry.text);
        if (!newName)
            return nameTooShort();
        if (const Failure failure = fileStep(folder, *newName))
            return failure;
    }
    return std::nullopt;
}

RenameRun::Failure RenameRun::undoPass(RenameFolder &folder, const std::vector<RenameStep> &steps)
{
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        m_window.setProgressValue(int(step - steps.rbegin()));
        m_entry = DiskName::fromBytes(step->after);
        if (const Failure failure = fileStep(folder, DiskName::fromBytes(step->before)))
            return failure;
    }
    return std::nullopt;
}

// The bar's maximum must stay above its minimum, so a single entry gets a maximum of 1.
void RenameRun::prepareProgressBar(int count)
{
    m_window.setProgressMin(0);
    m_window.setProgressMax(count == 1 ? 1 : count - 1);
    m_window.setProgressValue(m_window.progressMin());
    m_window.setProgressVisible(true);
}

void RenameRun::releaseProgressBar()
{
    m_window.setProgressVisible(false);
    m_window.setProgressValue(m_window.progressMin());
}

void RenameRun::setLocked(RunKind kind, bool locked)
{
    for (int role = 0; role <= int(lastRole); ++role) {
        if (isLockedBy(kind, ControlRole(role)))
            m_window.setLocked(ControlRole(role), locked);
    }
}

void RenameRun::holdEntry(int index)
{
    m_entry = m_window.fileName(index);
}

// New names are written in UTF-8.
RenameRun::Failure RenameRun::fileStep(RenameFolder &folder, const QString &newName)
{
    return fileStep(folder, DiskName::fromText(newName));
}

RenameRun::Failure RenameRun::fileStep(RenameFolder &folder, const DiskName &newName)
{
    FileError error = folder.setArchiveOnly(m_entry);
    if (!error)
        error = folder.rename(m_entry, newName);
    if (!error) {
        if (m_record && newName.bytes != m_entry.bytes)
            m_record->push_back({m_entry.bytes, newName.bytes});
        return std::nullopt;
    }
    const FileCondition condition = folder.isRemoved() ? FileCondition::PathNotFound : *error;
    return RenameFailure{RenameFailure::Kind::Refused, m_entry.text, newName.text, condition, folder.parkedName()};
}

RenameFailure RenameRun::nameTooShort() const
{
    return {RenameFailure::Kind::NameTooShort, m_entry.text, {}, FileCondition::Other, {}};
}
