#include "Benchmark.h"

#include "BestOf.h"
#include "CaseBlindCalls.h"
#include "engine/ListedFolder.h"
#include "engine/PlayedRun.h"
#include "engine/RenameCommand.h"
#include "engine/RunObserver.h"
#include "FloorCalls.h"
#include "gui/main/FileList.h"
#include "MainWindowProgram.h"
#include "PeakMemory.h"
#include "platform/LinuxRenameFolder_linux.h"
#include "SampleFolder.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <limits>

#include <fcntl.h>
#include <stdio.h>

namespace {

const QString everyFile = QStringLiteral("*.*");

QByteArray bytesOf(const QString &name)
{
    return QFile::encodeName(name);
}

QByteArrayView bytesOf(QByteArrayView name)
{
    return name;
}

QByteArrayView bytesOf(const QByteArray &name)
{
    return name;
}

// A fingerprint of a listing's names as the folder holds them, in their order, so that two
// listings can be compared without holding both at once.
template<typename Names>
QByteArray digestOf(const Names &names)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (qsizetype index = 0; index < names.size(); ++index) {
        hash.addData(bytesOf(names.at(index)));
        hash.addData(QByteArrayView("/", 1)); // a character no name contains
    }
    return hash.result();
}

// The fingerprint the sample folder gives for a folder that holds exactly these names.
QByteArray folderDigestOf(const PackedNames &packed)
{
    QByteArrayList names;
    for (qsizetype index = 0; index < packed.size(); ++index)
        names.append(packed.at(index).toByteArray());
    std::sort(names.begin(), names.end());
    return digestOf(names);
}

std::optional<RenameFailure> nothing(RenameCommand &)
{
    return std::nullopt;
}

} // namespace

Benchmark::Benchmark(ResultTable &table, int repetitions, double peakLimitMiB)
    : m_table(table)
    , m_repetitions(repetitions)
    , m_peakLimitMiB(peakLimitMiB)
    , m_progress(stderr)
{
}

double Benchmark::measureRun(SampleFolder &folder, const RunConfiguration &configuration)
{
    const RenameSettings settings = configuration.settings(folder.path());
    return compareRunWithFloor(
        folder, {QStringLiteral("run: ") + configuration.label, configuration.targetRatio, Leaves::NewNames},
        [&] {
            return commandRun(folder, nothing, [&](RenameCommand &command) { return command.Command1_Click(settings); });
        },
        [&] { return floorRunMs(folder, configuration); });
}

// The play renames nothing, so every play starts from the same names; the previous result is
// dropped before each, so no play pays for freeing another's. What it predicts is then held
// against the names a run leaves.
void Benchmark::measurePlay(SampleFolder &folder, const RunConfiguration &configuration, double checkedRunMs)
{
    const QString label = QStringLiteral("play: ") + configuration.label;
    folder.reset();
    announce(label, folder.fileCount());
    const RenameSettings settings = configuration.settings(folder.path());
    ListedFolder window(m_fileSystem, folder.path());
    std::optional<PlayedRun> played;
    const double ms = bestOfMilliseconds(
        m_repetitions, [&] { played.reset(); }, [&] { played = playRun(window.listedFiles(), m_fileSystem, settings); });

    const double checkMs = bestOfMilliseconds(
        m_repetitions, [] {}, [&] { checkRun(window.listedFiles(), m_fileSystem, settings); });

    const bool playedThrough = played && !played->failure;
    const QByteArray predicted = played ? folderDigestOf(played->finalNames) : QByteArray();
    played.reset();
    const bool ranThrough = !RenameCommand(window, RunObserver::none(), m_fileSystem).Command1_Click(settings);
    const bool correct = playedThrough && ranThrough && predicted == folder.namesDigest();
    if (!correct)
        note(label, folder.fileCount(), QStringLiteral("the play predicted other names than the run left"));
    note(label, folder.fileCount(),
         QStringLiteral("the check before a run costs %1 ms, %2% of the checked run")
             .arg(QString::number(checkMs, 'f', 1), QString::number(100 * checkMs / checkedRunMs, 'f', 1)));
    enter({label, folder.fileCount(), ms, 0, 0, correct, playLimitMs});
}

