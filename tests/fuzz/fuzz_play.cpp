// libFuzzer target: a folder, a pattern, a selection and settings made from the input, played as
// OK plays them. A play and a check must agree, and a play that passes must leave every listed
// file a distinct name that the folder would accept.
//
// Input: a settings byte (bits: numbering, append, lower, upper, jpe, accents, case-blind
// folder), a selection byte (the first eight listed entries), then lines: the typed text, the
// pattern, and one entry a line ("/NAME" a subfolder, "NAME>TARGET" a link, else a file).

#include "engine/FolderCopy.h"
#include "engine/PlayedRun.h"
#include "platform/AllowedRename.h"
#include "engine/ListedFolder.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A failed check ends the run, as libFuzzer expects of a finding.
void check(bool condition)
{
    if (!condition)
        std::abort();
}

QString keyOf(const QString &name, const FolderContents &contents)
{
    return contents.ignoresCase ? name.toCaseFolded() : name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    if (size < 2)
        return 0;
    const quint8 flags = data[0];
    QByteArrayList lines = QByteArray(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2)).split('\n');
    while (lines.size() < 2)
        lines.append(QByteArray());
    const RenameSettings settings{.numbering = bool(flags & 1), .append = bool(flags & 2), .newText = QString::fromUtf8(lines.at(0)),
                                  .caseMode = flags & 4 ? CaseMode::Lower : flags & 8 || !(flags & 1) ? CaseMode::Upper : CaseMode::Unchanged,
                                  .jpeRewrite = bool(flags & 16), .accentFolding = bool(flags & 32), .folder = DiskName::root()};
    FolderContents contents;
    contents.ignoresCase = flags & 64;
    contents.folder = {1, 2};
    QSet<QString> keys;
    for (const QByteArray &line : lines.mid(2)) {
        const QByteArrayList link = line.split('>');
        const QByteArray name = line.startsWith('/') ? line.mid(1) : link.first();
        const QString key = keyOf(DiskName::textOf(name), contents);
        if (name.isEmpty() || name.contains('/') || name == "." || name == ".." || keys.contains(key))
            continue;
        keys.insert(key);
        contents.append(name, !line.startsWith('/') && link.size() == 1, link.size() > 1 ? link.at(1) : QByteArray());
    }
    const FolderCopy folder(contents);
    ListedFolder window(folder, QStringLiteral("/"), QString::fromUtf8(lines.at(1)));
    for (int index = 0; index < std::min(8, window.fileCount()); ++index)
        data[1] >> index & 1 ? void(window.selected.insert(index)) : void();

    const std::optional<PlayedRun> played = playRun(window.listedFiles(), folder, settings);
    const std::optional<PlayedRun> checked = checkRun(window.listedFiles(), folder, settings);
    check(played && checked && played->failure.has_value() == checked->failure.has_value());
    if (played->failure) {
        check(!played->failure->message().isEmpty() && !played->failure->preview(QString()).isEmpty());
        return 0;
    }
    QSet<QString> finalKeys;
    for (int index = 0; index < window.fileCount(); ++index) {
        const DiskName now = DiskName::fromBytes(played->finalNames.at(index).toByteArray());
        check(now == window.fileName(index) || isAllowedRename(window.fileName(index), now));
        finalKeys.insert(keyOf(now.text, contents));
    }
    check(finalKeys.size() == window.fileCount());
    return 0;
}
