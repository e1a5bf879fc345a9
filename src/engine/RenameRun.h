#pragma once

#include "engine/NameRules.h"
#include "engine/RenameFailure.h"
#include "engine/RenameRecord.h"
#include "engine/RenameSettings.h"
#include "engine/FileListSource.h"
#include "engine/RunObserver.h"

#include <optional>
#include <span>
#include <vector>

class FileSystem;
class RenameFolder;

// The runs of the main window's OK button: `nevez` over the whole file list when nothing is
// selected, `kival` over the selected entries otherwise, and the run that gives the files of
// an earlier run their names back. A run works only in the folder the list was read from, and
// stops when the path leads to another one. It stops at the first file it cannot rename; files
// renamed before it keep their new names, and the record given to the run tells which. The list
// is read again once, when the run ends.
class RenameRun {
public:
    // The order a later pass takes the names it touches in: the list's, or the folder's own,
    // which needs no sort. Without a failure the outcome is the same; with one, the order tells
    // which file the run stops at.
    enum class Order { Alphabetical, AsStored };

    // Each rename the run makes is added to `record`; a played run and an undo keep none.
    // The observer is told of the run's start, steps and end. `wholeListOrder` holds every
    // listed entry in the order the first pass over the whole list renames them in (each keeps
    // the number of its place in the list); empty for the list's own order.
    RenameRun(FileListSource &list, RunObserver &observer, const FileSystem &fileSystem, RenameRecord *record = nullptr,
              Order laterOrder = Order::Alphabetical, std::span<const int> wholeListOrder = {});

    // The failure that stopped the run, if one did.
    std::optional<RenameFailure> run(const RenameSettings &settings);
    // Takes the renames of the record back, last first, in the folder of that identity, each
    // only while its new name still leads to the file that got it. What was taken back leaves
    // the record, so that the rest can be tried again.
    std::optional<RenameFailure> undo(const DiskName &folder, const FileIdentity &folderIdentity, RenameRecord &record);

    // The file the run had in hand last, under the name it had then.
    const DiskName &entryInHand() const { return m_entry; }

private:
    using Failure = std::optional<RenameFailure>;
    enum class LaterPass { Jpe, Accents };
    struct Stepped {
        quint32 hash;
        qint32 recordStep;
        bool operator<(const Stepped &other) const { return hash < other.hash; }
    };
    using RunKind = NameRules::RunKind;

    Failure nevez(const RenameSettings &settings);
    Failure kival(const RenameSettings &settings);

    Failure wholeListMainPass(RenameFolder &folder, const RenameSettings &settings, int count);
    Failure selectedMainPass(RenameFolder &folder, const RenameSettings &settings, int count);
    Failure laterPass(RenameFolder &folder, LaterPass pass);
    PackedNames namesTouchedBy(LaterPass pass, const PackedNames &names) const;
    bool isSteppedUnder(QByteArrayView name) const;
    static bool foldingKeeps(QByteArrayView name);
    std::optional<QString> laterNewName(LaterPass pass, const QString &name) const;
    Failure undoPass(RenameFolder &folder, RenameRecord &record);

    template<typename Pass>
    Failure runObserved(RunKind kind, RenameFolder *folder, const FileIdentity &listed, int count, Pass pass);
    Failure folderFailure(const RenameFolder *folder, const FileIdentity &listed) const;
    Failure madeDurable(RenameFolder &folder, Failure failure);

    void holdEntry(int index);
    Failure renameTo(RenameFolder &folder, const std::optional<QString> &newName, std::optional<int> earlierStep = {});
    Failure fileStep(RenameFolder &folder, const DiskName &newName, std::optional<int> earlierStep = {});
    using Steps = std::vector<Stepped>;
    void noteSteps(bool notes, int count);
    std::pair<Steps::const_iterator, Steps::const_iterator> stepsUnder(QByteArrayView name) const;
    std::optional<int> stepThatGave(QByteArrayView name) const;
    RenameFailure failure(RenameFailure::Kind kind, const QString &newName = {},
                          FileCondition condition = FileCondition::Other) const;

    FileListSource &m_list;
    RunObserver &m_observer;
    const FileSystem &m_fileSystem;
    // The running number of `kival`: the count of selected files met so far, starting at -1 so
    // that the first selected file gets number 0 once it is counted.
    int m_selectedCount = -1;
    DiskName m_entry; // the file in hand as the folder holds it
    DiskName m_folder;
    RenameRecord *m_record;
    Order m_laterOrder;
    std::span<const int> m_wholeListOrder;
    bool m_renamedAny = false; // whether a file got a new name
    // The hashes of the names that files stood under after their step in this run, and the
    // record's step that renamed them (-1 for none), noted when a later pass follows: the accent
    // pass leaves alone what it would not change, and a later pass takes the identity of a file
    // it renames again from the record instead of a second attribute step. The hash has 32 bits,
    // so that a step costs 8 bytes: a file another program put under a name of the same hash
    // meanwhile is left alone by the accent pass too, and its name stays.
    bool m_notesSteps = false;
    Steps m_stepped; // reserved before each pass, so that it grows once a pass
    // How many steps the passes before this one made, sorted by hash; the steps of this pass
    // follow them unsorted, since a pass never looks up its own steps.
    size_t m_earlierSteps = 0;
    bool m_undoing = false;
};
