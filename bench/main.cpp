// Measures how close the rename runs, their undo, the file listing and the main window come to
// the plain work that gives the same result, how long the play that checks a run takes, how long
// the window stops answering while it previews a run, and how much memory each of them needs.
// Prints one table. With --million, a folder of a million files is measured instead; with
// --versus-perl, the runs are held against perl's rename on the same names.

#include "Benchmark.h"
#include "ResultTable.h"
#include "RunConfiguration.h"
#include "SampleFolder.h"

#include "platform/LargeBlocks.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>
#include <QTextStream>

namespace {

constexpr int runFileCounts[] = {10'000, 100'000};
constexpr int windowFileCount = 100'000;
constexpr int millionFileCount = 1'000'000;
constexpr int repetitions = 3;
constexpr double peakLimitMiB = 64;
constexpr double millionPeakLimitMiB = 256;
constexpr double millionOpenLimitMs = 1600;

// The main window needs a screen; unless the caller chose a platform, it gets one that draws
// into memory only, so the benchmark runs without a display.
void chooseOffscreenPlatform()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void measureRunsAndWindow(ResultTable &table)
{
    Benchmark benchmark(table, repetitions, peakLimitMiB);
    for (int fileCount : runFileCounts) {
        SampleFolder folder(fileCount);
        const double checkedRunMs = benchmark.measureRun(folder, RunConfiguration::numbered());
        benchmark.measurePlay(folder, RunConfiguration::numbered(), checkedRunMs);
        benchmark.measureUndo(folder, RunConfiguration::numbered());
        benchmark.measureRun(folder, RunConfiguration::lowerJpeAccents());
        benchmark.measureCaseChanges(folder);
    }
    SampleFolder folder(windowFileCount);
    benchmark.measureListing(folder);
    benchmark.measureWindowOpen(folder);
    benchmark.measurePreview(folder);
    benchmark.measureWindowRun(folder);
}

// Each measurement is made once: a million renames take long enough to be steady.
void measureMillion(ResultTable &table)
{
    Benchmark benchmark(table, 1, millionPeakLimitMiB);
    SampleFolder folder(millionFileCount);
    benchmark.measureWindowOpen(folder, millionOpenLimitMs);
    benchmark.measurePreview(folder);
    benchmark.measureRun(folder, RunConfiguration::numbered());
    benchmark.measureUndo(folder, RunConfiguration::numbered());
    benchmark.measureRun(folder, RunConfiguration::lowerJpeAccents());
}

// Perl numbers the names in the order it is given them, which is the list's order, and folds
// the base alone, as the program does.
void measureAgainstPerl(ResultTable &table)
{
    Benchmark benchmark(table, repetitions, peakLimitMiB);
    SampleFolder folder(runFileCounts[1]);
    benchmark.measureAgainstPerl(folder, RunConfiguration::numbered(),
                                 QStringLiteral(R"(s/^.*\.(.{3})$/sprintf("%03d.%s", $::n++, $1)/e)"));
    benchmark.measureAgainstPerl(folder, RunConfiguration::lower(), QStringLiteral("$_ = lc"));
    benchmark.measureAgainstPerl(folder, RunConfiguration::lowerAccents(),
                                 QStringLiteral(R"($_ = lc; s/^(.*)(\..{3})$/($1 =~ tr{\x{e1}\x{e9}\x{ed}\x{f3}\x{f6}\x{151}\x{fa}\x{fc}\x{171}}{aeiooouuu}r).$2/e)"));
    benchmark.measureAgainstPerl(folder, RunConfiguration::lowerJpeAccents(),
                                 QStringLiteral(R"($_ = lc; s/jpe$/jpg/; s/^(.*)(\..{3})$/($1 =~ tr{\x{e1}\x{e9}\x{ed}\x{f3}\x{f6}\x{151}\x{fa}\x{fc}\x{171}}{aeiooouuu}r).$2/e)"));
}

} // namespace

int main(int argc, char *argv[])
{
    returnLargeBlocksToSystem(); // as the program does
    chooseOffscreenPlatform();
    QApplication application(argc, argv);
    // The window is drawn in the style the program uses.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    // Names are put in the order a Hungarian user sees, whatever the machine's own locale.
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));

    ResultTable table;
    const QStringList arguments = QApplication::arguments();
    if (arguments.contains(QStringLiteral("--million")))
        measureMillion(table);
    else if (arguments.contains(QStringLiteral("--versus-perl")))
        measureAgainstPerl(table);
    else
        measureRunsAndWindow(table);

    QTextStream out(stdout);
    table.print(out);
    return 0;
}
