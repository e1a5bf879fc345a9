#include "engine/RenameRun.h"

#include "platform/FileNameOrder.h"
#include "platform/FileSystem.h"

#include <algorithm>

using namespace NameRules;

RenameRun::RenameRun(FileListSource &list, RunObserver &observer, const FileSystem &fileSystem, RenameRecord *record,
                     Order laterOrder, std::span<const int> wholeListOrder)
    : m_list(list)
    , m_observer(observer)
    , m_fileSystem(fileSystem)
    , m_record(record)
    , m_laterOrder(laterOrder)
    , m_wholeListOrder(wholeListOrder)
{
}

std::optional<RenameFailure> RenameRun::run(const RenameSettings &settings)
{
    const int count = m_list.fileCount();
    for (int index = 0; index < count; ++index) {
        if (m_list.isFileSelected(index))
            return kival(settings);
    }
    return nevez(settings);
}

// The files get their names back last renamed first, so that every name a file gave up is
// free again when it is wanted back.
std::optional<RenameFailure> RenameRun::undo(const DiskName &folderName, const FileIdentity &folderIdentity,
                                             RenameRecord &record)
{
    m_undoing = true;
    m_folder = folderName;
    const std::unique_ptr<RenameFolder> folder = m_fileSystem.openFolder(folderName);
    const Failure failure = runObserved(RunKind::WholeList, folder.get(), folderIdentity, record.size(),
                                        [&](RenameFolder &open) { return undoPass(open, record); });
    m_list.refreshFiles();
    return failure;
}

// Up to three passes: every listed file gets its new name, then jpe becomes jpg, then accents
// are folded; each later pass reads the folder again.
RenameRun::Failure RenameRun::nevez(const RenameSettings &settings)
{
    const int count = m_list.fileCount();
    if (count == 0)
        return std::nullopt;
    m_folder = settings.folder;
    const bool accentPass = settings.accentFolding && !settings.numbering;
    noteSteps(settings.jpeRewrite || accentPass, count);
    const std::unique_ptr<RenameFolder> folder = m_fileSystem.openFolder(settings.folder);
    const Failure failure = runObserved(RunKind::WholeList, folder.get(), m_list.listedFolder(), count, [&](RenameFolder &open) {
        Failure failure = wholeListMainPass(open, settings, count);
        if (!failure && settings.jpeRewrite)
            failure = laterPass(open, LaterPass::Jpe);
        if (!failure && accentPass)
            failure = laterPass(open, LaterPass::Accents);
        return failure;
    });
    m_list.refreshFiles();
    return failure;
}

// The selected entries, numbered by their place among the selected ones, then the jpe pass.
RenameRun::Failure RenameRun::kival(const RenameSettings &settings)
{
    m_selectedCount = -1;
    const int count = m_list.fileCount();
    noteSteps(settings.jpeRewrite, count);
    m_folder = settings.folder;
    const std::unique_ptr<RenameFolder> folder = m_fileSystem.openFolder(settings.folder);
    const Failure failure = runObserved(RunKind::SelectedFiles, folder.get(), m_list.listedFolder(), count, [&](RenameFolder &open) {
        const Failure failure = selectedMainPass(open, settings, count);
        return !failure && settings.jpeRewrite ? laterPass(open, LaterPass::Jpe) : failure;
    });
    m_list.refreshFiles();
    return failure;
}

// The observer watches the passes and the write-through that ends them; no folder chosen, or
// another folder than the listed one under the path, stops the run between its start and its end.
template<typename Pass>
RenameRun::Failure RenameRun::runObserved(RunKind kind, RenameFolder *folder, const FileIdentity &listed, int count, Pass pass)
{
    m_observer.runStarted(kind, count);
    Failure failure = folderFailure(folder, listed);
    if (!failure) {
        // Files copied onto a card just before are written to it before any of them is renamed:
        // on vfat a new name can reach the card before the file's contents do, and a cut during
        // the run would leave it empty. A disk that cannot write now refuses the renames that
        // follow, each for its own reason, so the answer is not needed here.
        folder->makeDurable();
        failure = madeDurable(*folder, pass(*folder));
    }
    m_stepped = Steps(); // let go before the list is read again
    m_earlierSteps = 0;
    m_observer.runEnded(kind);
    return failure;
}

