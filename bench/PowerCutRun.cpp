// The program's side of bench/power-cut.sh, run inside its virtual machine:
//   power_cut_run FOLDER COUNT [settled]
//                                copies COUNT photos into the folder, as a user does just before
//                                renaming them (and, with "settled", waits until the disk holds
//                                them), prints "copied", runs OK with numbering on the folder and
//                                prints "ended" once the run reports its end, then how long it took;
//   power_cut_run FOLDER         lists each file after the cut: its name, its size and the
//                                photo whose content it holds whole, or "-".

#include "RunConfiguration.h"
#include "engine/ListedFolder.h"
#include "engine/RenameCommand.h"
#include "engine/RunObserver.h"
#include "platform/LocalFileSystem.h"

#include <QDir>
#include <QFile>

#include <QElapsedTimer>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

constexpr qsizetype photoSize = 16 * 1024;

QByteArray photo(int number)
{
    const QByteArray line = QByteArray::number(number) + '\n';
    return line.repeated(photoSize / line.size() + 1).left(photoSize);
}

void copyPhotos(const QString &folder, int count)
{
    for (int number = 0; number < count; ++number) {
        QFile file(folder + QStringLiteral("/DSC%1.JPG").arg(number, 5, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::NewOnly) || file.write(photo(number)) != photoSize)
            std::printf("could not copy photo %d\n", number);
    }
}

void say(const char *what)
{
    std::printf("%s\n", what);
    std::fflush(stdout);
}

void listPhotos(const QString &folder)
{
    for (const QFileInfo &entry : QDir(folder).entryInfoList(QDir::Files)) {
        QFile file(entry.filePath());
        const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const int number = content.left(content.indexOf('\n')).toInt();
        const bool whole = content.size() == photoSize && content == photo(number);
        std::printf("%s %lld %s\n", qPrintable(entry.fileName()), qlonglong(content.size()),
                    whole ? qPrintable(QString::number(number)) : "-");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [COUNT]\n", argv[0]);
        return 2;
    }
    const QString folder = QFile::decodeName(argv[1]);
    if (argc == 2) {
        listPhotos(folder);
        return 0;
    }
    copyPhotos(folder, std::atoi(argv[2]));
    if (argc > 3 && std::strcmp(argv[3], "settled") == 0)
        ::sync();
    say("copied");
    QElapsedTimer timer;
    timer.start();
    const LocalFileSystem fileSystem;
    ListedFolder window(fileSystem, folder);
    const std::optional<RenameFailure> failure = RenameCommand(window, RunObserver::none(), fileSystem).Command1_Click(RunConfiguration::numbered().settings(folder));
    say(failure ? qPrintable(failure->message()) : "ended");
    std::printf("run took %lld ms\n", timer.elapsed());
    return failure ? 1 : 0;
}
