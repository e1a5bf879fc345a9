#include "engine/RenameFailure.h"

#include "engine/FileConditionText.h"

namespace {

QString reasonText(const RenameFailure &failure)
{
    switch (failure.kind) {
    case RenameFailure::Kind::NameTooShort:
        return QStringLiteral("A név túl rövid.");
    case RenameFailure::Kind::NotTheRenamedFile:
        return QStringLiteral("Ezen a néven már nem az a fájl áll, amelyet a program átnevezett.");
    case RenameFailure::Kind::NoFolder:
    case RenameFailure::Kind::FolderChanged:
    case RenameFailure::Kind::Refused:
        break;
    }
    QString reason = fileConditionText(failure.condition);
    if (!failure.parkedName.isEmpty())
        reason += u'\n' + QStringLiteral("A fájl ideiglenes neve: „%1”.").arg(failure.parkedName);
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
        return QStringLiteral("Nincs megnyitott könyvtár. Válasszon egyet az „Új könyvtár” gombbal.");
    const QString what = kind == Kind::FolderChanged
        ? QStringLiteral("A(z) „%1” útvonalon már nem az a mappa áll, amelyet a lista mutatott.").arg(oldName)
        : QStringLiteral("A(z) „%1” fájl nem nevezhető át erre: „%2”.").arg(oldName, newName) + u'\n' + reasonText(*this);
    return what + u'\n' + lastLine(*this);
}
