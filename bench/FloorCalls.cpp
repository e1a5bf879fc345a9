#include "FloorCalls.h"

#include "engine/NameRules.h"
#include "platform/FileNameOrder.h"

#include <QFile>

#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

using namespace NameRules;

namespace FloorCalls {

namespace {

int openFolder(const QString &folder)
{
    return ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// One pass over the names in memory: each name that `newNameOf` changes is renamed on the disk
// and in memory, so that the next pass starts from the names this one left.
template<typename NewNameOf>
void renamePass(int folder, QStringList &names, std::vector<Rename> *done, NewNameOf newNameOf)
{
    for (qsizetype index = 0; index < names.size(); ++index) {
        const std::optional<QString> newName = newNameOf(names[index], int(index));
        if (!newName || *newName == names[index])
            continue;
        const QByteArray from = QFile::encodeName(names[index]);
        const QByteArray to = QFile::encodeName(*newName);
        ::renameat2(folder, from.constData(), folder, to.constData(), RENAME_NOREPLACE);
        if (done)
            done->push_back({from, to});
        names[index] = *newName;
    }
}

} // namespace

QStringList listPlainly(const QString &folder, bool alphabetical)
{
    DIR *stream = ::opendir(QFile::encodeName(folder).constData());
    if (!stream)
        return {};
    QStringList names;
    while (const dirent *entry = ::readdir(stream)) {
        if (entry->d_name[0] != '.')
            names.append(QFile::decodeName(entry->d_name));
    }
    ::closedir(stream);
    if (alphabetical)
        sortFileNames(names);
    return names;
}

void renameAll(const QString &path, const RunConfiguration &configuration, std::vector<Rename> *done)
{
    const RenameSettings settings = configuration.settings(path);
    QStringList names = listPlainly(path, settings.numbering);
    const int folder = openFolder(path);
    if (folder < 0)
        return;

    renamePass(folder, names, done, [&](const QString &name, int index) {
        return composeNewName(name, settings, index, RunKind::WholeList);
    });
    if (settings.jpeRewrite) {
        renamePass(folder, names, done, [](const QString &name, int) {
            return hasJpeExtension(QFile::encodeName(name)) ? rewriteJpeExtension(name) : std::nullopt;
        });
    }
    if (settings.accentFolding && !settings.numbering)
        renamePass(folder, names, done, [](const QString &name, int) { return foldedNewName(name); });
    ::close(folder);
}

void renameBack(const QString &path, const std::vector<Rename> &renames)
{
    const int folder = openFolder(path);
    if (folder < 0)
        return;
    for (auto rename = renames.rbegin(); rename != renames.rend(); ++rename)
        ::renameat2(folder, rename->to.constData(), folder, rename->from.constData(), RENAME_NOREPLACE);
    ::close(folder);
}

} // namespace FloorCalls
