#include "FloorCalls.h"

#include "engine/NameRules.h"
#include "platform/FileNameOrder.h"

#include <QFile>

#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace NameRules;

namespace FloorCalls {

namespace {

int openFolder(const QString &folder)
{
    return ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Regular files need no further call; links and entries of unknown kind need one stat each.
bool isListedKind(int folder, const dirent &entry)
{
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat status {};
    return ::fstatat(folder, entry.d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
}

// The step of one file: the attribute check, then the rename, recorded in `done` if given. The
// rename command makes no rename call for a name that stays the same, so neither does this.
void stepFile(int folder, const QString &oldName, const QString &newName, std::vector<Rename> *done)
{
    const QByteArray from = QFile::encodeName(oldName);
    struct stat status {};
    ::fstatat(folder, from.constData(), &status, AT_SYMLINK_NOFOLLOW);
    if (newName == oldName)
        return;
    ::renameat2(folder, from.constData(), folder, QFile::encodeName(newName).constData(), RENAME_NOREPLACE);
    if (done)
        done->push_back({oldName, newName});
}

// One pass: the folder listed, then every name that `newNameOf` gives a new name stepped.
template<typename NewNameOf>
void renamePass(int folder, const QString &path, std::vector<Rename> *done, NewNameOf newNameOf)
{
    const QStringList names = listFolder(path);
    for (qsizetype index = 0; index < names.size(); ++index) {
        if (const std::optional<QString> newName = newNameOf(names[index], int(index)))
            stepFile(folder, names[index], *newName, done);
    }
}

} // namespace

QStringList listFolder(const QString &folder)
{
    const int descriptor = openFolder(folder);
    if (descriptor < 0)
        return {};
    DIR *stream = ::fdopendir(descriptor);
    if (!stream) {
        ::close(descriptor);
        return {};
    }
    QStringList names;
    while (const dirent *entry = ::readdir(stream)) {
        if (entry->d_name[0] != '.' && isListedKind(descriptor, *entry))
            names.append(QFile::decodeName(entry->d_name));
    }
    struct stat status {};
    ::fstat(descriptor, &status);
    ::closedir(stream);
    sortFileNames(names);
    return names;
}

QStringList listPlainly(const QString &folder)
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
    sortFileNames(names);
    return names;
}

void renameAll(const QString &path, const RunConfiguration &configuration, std::vector<Rename> *done)
{
    const RenameSettings settings = configuration.settings(path);
    const int folder = openFolder(path);
    if (folder < 0)
        return;

    renamePass(folder, path, done, [&](const QString &name, int index) {
        return composeNewName(name, settings, index, RunKind::WholeList);
    });
    if (settings.jpeRewrite) {
        renamePass(folder, path, done, [](const QString &name, int) {
            return hasJpeExtension(name) ? rewriteJpeExtension(name) : std::nullopt;
        });
    }
    if (settings.accentFolding && !settings.numbering)
        renamePass(folder, path, done, [](const QString &name, int) { return foldedNewName(name); });
    ::close(folder);
}

void renameBack(const QString &path, const std::vector<Rename> &renames)
{
    const int folder = openFolder(path);
    if (folder < 0)
        return;

    for (auto rename = renames.rbegin(); rename != renames.rend(); ++rename)
        stepFile(folder, rename->to, rename->from, nullptr);
    ::close(folder);
    listFolder(path);
}

} // namespace FloorCalls