// A folder that could not be opened, or a list that could not be read, refuses each step for
// its own reason instead.
RenameRun::Failure RenameRun::folderFailure(const RenameFolder *folder, const FileIdentity &listed) const
{
    if (!folder)
        return failure(RenameFailure::Kind::NoFolder);
    const FileIdentity opened = folder->identity();
    if (opened.isEmpty() || listed.isEmpty() || opened == listed)
        return std::nullopt;
    RenameFailure changed = failure(RenameFailure::Kind::FolderChanged);
    changed.oldName = m_folder.text;
    return changed;
}

// What the run renamed is written through to disks that could lose it to a power cut or a pulled
// card before the run reports its end, also after a failure; a failure to write it is reported
// unless the run stopped for another reason first.
RenameRun::Failure RenameRun::madeDurable(RenameFolder &folder, Failure failure)
{
    if (!m_renamedAny)
        return failure;
    const FileError error = folder.makeDurable();
    if (!error || failure)
        return failure;
    RenameFailure notSaved = this->failure(RenameFailure::Kind::NotSaved, {}, *error);
    notSaved.oldName = m_folder.text;
    return notSaved;
}

RenameRun::Failure RenameRun::wholeListMainPass(RenameFolder &folder, const RenameSettings &settings, int count)
{
    for (int step = 0; step < count; ++step) {
        const int index = m_wholeListOrder.empty() ? step : m_wholeListOrder[size_t(step)];
        holdEntry(index);
        m_observer.stepReached(step);
        if (const Failure stopped = renameTo(folder, composeNewName(m_entry.text, settings, index, RunKind::WholeList)))
            return stopped;
    }
    return std::nullopt;
}

RenameRun::Failure RenameRun::selectedMainPass(RenameFolder &folder, const RenameSettings &settings, int count)
{
    for (int index = 0; index < count; ++index) {
        if (!m_list.isFileSelected(index))
            continue;
        ++m_selectedCount;
        holdEntry(index);
        m_observer.stepReached(index);
        if (const Failure stopped = renameTo(folder, composeNewName(m_entry.text, settings, m_selectedCount, RunKind::SelectedFiles)))
            return stopped;
    }
    return std::nullopt;
}

// A pass over the files of the list's pattern read again, which must come from the folder the
// run renames in. Each name that the pass touches gets its new name from the rule, in the list's
// order or the folder's. The jpe pass touches names whose last three characters are "jpe" in any
// case; the accent pass every name, but a file that this run has stepped already and whose name
// folding leaves as it is needs nothing more. Only the touched names are put in order, and the
// rest of the listing is let go before the pass renames.
RenameRun::Failure RenameRun::laterPass(RenameFolder &folder, LaterPass pass)
{
    FolderListing listing = m_fileSystem.listFiles(m_folder, m_list.filePattern(), ListingOrder::AsStored);
    if (Failure changed = folderFailure(&folder, listing.folder))
        return changed;
    std::sort(m_stepped.begin(), m_stepped.end());
    m_earlierSteps = m_stepped.size();
    PackedNames touched = namesTouchedBy(pass, listing.names);
    listing = {};
    if (m_notesSteps)
        m_stepped.reserve(m_stepped.size() + size_t(touched.size()));
    if (m_laterOrder == Order::Alphabetical)
        sortFileNames(touched);
    for (qsizetype index = 0; index < touched.size(); ++index) {
        const QByteArrayView name = touched.at(index);
        m_entry = DiskName::fromBytes(name.toByteArray());
        if (const Failure stopped = renameTo(folder, laterNewName(pass, m_entry.text), stepThatGave(name)))
            return stopped;
    }
    return std::nullopt;
}

// A main pass of `count` files steps each at most once.
void RenameRun::noteSteps(bool notes, int count)
{
    m_notesSteps = notes;
    if (notes)
        m_stepped.reserve(size_t(count));
}

std::pair<RenameRun::Steps::const_iterator, RenameRun::Steps::const_iterator> RenameRun::stepsUnder(QByteArrayView name) const
{
    const auto earlier = m_stepped.cbegin() + std::ptrdiff_t(m_earlierSteps);
    return std::equal_range(m_stepped.cbegin(), earlier, Stepped{quint32(qHash(name)), -1});
}

