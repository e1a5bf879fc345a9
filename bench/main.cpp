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
#include <QProcess>
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

// The cases of a million files, each measured once: a million renames take long enough to be
// steady.
using MillionCase = void (*)(Benchmark &, SampleFolder &);
const MillionCase millionCases[] = {
    [](Benchmark &benchmark, SampleFolder &folder) { benchmark.measureWindowOpen(folder, millionOpenLimitMs); },
    [](Benchmark &benchmark, SampleFolder &folder) { benchmark.measurePreview(folder); },
    [](Benchmark &benchmark, SampleFolder &folder) { benchmark.measureRun(folder, RunConfiguration::numbered()); },
    [](Benchmark &benchmark, SampleFolder &folder) { benchmark.measureUndo(folder, RunConfiguration::numbered()); },
    [](Benchmark &benchmark, SampleFolder &folder) { benchmark.measureRun(folder, RunConfiguration::lowerJpeAccents()); },
};
const QString millionCaseOption = QStringLiteral("--million-case");

void measureMillionCase(ResultTable &table, int index)
{
    if (index < 0 || index >= int(std::size(millionCases)))
        qFatal("No case of a million files is numbered %d", index);
    Benchmark benchmark(table, 1, millionPeakLimitMiB);
    SampleFolder folder(millionFileCount);
    millionCases[index](benchmark, folder);
}

// Each case runs in a process of its own, as a user's session would, so that its peak memory is
// its own and not shaped by what the cases before it left in the heap. Each process prints its
// rows and notes below the one heading printed here.
void measureMillion(QTextStream &out)
{
    ResultTable::printHeading(out);
    out.flush();
    for (int index = 0; index < int(std::size(millionCases)); ++index) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {millionCaseOption, QString::number(index)});
        if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
            out << QStringLiteral("note: the case of a million files numbered %1 did not finish").arg(index) << Qt::endl;
    }
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

    QTextStream out(stdout);
    ResultTable table;
    const QStringList arguments = QApplication::arguments();
    const qsizetype caseOption = arguments.indexOf(millionCaseOption);
    if (caseOption >= 0) {
        measureMillionCase(table, arguments.value(caseOption + 1).toInt());
        table.printBody(out);
    } else if (arguments.contains(QStringLiteral("--million"))) {
        measureMillion(out);
    } else {
        if (arguments.contains(QStringLiteral("--versus-perl")))
            measureAgainstPerl(table);
        else
            measureRunsAndWindow(table);
        table.print(out);
    }
    return 0;
}
