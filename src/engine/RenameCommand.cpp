#include "engine/RenameCommand.h"

#include "engine/NameRules.h"
#include "platform/FileSystem.h"

using namespace NameRules;

namespace {

constexpr std::initializer_list<LockableControl> wholeListLocks = {
    LockableControl::Command2, LockableControl::Command3, LockableControl::Text1,
    LockableControl::Check1, LockableControl::Check2, LockableControl::Check3,
    LockableControl::Option1_0, LockableControl::Option1_1, LockableControl::Option1_2,
};

// The selected-files run leaves the jpe and accent boxes enabled.
constexpr std::initializer_list<LockableControl> selectedLocks = {
    LockableControl::Command2, LockableControl::Command3, LockableControl::Text1,
    LockableControl::Check1, LockableControl::Option1_0, LockableControl::Option1_1,
    LockableControl::Option1_2,
};

// Controls that the numbering box alone decides about once a run is over.
bool followsNumbering(LockableControl control)
{
    return control == LockableControl::Text1 || control == LockableControl::Option1_2;
}

CaseMode selectedCaseMode(const RenameWindow &window)
{
    for (int index = 0; index < 3; ++index) {
        if (window.isOptionSelected(index))
            return CaseMode(index);
    }
    return CaseMode::Unchanged;
}

RenameFailure noFolder()
{
    return {RenameFailure::Kind::NoFolder, {}, {}, FileCondition::PathNotFound, {}};
}

} // namespace

RenameCommand::RenameCommand(RenameWindow &window, const FileSystem &fileSystem)
    : m_window(window)
    , m_fileSystem(fileSystem)
{
}

std::optional<RenameFailure> RenameCommand::Command1_Click()
{
    m_selectedCount = 0;
    const int count = m_window.fileCount();
    for (int index = 0; index < count; ++index) {
        if (m_window.isFileSelected(index))
            ++m_selectedCount;
    }
    if (m_selectedCount == 0)
        return nevez();
    m_selectedCount = -1;
    return kival();
}

// Up to three passes: every listed file gets its new name, then jpe becomes jpg, then accents
// are folded; the list is re-read after each pass that runs.
RenameCommand::Failure RenameCommand::nevez()
{
    const int count = m_window.fileCount();
    if (count == 0)
        return std::nullopt;
    const RenameSettings settings = readSettings();
    const std::unique_ptr<RenameFolder> folder = m_fileSystem.openFolder(settings.folder);
    Failure failure = runMainPass(folder.get(), settings, count, wholeListLocks, &RenameCommand::wholeListMainPass);
    if (!failure && settings.jpeRewrite)
        failure = runAfterPass(*folder, settings, &RenameCommand::jpePass);
    if (!failure && settings.accentFolding && !settings.numbering)
        failure = runAfterPass(*folder, settings, &RenameCommand::accentPass);
    return failure;
}

// The selected entries, numbered by their place among the selected ones, then the jpe pass.
RenameCommand::Failure RenameCommand::kival()
{
    const RenameSettings settings = readSettings();
    const std::unique_ptr<RenameFolder> folder = m_fileSystem.openFolder(settings.folder);
    Failure failure = runMainPass(folder.get(), settings, m_window.fileCount(), selectedLocks,
                                  &RenameCommand::selectedMainPass);
    if (!failure && settings.jpeRewrite)
        failure = runAfterPass(*folder, settings, &RenameCommand::jpePass);
    return failure;
}

RenameCommand::Failure RenameCommand::runMainPass(RenameFolder *folder, const RenameSettings &settings, int count,
                                                  std::initializer_list<LockableControl> locked, MainPass pass)
{
    prepareProgressBar(count);
    lock(locked);
    const Failure failure = folder ? (this->*pass)(*folder, settings, count) : noFolder();
    releaseProgressBar();
    unlock(locked, settings.numbering);
    m_window.refreshFiles();
    return failure;
}

RenameCommand::Failure RenameCommand::runAfterPass(RenameFolder &folder, const RenameSettings &settings,
                                                   AfterPass pass)
{
    const Failure failure = (this->*pass)(folder, settings);
    m_window.refreshFiles();
    return failure;
}

RenameCommand::Failure RenameCommand::wholeListMainPass(RenameFolder &folder, const RenameSettings &settings,
                                                        int count)
{
    for (int index = 0; index < count; ++index) {
        holdEntry(index);
        const std::optional<SplitName> split = SplitFileName(m_values.CurrentName);
        if (!split)
            return nameTooShort();
        m_values.BaseName = split->base;
        m_window.setProgressValue(index);
        m_values.ExtensionText = split->extension;
        m_values.OldPath = FullPath(settings.folder.text, m_values.CurrentName);
        m_values.CaseIndex = int(settings.caseMode);
        const QString newName = *ComposeNewName(m_values.CurrentName, settings, index, RunKind::WholeList);
        if (const Failure failure = fileStep(folder, settings, newName))
            return failure;
    }
    return std::nullopt;
}