// The record's step that renamed a file to the name in this run; nothing for a name the record
// does not hold.
std::optional<int> RenameRun::stepThatGave(QByteArrayView name) const
{
    if (!m_record)
        return std::nullopt;
    const auto [first, last] = stepsUnder(name);
    for (auto step = first; step != last; ++step) {
        if (step->recordStep >= 0 && m_record->after(step->recordStep) == name)
            return step->recordStep;
    }
    return std::nullopt;
}

PackedNames RenameRun::namesTouchedBy(LaterPass pass, const PackedNames &names) const
{
    PackedNames touched;
    for (qsizetype index = 0; index < names.size(); ++index) {
        const QByteArrayView name = names.at(index);
        if (pass == LaterPass::Jpe ? hasJpeExtension(name) : !isSteppedUnder(name) || !foldingKeeps(name))
            touched.append(name);
    }
    return touched;
}

bool RenameRun::isSteppedUnder(QByteArrayView name) const
{
    const auto [first, last] = stepsUnder(name);
    return first != last;
}

// Whether folding gives the name back as the folder holds it.
bool RenameRun::foldingKeeps(QByteArrayView name)
{
    if (foldingSurelyKeeps(name))
        return true;
    const std::optional<QString> folded = foldedNewName(DiskName::textOf(name));
    return folded && DiskName::fromText(*folded).bytes == name;
}

std::optional<QString> RenameRun::laterNewName(LaterPass pass, const QString &name) const
{
    return pass == LaterPass::Jpe ? rewriteJpeExtension(name) : foldedNewName(name);
}

// A name that leads to another file than the one the run renamed (replaced or swapped by
// another program meanwhile) is not taken back.
RenameRun::Failure RenameRun::undoPass(RenameFolder &folder, RenameRecord &record)
{
    for (int done = 0; !record.isEmpty(); ++done) {
        const int step = record.size() - 1;
        m_observer.stepReached(done);
        m_entry = DiskName::fromBytes(record.after(step).toByteArray());
        const DiskName oldName = DiskName::fromBytes(record.before(step).toByteArray());
        const FileIdentity file = folder.identify(m_entry);
        if (file.isEmpty())
            return failure(RenameFailure::Kind::Refused, oldName.text, FileCondition::PathNotFound);
        if (file != record.file(step))
            return failure(RenameFailure::Kind::NotTheRenamedFile, oldName.text);
        if (const Failure refused = fileStep(folder, oldName))
            return refused;
        record.removeLast();
    }
    return std::nullopt;
}

void RenameRun::holdEntry(int index)
{
    m_entry = m_list.fileName(index);
}

// A name too short to cut stops the run at the file in hand; any other new name is written in
// UTF-8.
RenameRun::Failure RenameRun::renameTo(RenameFolder &folder, const std::optional<QString> &newName,
                                      std::optional<int> earlierStep)
{
    if (!newName)
        return failure(RenameFailure::Kind::NameTooShort);
    return fileStep(folder, DiskName::fromText(*newName), earlierStep);
}

// The record notes which file got the new name, as the attribute step found it just before,
// so that only that file is given its old one back. A file this run has renamed already keeps
// the identity it had then and needs no second attribute step.
RenameRun::Failure RenameRun::fileStep(RenameFolder &folder, const DiskName &newName, std::optional<int> earlierStep)
{
    FileIdentity file;
    FileError error = earlierStep ? FileError() : folder.setArchiveOnly(m_entry, file);
    if (!error)
        error = folder.rename(m_entry, newName);
    if (!error) {
        const bool renamed = newName.bytes != m_entry.bytes;
        if (m_notesSteps)
            m_stepped.push_back({quint32(qHash(QByteArrayView(newName.bytes))), renamed && m_record ? m_record->size() : -1});
        if (!renamed)
            return std::nullopt;
        m_renamedAny = true;
        if (m_record && earlierStep)
            m_record->addAfter(*earlierStep, newName.bytes);
        else if (m_record)
            m_record->add(m_entry.bytes, newName.bytes, file);
        return std::nullopt;
    }
    RenameFailure refused = failure(RenameFailure::Kind::Refused, newName.text,
                                    folder.isRemoved() ? FileCondition::PathNotFound : *error);
    refused.parkedName = folder.parkedName();
    return refused;
}

RenameFailure RenameRun::failure(RenameFailure::Kind kind, const QString &newName, FileCondition condition) const
{
    RenameFailure failure{kind, m_entry.text, newName, condition, {}};
    failure.nothingRenamed = !m_renamedAny;
    failure.undoing = m_undoing;
    return failure;
}
