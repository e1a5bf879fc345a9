#pragma once

#include "platform/LocalFileSystem.h"
#include "ResultTable.h"
#include "RunConfiguration.h"

#include <QTextStream>

#include <functional>

class MainWindowProgram;
class SampleFolder;

// Times the rename command, the file listing and the main window's list and "OK" against their
// floors, the same system calls in plain loops, and enters each result in the table. Every time
// is the best of a few repetitions.
class Benchmark {
public:
    explicit Benchmark(ResultTable &table);

    // A whole-list run that starts from the folder's sample names every time.
    void measureRun(SampleFolder &folder, const RunConfiguration &configuration);

    // The file list's listing with the pattern "*.*".
    void measureListing(SampleFolder &folder);

    // The main window's file list reading its folder again.
    void measureWindowListing(SampleFolder &folder);

    // A whole-list run started by the main window's "OK", with the settings the window opens
    // with.
    void measureWindowRun(SampleFolder &folder);

private:
    // How a measured run went: its best time, and what stopped it, empty when nothing did.
    struct RunOutcome {
        double ms = 0;
        QString problem;
    };

    void compareRunWithFloor(SampleFolder &folder, const RunConfiguration &configuration,
                             const std::function<RunOutcome()> &measureRealRun);
    RunOutcome realRun(SampleFolder &folder, const RunConfiguration &configuration);
    RunOutcome windowRun(SampleFolder &folder, MainWindowProgram &program);
    double windowReReadMs(SampleFolder &folder, QByteArrayList *listedNames);
    double floorRunMs(SampleFolder &folder, const RunConfiguration &configuration);
    double floorListingMs(SampleFolder &folder, QByteArray *listingDigest);
    void compareListingWithFloor(SampleFolder &folder, const QString &label, double realMs,
                                 QByteArrayList realNames);
    void announce(const QString &label, int fileCount);
    void noteProblem(const QString &label, int fileCount, const QString &problem);

    static constexpr int repetitions = 3;
    static constexpr double runTargetRatio = 1.5;
    static constexpr double listingTargetRatio = 2.0;

    LocalFileSystem m_fileSystem;
    ResultTable &m_table;
    QTextStream m_progress;
};
