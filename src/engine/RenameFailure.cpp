#include "engine/RenameFailure.h"

#include "engine/FileConditionText.h"

namespace {

// Longer names are shortened in the middle, so that the box and the tooltip stay readable.
constexpr qsizetype longestShownName = 80;

// Never cuts a character written as two UTF-16 units.
QString shortened(const QString &name)
{
    if (name.size() <= longestShownName)
        return name;
    qsizetype head = longestShownName / 2;
    qsizetype tail = longestShownName / 2 - 1;
    if (name.at(head - 1).isHighSurrogate())
        --head;
    if (name.at(name.size() - tail).isLowSurrogate())
        --tail;
    return name.first(head) + u'…' + name.last(tail);
}

QString reasonText(const RenameFailure &failure)
{
    if (failure.kind == RenameFailure::Kind::NotTheRenamedFile)
        return QStringLiteral("Ezen a néven már nem az a fájl áll, amelyet a program átnevezett.");
    QString reason = fileConditionText(failure.condition);
    if (!failure.parkedName.isEmpty())
        reason += u'\n' + QStringLiteral("A fájl ideiglenes neve: „%1”.").arg(shortened(failure.parkedName));
    return reason;
}

QString lastLine(const RenameFailure &failure)
{
    if (failure.undoing)
        return QStringLiteral("A visszavonás leállt; a hiba elhárítása után a Ctrl+Z folytatja.");
    return failure.nothingRenamed ? QStringLiteral("Egyetlen fájl sem kapott új nevet.")
                                  : QStringLiteral("A futás leállt; a már átnevezett fájlok az új nevükön maradtak.");
}

} // namespace

QString RenameFailure::title()
{
    return QStringLiteral("Átnevezési hiba");
}

QString RenameFailure::message() const
{
    if (kind == Kind::NoFolder)
        return what();
    if (kind == Kind::NotSaved)
        return what() + u'\n' + QStringLiteral("Mielőtt kiveszi vagy kikapcsolja a lemezt, nézze meg, megvannak-e a fájlok.");
    return what() + u'\n' + lastLine(*this);
}

QString RenameFailure::details() const
{
    if (oldName.size() <= longestShownName && newName.size() <= longestShownName)
        return {};
    return QStringLiteral("Régi név: %1\nÚj név: %2").arg(oldName, newName);
}

QString RenameFailure::preview(const QString &entry) const
{
    if (kind == Kind::NoFolder)
        return what();
    if (kind == Kind::FolderChanged || entry == oldName)
        return what() + u'\n' + QStringLiteral("Emiatt az OK egyetlen fájlt sem nevezne át.");
    return QStringLiteral("Az OK egyetlen fájlt sem nevezne át a(z) „%1” fájl miatt.").arg(shortened(oldName));
}

QString RenameFailure::what() const
{
    switch (kind) {
    case Kind::NoFolder:
        return QStringLiteral("Nincs megnyitott könyvtár. Válasszon egyet az „Új könyvtár” gombbal.");
    case Kind::FolderChanged:
        return QStringLiteral("A(z) „%1” útvonalon már nem az a mappa áll, amelyet a lista mutatott.").arg(shortened(oldName));
    case Kind::NameTooShort:
        return QStringLiteral("A(z) „%1” fájl neve túl rövid: nem vágható törzsre és kiterjesztésre.").arg(shortened(oldName));
    case Kind::NotSaved:
        return QStringLiteral("A(z) „%1” mappa fájljainak új nevei nem kerültek biztosan a lemezre.").arg(shortened(oldName))
            + u'\n' + fileConditionText(condition);
    case Kind::Refused:
    case Kind::NotTheRenamedFile:
        break;
    }
    return QStringLiteral("A(z) „%1” fájl nem nevezhető át erre: „%2”.").arg(shortened(oldName), shortened(newName))
        + u'\n' + reasonText(*this);
}
