#pragma once

#include "engine/RenameSettings.h"

#include <QString>

#include <optional>

// The rules that turn a listed file name into its new name. They cut names at fixed positions:
// a name is taken to end in a dot and a three-letter extension, and no rule searches for the
// dot. A character outside the Basic Multilingual Plane (an emoji), two UTF-16 units, counts as
// one, so no cut splits it. A rule that needs more characters than a name has gives no name.
namespace NameRules {

// A listed name cut into its base (all but the last four characters) and its extension (the
// last three); the character between them, normally the dot, belongs to neither.
struct SplitName {
    QString base;
    QString extension;
};

enum class RunKind { WholeList, SelectedFiles };

std::optional<SplitName> splitFileName(const QString &name);

// The last three characters of a name, the only part the selected-files run cuts.
std::optional<QString> extensionOf(const QString &name);

// The running number with at least three digits: 000, 007, 099, 100, 1234.
QString numberText(int number);

QString applyCaseMode(const QString &text, CaseMode mode);

// The new name of the file at running number `number` in the main pass of a run.
std::optional<QString> composeNewName(const QString &name, const RenameSettings &settings, int number,
                                      RunKind run);

// True when the main pass over the whole list changes only the letter case, so that the rule
// leaves each new name as it is: no file's new name is then the old name of another file the pass
// moves, and the order the pass takes the files in cannot change whether it passes.
bool isOrderFree(const RenameSettings &settings);

// True when the last three characters of the name, as the folder holds it, are "jpe" in any
// letter case: its last three bytes, since no other character is written with the bytes of j, p
// or e.
bool hasJpeExtension(QByteArrayView name);

// For a name with the jpe extension: its base followed by ".jpg".
std::optional<QString> rewriteJpeExtension(const QString &name);

// The name with the nine lower-case Hungarian accented vowels made plain.
QString foldAccents(const QString &name);

// The folded base, a dot and the name's own extension, which is never folded.
std::optional<QString> foldedNewName(const QString &name);

// True when folding surely gives the name, as the folder holds it, back as it is: plain ASCII
// with a dot before the last three characters. False says nothing; foldedNewName tells then.
bool foldingSurelyKeeps(QByteArrayView name);

} // namespace NameRules