// Each undo takes back a run made untimed just before it.
void Benchmark::measureUndo(SampleFolder &folder, const RunConfiguration &configuration)
{
    const RenameSettings settings = configuration.settings(folder.path());
    compareRunWithFloor(
        folder, {QStringLiteral("undo: ") + configuration.label, undoTargetRatio, Leaves::SampleNames},
        [&] {
            return commandRun(
                folder, [&](RenameCommand &command) { return command.Command1_Click(settings); },
                [](RenameCommand &command) { return command.undoLastRun(); });
        },
        [&] { return floorUndoMs(folder, configuration); });
}

void Benchmark::measureListing(SampleFolder &folder)
{
    const QString label = QStringLiteral("listing: LocalFileSystem::listFiles *.*");
    folder.reset();
    announce(label, folder.fileCount());

    // The previous result is dropped before each call, so no call pays for freeing another's.
    const DiskName path = DiskName::fromText(folder.path());
    PackedNames names;
    const double realMs = bestOfMilliseconds(
        m_repetitions, [&] { names = {}; }, [&] { names = m_fileSystem.listFiles(path, everyFile, ListingOrder::Alphabetical).names; });
    compareListingWithFloor(folder, label, realMs, std::move(names));
}

// Before each opening the window is pointed at an empty folder, untimed, so that no opening pays
// for freeing the list before it. The window is closed before the floor lists, so that the peak
// memory is the window's own.
void Benchmark::measureWindowOpen(SampleFolder &folder, double limitMs)
{
    const QString label = QStringLiteral("window: open the folder");
    folder.reset();
    announce(label, folder.fileCount());
    PackedNames names;
    double realMs = 0;
    {
        MainWindowProgram program;
        const QTemporaryDir empty;
        realMs = bestOfMilliseconds(
            m_repetitions, [&] { program.pointAt(empty.path()); }, [&] { program.pointAt(folder.path()); });
        names = program.fileList().listedFiles().names; // shared with the list, not copied
    }
    compareListingWithFloor(folder, label, realMs, std::move(names), limitMs);
}

