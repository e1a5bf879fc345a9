// Measures how close the rename runs, their undo, the file listing and the main window come to
// the bare system calls they make, how long the play that checks a run takes, and how much
// memory the program needs for a large folder. Prints one table.

#include "Benchmark.h"
#include "PeakMemory.h"
#include "ResultTable.h"
#include "RunConfiguration.h"
#include "SampleFolder.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>
#include <QTextStream>

namespace {

constexpr int runFileCounts[] = {10'000, 100'000};
constexpr int listingFileCount = 100'000;
constexpr double peakLimitMiB = 64;

// The main window needs a screen; unless the caller chose a platform, it gets one that draws
// into memory only, so the benchmark runs without a display.
void chooseOffscreenPlatform()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

int main(int argc, char *argv[])
{
    chooseOffscreenPlatform();
    QApplication application(argc, argv);
    // The window is drawn in the style the program uses.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    // Names are put in the order a Hungarian user sees, whatever the machine's own locale.
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));

    ResultTable table;
    Benchmark benchmark(table);
    for (int fileCount : runFileCounts) {
        SampleFolder folder(fileCount);
        const double checkedRunMs = benchmark.measureRun(folder, RunConfiguration::numbered());
        benchmark.measurePlay(folder, RunConfiguration::numbered(), checkedRunMs);
        benchmark.measureUndo(folder, RunConfiguration::numbered());
        benchmark.measureRun(folder, RunConfiguration::lowerJpeAccents());
        benchmark.measureCaseChanges(folder);
    }
    {
        SampleFolder folder(listingFileCount);
        benchmark.measureListing(folder);
        benchmark.measureWindowListing(folder);
        benchmark.measureWindowRun(folder);
    }

    QTextStream out(stdout);
    table.print(out, peakResidentMiB(), peakLimitMiB);
    return 0;
}
