#pragma once

#include "engine/RenameFailure.h"
#include "platform/LocalFileSystem.h"
#include "ResultTable.h"
#include "RunConfiguration.h"

#include <QTextStream>

#include <functional>
#include <optional>

class MainWindowProgram;
class RenameCommand;
class SampleFolder;

// Times the rename command, its undo, the file listing and the main window's opening, preview and
// "OK" against their floors, the plain work that gives the same result, and the play that checks
// a run against a time limit, and enters each result in the table with the most memory the
// process held while it was measured. Every time is the best of a few repetitions; a run and its
// floor take turns.
class Benchmark {
public:
    Benchmark(ResultTable &table, int repetitions, double peakLimitMiB);

    // A whole-list run that starts from the folder's sample names every time, checked first by
    // its play as OK checks it. Returns the run's time.
    double measureRun(SampleFolder &folder, const RunConfiguration &configuration);

    // The play alone, as OK checks a run with it and the file list previews a run with it; the
    // note beside it tells its share of `checkedRunMs`, the run's time with the play included.
    void measurePlay(SampleFolder &folder, const RunConfiguration &configuration, double checkedRunMs);

    // The undo of a whole-list run, against the same renames taken back plainly.
    void measureUndo(SampleFolder &folder, const RunConfiguration &configuration);

    // The file list's listing with the pattern "*.*".
    void measureListing(SampleFolder &folder);

    // The main window opening a folder as the folder chooser hands it over, until it has laid
    // out its list, against a plain listing in the user's order. `limitMs`, when given, also
    // holds it to a time.
    void measureWindowOpen(SampleFolder &folder, double limitMs = 0);

    // The longest time the main window's thread stays away from its event loop while the
    // preview of a run is played, from the first tooltip that asks until the answer is there.
    void measurePreview(SampleFolder &folder);

    // A change of letter case of every file on an emulated case-blind FUSE disk, through the
    // rename routine, against one plain rename per file.
    void measureCaseChanges(SampleFolder &folder);

    // A whole-list run started by the main window's "OK", with the settings the window opens
    // with.
    void measureWindowRun(SampleFolder &folder);

    // The run against perl's rename given the same names on its standard input and a perl
    // expression that makes the same new names; it must be faster.
    void measureAgainstPerl(SampleFolder &folder, const RunConfiguration &configuration, const QString &expression);

private:
    // How a measured run went: its time, and what stopped it, empty when nothing did.
    struct RunOutcome {
        double ms = 0;
        QString problem;
    };

    // What a compared run must leave: new names, or the sample names again.
    enum class Leaves { NewNames, SampleNames };
    struct Comparison {
        QString label;
        double targetRatio;
        Leaves leaves;
    };
    using CommandCall = std::function<std::optional<RenameFailure>(RenameCommand &)>;

    double compareRunWithFloor(SampleFolder &folder, const Comparison &comparison,
                               const std::function<RunOutcome()> &measureRealRun,
                               const std::function<double()> &measureFloor);
    RunOutcome commandRun(SampleFolder &folder, const CommandCall &prepare, const CommandCall &measure);
    RunOutcome windowRun(SampleFolder &folder, MainWindowProgram &program);
    RunOutcome perlRun(SampleFolder &folder, const RunConfiguration &configuration, const QString &expression);
    double floorRunMs(SampleFolder &folder, const RunConfiguration &configuration);
    double floorUndoMs(SampleFolder &folder, const RunConfiguration &configuration);
    double floorListingMs(SampleFolder &folder, QByteArray *listingDigest);
    void compareListingWithFloor(SampleFolder &folder, const QString &label, double realMs,
                                 PackedNames realNames, double limitMs = 0);
    void announce(const QString &label, int fileCount);
    // The row with the peak memory given, or else the peak since the measurement began.
    void enter(ResultTable::Row row, std::optional<double> peakMiB = std::nullopt);
    void note(const QString &label, int fileCount, const QString &text);

    static constexpr double undoTargetRatio = 1.3;
    static constexpr double playLimitMs = 500;
    static constexpr double listingTargetRatio = 1.5;
    static constexpr double caseChangeTargetRatio = 4.0;
    static constexpr double previewPauseLimitMs = 100;
    static constexpr double perlTargetRatio = 1.0;

    LocalFileSystem m_fileSystem;
    ResultTable &m_table;
    const int m_repetitions;
    const double m_peakLimitMiB;
    QTextStream m_progress;
};
