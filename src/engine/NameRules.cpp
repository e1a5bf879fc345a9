#include "engine/NameRules.h"

#include <QLocale>

#include <algorithm>

namespace NameRules {

namespace {

constexpr qsizetype extensionLength = 3;
constexpr qsizetype dotAndExtensionLength = 4;

QString withExtension(const QString &front, const QString &extension)
{
    return front + u'.' + extension;
}

// Where the last `count` characters of the name begin, a pair of surrogates counted as one
// character; -1 when the name has fewer.
qsizetype startOfLast(const QString &name, qsizetype count)
{
    qsizetype start = name.size();
    for (; count > 0; --count) {
        if (start == 0)
            return -1;
        --start;
        if (start > 0 && name.at(start).isLowSurrogate() && name.at(start - 1).isHighSurrogate())
            --start;
    }
    return start;
}

QChar foldedLetter(QChar letter)
{
    switch (letter.unicode()) {
    case u'á': return u'a';
    case u'é': return u'e';
    case u'í': return u'i';
    case u'ó': case u'ö': case u'ő': return u'o';
    case u'ú': case u'ü': case u'ű': return u'u';
    default: return letter;
    }
}

} // namespace

std::optional<SplitName> splitFileName(const QString &name)
{
    const qsizetype baseEnd = startOfLast(name, dotAndExtensionLength);
    if (baseEnd < 0)
        return std::nullopt;
    return SplitName{name.first(baseEnd), name.sliced(startOfLast(name, extensionLength))};
}

std::optional<QString> extensionOf(const QString &name)
{
    const qsizetype start = startOfLast(name, extensionLength);
    if (start < 0)
        return std::nullopt;
    return name.sliced(start);
}

QString numberText(int number)
{
    return QString::number(number).rightJustified(3, u'0');
}

QString applyCaseMode(const QString &text, CaseMode mode)
{
    switch (mode) {
    case CaseMode::Lower:
        return QLocale::system().toLower(text);
    case CaseMode::Upper:
        return QLocale::system().toUpper(text);
    case CaseMode::Unchanged:
        break;
    }
    return text;
}

std::optional<QString> composeNewName(const QString &name, const RenameSettings &settings, int number,
                                      RunKind run)
{
    if (run == RunKind::SelectedFiles) {
        const std::optional<QString> extension = extensionOf(name);
        if (!extension)
            return std::nullopt;
        if (!settings.numbering)
            return applyCaseMode(name, settings.caseMode);
        return applyCaseMode(withExtension(settings.newText + numberText(number), *extension), settings.caseMode);
    }

    const std::optional<SplitName> split = splitFileName(name);
    if (!split)
        return std::nullopt;
    const QString front = settings.append ? settings.newText : QString();
    if (settings.numbering)
        return applyCaseMode(withExtension(front + numberText(number), split->extension), settings.caseMode);
    if (settings.append)
        return applyCaseMode(withExtension(front + split->base, split->extension), settings.caseMode);
    // Without numbering only the case changes; should the case be left unchanged, the file
    // keeps its listed name.
    return applyCaseMode(name, settings.caseMode);
}

bool isOrderFree(const RenameSettings &settings)
{
    return !settings.numbering && !settings.append;
}

bool hasJpeExtension(QByteArrayView name)
{
    return name.size() >= extensionLength && QLatin1StringView(name.last(extensionLength)).compare(u"jpe", Qt::CaseInsensitive) == 0;
}

std::optional<QString> rewriteJpeExtension(const QString &name)
{
    const std::optional<SplitName> split = splitFileName(name);
    if (!split)
        return std::nullopt;
    return withExtension(split->base, QStringLiteral("jpg"));
}

QString foldAccents(const QString &name)
{
    QString folded = name;
    for (QChar &letter : folded)
        letter = foldedLetter(letter);
    return folded;
}

std::optional<QString> foldedNewName(const QString &name)
{
    const std::optional<SplitName> split = splitFileName(name);
    if (!split)
        return std::nullopt;
    return withExtension(foldAccents(split->base), split->extension);
}

bool foldingSurelyKeeps(QByteArrayView name)
{
    const bool plain = std::all_of(name.begin(), name.end(), [](char byte) { return uchar(byte) < 0x80; });
    return plain && name.size() >= dotAndExtensionLength && name.at(name.size() - dotAndExtensionLength) == '.';
}

} // namespace NameRules