RenameCommand::Failure RenameCommand::selectedMainPass(RenameFolder &folder, const RenameSettings &settings,
                                                       int count)
{
    for (int index = 0; index < count; ++index) {
        if (!m_window.isFileSelected(index))
            continue;
        ++m_selectedCount;
        holdEntry(index);
        m_window.setProgressValue(index);
        const std::optional<QString> extension = ExtensionOf(m_values.CurrentName);
        if (!extension)
            return nameTooShort();
        m_values.ExtensionText = *extension;
        m_values.OldPath = FullPath(settings.folder.text, m_values.CurrentName);
        m_values.CaseIndex = int(settings.caseMode);
        const QString newName =
            *ComposeNewName(m_values.CurrentName, settings, m_selectedCount, RunKind::SelectedFiles);
        if (const Failure failure = fileStep(folder, settings, newName))
            return failure;
    }
    return std::nullopt;
}

// Only names whose last three characters are "jpe" in any case are touched.
RenameCommand::Failure RenameCommand::jpePass(RenameFolder &folder, const RenameSettings &settings)
{
    const int count = m_window.fileCount();
    for (int index = 0; index < count; ++index) {
        takeName(index, settings);
        if (!HasJpeExtension(m_values.CurrentName))
            continue;
        const std::optional<QString> newName = RewriteJpeExtension(m_values.CurrentName);
        if (!newName)
            return nameTooShort();
        if (const Failure failure = fileStep(folder, settings, *newName))
            return failure;
    }
    return std::nullopt;
}

// Every listed file goes through the step, also when folding changes nothing.
RenameCommand::Failure RenameCommand::accentPass(RenameFolder &folder, const RenameSettings &settings)
{
    const int count = m_window.fileCount();
    for (int index = 0; index < count; ++index) {
        takeName(index, settings);
        const std::optional<QString> newName = FoldedNewName(m_values.CurrentName);
        if (!newName)
            return nameTooShort();
        if (const Failure failure = fileStep(folder, settings, *newName))
            return failure;
    }
    return std::nullopt;
}

RenameSettings RenameCommand::readSettings() const
{
    RenameSettings settings;
    settings.numbering = m_window.checkValue(CheckBox::Check1) == 1;
    settings.append = m_window.checkValue(CheckBox::Check4) == 1;
    settings.newText = m_window.text1();
    settings.caseMode = selectedCaseMode(m_window);
    settings.jpeRewrite = m_window.checkValue(CheckBox::Check2) == 1 && m_window.isCheck2Visible();
    settings.accentFolding = m_window.checkValue(CheckBox::Check3) == 1;
    settings.folder = m_window.label5Caption();
    return settings;
}

// The bar's maximum must stay above its minimum, so a single entry gets a maximum of 1.
void RenameCommand::prepareProgressBar(int count)
{
    m_window.setProgressMin(0);
    m_window.setProgressMax(count == 1 ? 1 : count - 1);
    m_window.setProgressValue(m_window.progressMin());
    m_window.setProgressVisible(true);
}

void RenameCommand::releaseProgressBar()
{
    m_window.setProgressVisible(false);
    m_window.setProgressValue(m_window.progressMin());
}

void RenameCommand::lock(std::initializer_list<LockableControl> controls)
{
    for (LockableControl control : controls)
        m_window.setControlEnabled(control, false);
}

// The new-name box and "Változatlan" come back only while numbering is on, the state the
// numbering box gives them.
void RenameCommand::unlock(std::initializer_list<LockableControl> controls, bool numbering)
{
    for (LockableControl control : controls) {
        if (!followsNumbering(control))
            m_window.setControlEnabled(control, true);
    }
    if (numbering) {
        m_window.setControlEnabled(LockableControl::Text1, true);
        m_window.setControlEnabled(LockableControl::Option1_2, true);
    }
}

void RenameCommand::holdEntry(int index)
{
    m_entry = m_window.fileName(index);
    m_values.CurrentName = m_entry.text;
}

void RenameCommand::takeName(int index, const RenameSettings &settings)
{
    holdEntry(index);
    m_values.ExtensionText = m_values.CurrentName.right(3);
    m_values.OldPath = FullPath(settings.folder.text, m_values.CurrentName);
}

RenameCommand::Failure RenameCommand::fileStep(RenameFolder &folder, const RenameSettings &settings,
                                               const QString &newName)
{
    m_values.NewPath = FullPath(settings.folder.text, newName);
    FileError error = folder.setArchiveOnly(m_entry);
    if (!error)
        error = folder.rename(m_entry, newName);
    if (!error)
        return std::nullopt;
    const FileCondition condition = folder.isRemoved() ? FileCondition::PathNotFound : *error;
    return RenameFailure{RenameFailure::Kind::Refused, m_values.CurrentName, newName, condition, folder.parkedName()};
}

RenameFailure RenameCommand::nameTooShort() const
{
    return {RenameFailure::Kind::NameTooShort, m_values.CurrentName, {}, FileCondition::Other, {}};
}
