// Races the rename routine against another program that creates the new name at the same
// moment, in a folder given on the command line, and counts the files the routine overwrote.
// bench/rename-race.sh runs it on real FUSE mounts.

#include "platform/LocalFileSystem.h"

#include <QFile>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Tally {
    int renamed = 0;
    int refused = 0;
    int overwritten = 0;
    int lost = 0;
};

QString leafName(const char *kind, int run)
{
    return QStringLiteral("%1-%2.txt").arg(QLatin1String(kind)).arg(run);
}

void write(const QString &file, const QByteArray &content)
{
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(content);
}

QByteArray read(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void waitFor(Clock::duration delay)
{
    const Clock::time_point until = Clock::now() + delay;
    while (Clock::now() < until)
        ;
}

// Both sides start together once the other program's thread runs; a positive offset holds the
// other program back, a negative one the routine.
struct Start {
    std::atomic<bool> ready = false;
    std::atomic<bool> go = false;
    Clock::duration offset;
};

// The other program creates the name only if it is free, as a careful program does.
bool createIfFree(const QString &file, Start &start)
{
    start.ready = true;
    while (!start.go.load())
        ;
    waitFor(start.offset);
    const int descriptor = ::open(QFile::encodeName(file).constData(), O_CREAT | O_EXCL | O_WRONLY, 0644);
    if (descriptor < 0)
        return false;
    const bool written = ::write(descriptor, "theirs", 6) == 6;
    ::close(descriptor);
    return written;
}

void raceOnce(RenameFolder &folder, const QString &folderPath, int run, Clock::duration offset, Tally &tally)
{
    const QString oldName = folderPath + u'/' + leafName("ours", run);
    const QString newName = folderPath + u'/' + leafName("new", run);
    write(oldName, "ours");
    Start start;
    start.offset = offset;
    bool created = false;
    std::thread other([&] { created = createIfFree(newName, start); });
    while (!start.ready.load())
        ;
    start.go = true;
    waitFor(-offset);
    const FileError error = folder.rename(DiskName::fromText(leafName("ours", run)), DiskName::fromText(leafName("new", run)));
    other.join();

    (error ? tally.refused : tally.renamed)++;
    if (created && read(newName) != "theirs")
        ++tally.overwritten;
    if (read(oldName) != "ours" && read(newName) != "ours")
        ++tally.lost;
}

// How long one rename takes here, so the other program's delays cover the whole of it.
Clock::duration renameTime(RenameFolder &folder, const QString &folderPath)
{
    constexpr int samples = 20;
    const Clock::time_point start = Clock::now();
    for (int sample = 0; sample < samples; ++sample) {
        write(folderPath + u'/' + leafName("probe", sample), "probe");
        folder.rename(DiskName::fromText(leafName("probe", sample)), DiskName::fromText(leafName("probed", sample)));
    }
    return (Clock::now() - start) / samples;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER RUNS\n", argv[0]);
        return 2;
    }
    const QString folderPath = QFile::decodeName(argv[1]);
    const int runs = std::atoi(argv[2]);
    const std::unique_ptr<RenameFolder> folder = LocalFileSystem().openFolder(DiskName::fromBytes(argv[1]));
    if (!folder)
        return 2;
    const Clock::duration window = 2 * renameTime(*folder, folderPath);
    std::mt19937 random(11);
    std::uniform_int_distribution<Clock::rep> offsets(-window.count(), window.count());
    Tally tally;
    for (int run = 0; run < runs; ++run)
        raceOnce(*folder, folderPath, run, Clock::duration(offsets(random)), tally);
    std::printf("runs %d, renamed %d, refused as taken %d, overwritten %d, lost %d\n", runs, tally.renamed,
                tally.refused, tally.overwritten, tally.lost);
    return tally.overwritten == 0 && tally.lost == 0 ? 0 : 1;
}