// A timer on the window's thread ticks as often as it can while the play runs; the longest time
// between two ticks, or between the question and the first tick, is what the user waits for.
void Benchmark::measurePreview(SampleFolder &folder)
{
    const QString label = QStringLiteral("window: longest pause, preview play");
    folder.reset();
    announce(label, folder.fileCount());
    MainWindowProgram program;
    program.pointAt(folder.path());

    resetPeakMemory(); // the window's opening is measured on its own
    QElapsedTimer sinceTick;
    QElapsedTimer sinceQuestion;
    double longestPauseMs = 0;
    QString answer;
    QEventLoop loop;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &loop, [&] {
        longestPauseMs = std::max(longestPauseMs, double(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.start();
        answer = program.toolTip(0);
        if (answer != u"…")
            loop.quit();
    });
    sinceQuestion.start();
    sinceTick.start();
    answer = program.toolTip(0);
    ticks.start(1);
    loop.exec();
    const double answeredMs = double(sinceQuestion.nsecsElapsed()) / 1e6;

    const bool correct = answer == u"(marad)" || answer.startsWith(u"→ ");
    if (!correct)
        note(label, folder.fileCount(), QStringLiteral("the preview answered \"%1\"").arg(answer));
    note(label, folder.fileCount(),
         QStringLiteral("the preview answered after %1 ms").arg(QString::number(answeredMs, 'f', 0)));
    enter({label, folder.fileCount(), longestPauseMs, 0, 0, correct, previewPauseLimitMs});
}

// Each case change goes through a hidden name, so two renames and a few looks per file; what
// matters is that the folder is read once, not once a file.
void Benchmark::measureCaseChanges(SampleFolder &folder)
{
    using Rename = std::function<bool(RenameFolder &, int, const QByteArray &)>;
    const auto lowerEveryName = [&](const Rename &rename) {
        folder.reset();
        resetPeakMemory();
        const PackedNames names = m_fileSystem.listFiles(DiskName::fromText(folder.path()), everyFile, ListingOrder::AsStored).names;
        const int descriptor = ::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        CaseBlindCalls calls(descriptor);
        LinuxRenameFolder open(descriptor, calls);
        RunOutcome outcome;
        outcome.ms = millisecondsOf([&] {
            for (qsizetype index = 0; index < names.size(); ++index) {
                if (!rename(open, descriptor, names.at(index).toByteArray()))
                    outcome.problem = QStringLiteral("a case change was refused");
            }
        });
        return outcome;
    };
    compareRunWithFloor(
        folder, {QStringLiteral("case only, case-blind FUSE disk"), caseChangeTargetRatio, Leaves::NewNames},
        [&] {
            return lowerEveryName([](RenameFolder &open, int, const QByteArray &name) {
                return !open.rename(DiskName::fromBytes(name), DiskName::fromBytes(name.toLower()));
            });
        },
        [&] {
            return lowerEveryName([](RenameFolder &, int descriptor, const QByteArray &name) {
                return ::renameat(descriptor, name.constData(), descriptor, name.toLower().constData()) == 0;
            }).ms;
        });
}

void Benchmark::measureAgainstPerl(SampleFolder &folder, const RunConfiguration &configuration, const QString &expression)
{
    const RenameSettings settings = configuration.settings(folder.path());
    compareRunWithFloor(
        folder, {QStringLiteral("perl rename: ") + configuration.label, perlTargetRatio, Leaves::NewNames},
        [&] {
            return commandRun(folder, nothing, [&](RenameCommand &command) { return command.Command1_Click(settings); });
        },
        [&] { return perlRun(folder, configuration, expression).ms; });
}

// The window opens for the run and is closed again before the floor runs, as in the listing.
void Benchmark::measureWindowRun(SampleFolder &folder)
{
    const RunConfiguration configuration = RunConfiguration::windowStart();
    compareRunWithFloor(
        folder, {QStringLiteral("window: run, ") + configuration.label, configuration.targetRatio, Leaves::NewNames},
        [&] {
            MainWindowProgram program;
            return windowRun(folder, program);
        },
        [&] { return floorRunMs(folder, configuration); });
}

// The real and the floor calls take turns, so that both meet the same load of a shared
// machine, and each keeps its best time; the peak memory is the real calls' own, from the moment
// they reset it, once the sample names are back. The run is only fairly compared when every call went
// through and the run and the floor left the same names, the names they must leave. Returns the
// run's time.
double Benchmark::compareRunWithFloor(SampleFolder &folder, const Comparison &comparison,
                                      const std::function<RunOutcome()> &measureRealRun,
                                      const std::function<double()> &measureFloor)
{
    announce(comparison.label, folder.fileCount());
    folder.reset();
    const QByteArray sampleNames = folder.namesDigest();

    RunOutcome real{std::numeric_limits<double>::infinity(), {}};
    double floorMs = std::numeric_limits<double>::infinity();
    QByteArray realResult;
    QByteArray floorResult;
    double realPeakMiB = 0;
    for (int round = 0; round < m_repetitions; ++round) {
        const RunOutcome once = measureRealRun();
        realPeakMiB = std::max(realPeakMiB, peakResidentMiB());
        real.ms = std::min(real.ms, once.ms);
        if (!once.problem.isEmpty())
            real.problem = once.problem;
        realResult = folder.namesDigest();
        floorMs = std::min(floorMs, measureFloor());
        floorResult = folder.namesDigest();
    }

    bool correct = real.problem.isEmpty();
    if (!correct)
        note(comparison.label, folder.fileCount(), real.problem);
    if (realResult != floorResult) {
        correct = false;
        note(comparison.label, folder.fileCount(), QStringLiteral("the floor left other names than the run"));
    }
    if ((realResult == sampleNames) != (comparison.leaves == Leaves::SampleNames)) {
        correct = false;
        note(comparison.label, folder.fileCount(), QStringLiteral("the run left the wrong names"));
    }
    enter({comparison.label, folder.fileCount(), real.ms, floorMs, comparison.targetRatio, correct}, realPeakMiB);
    return real.ms;
}

// One call of the rename command, timed on a window that lists the sample names afresh, as the
// main window lists its folder when it opens; that listing is not part of the call. `prepare`
// readies the command untimed, and what it changed is written to disk before the timed call.
Benchmark::RunOutcome Benchmark::commandRun(SampleFolder &folder, const CommandCall &prepare,
                                            const CommandCall &measure)
{
    folder.reset();
    resetPeakMemory();
    ListedFolder window(m_fileSystem, folder.path());
    RenameCommand command(window, RunObserver::none(), m_fileSystem);
    bool stoppedEarly = prepare(command).has_value();
    folder.flushToDisk();
    resetPeakMemory(); // the prepared run is measured on its own
    const double ms = millisecondsOf([&] { stoppedEarly |= measure(command).has_value(); });
    return {ms, stoppedEarly ? QStringLiteral("the rename command stopped early") : QString()};
}

// Any message box the window asks for reports a run that stopped.
Benchmark::RunOutcome Benchmark::windowRun(SampleFolder &folder, MainWindowProgram &program)
{
    program.pointAt(folder.path());
    // The list shows the sample names again, laid out, as when the user clicks.
    folder.reset();
    resetPeakMemory();
    program.fileList().refresh();
    program.settle();
    const double ms = millisecondsOf([&] { program.clickOk(); });
    if (program.messages().requestCount() == 0)
        return {ms, {}};
    return {ms, QStringLiteral("the window asked for a message box: %1").arg(program.messages().lastText())};
}

// Perl is given the names in the list's order, which numbering needs, and starts in the folder.
// Its start is timed with it, as a user's call of it would be.
Benchmark::RunOutcome Benchmark::perlRun(SampleFolder &folder, const RunConfiguration &configuration, const QString &expression)
{
    folder.reset();
    QByteArray names;
    for (const QString &name : FloorCalls::listPlainly(folder.path(), configuration.numbering))
        names += QFile::encodeName(name) + '\n';
    QProcess perl;
    perl.setWorkingDirectory(folder.path());
    const double ms = millisecondsOf([&] {
        perl.start(QStringLiteral("rename"), {QStringLiteral("-u"), QStringLiteral("utf8"), expression});
        perl.write(names);
        perl.closeWriteChannel();
        perl.waitForFinished(-1);
    });
    const bool ran = perl.exitStatus() == QProcess::NormalExit && perl.exitCode() == 0;
    return {ms, ran ? QString() : QStringLiteral("perl's rename failed: ") + QString::fromLocal8Bit(perl.readAllStandardError())};
}

double Benchmark::floorRunMs(SampleFolder &folder, const RunConfiguration &configuration)
{
    folder.reset();
    return millisecondsOf([&] { FloorCalls::renameAll(folder.path(), configuration); });
}

// As the undo, the floor takes back a floor run made untimed just before it.
double Benchmark::floorUndoMs(SampleFolder &folder, const RunConfiguration &configuration)
{
    folder.reset();
    std::vector<FloorCalls::Rename> renames;
    FloorCalls::renameAll(folder.path(), configuration, &renames);
    folder.flushToDisk();
    return millisecondsOf([&] { FloorCalls::renameBack(folder.path(), renames); });
}

// The plain listing's best time; `listingDigest` receives the fingerprint of what it listed.
double Benchmark::floorListingMs(SampleFolder &folder, QByteArray *listingDigest)
{
    QStringList names;
    const double ms = bestOfMilliseconds(
        m_repetitions, [&] { names.clear(); }, [&] { names = FloorCalls::listPlainly(folder.path(), true); });
    *listingDigest = digestOf(names);
    return ms;
}

// The real names are dropped before the floor lists, so that the benchmark itself never holds
// two lists at once.
void Benchmark::compareListingWithFloor(SampleFolder &folder, const QString &label, double realMs,
                                        PackedNames realNames, double limitMs)
{
    const bool listedAll = realNames.size() == folder.fileCount();
    const QByteArray realDigest = digestOf(realNames);
    realNames = {};
    QByteArray floorDigest;
    const double floorMs = floorListingMs(folder, &floorDigest);

    const bool correct = listedAll && realDigest == floorDigest;
    if (!correct)
        note(label, folder.fileCount(), QStringLiteral("the listings differ"));
    enter({label, folder.fileCount(), realMs, floorMs, listingTargetRatio, correct, limitMs});
}

// Each measurement starts its own peak of memory, once the sample names are back.
void Benchmark::announce(const QString &label, int fileCount)
{
    m_progress << QStringLiteral("measuring %1, N=%2").arg(label).arg(fileCount) << Qt::endl;
    resetPeakMemory();
}

void Benchmark::enter(ResultTable::Row row, std::optional<double> peakMiB)
{
    row.peakMiB = peakMiB.value_or(peakResidentMiB());
    row.peakLimitMiB = m_peakLimitMiB;
    m_table.addRow(row);
}

void Benchmark::note(const QString &label, int fileCount, const QString &text)
{
    m_table.addNote(QStringLiteral("%1, N=%2: %3").arg(label).arg(fileCount).arg(text));
}
