#include "engine/RenameFailure.h"

#include "engine/FileConditionText.h"

QString RenameFailure::title()
{
    return QStringLiteral("Átnevezési hiba");
}

QString RenameFailure::message() const
{
    if (kind == Kind::NoFolder)
        return QStringLiteral("Nincs megnyitott könyvtár. Válasszon egyet az „Új könyvtár” gombbal.");
    QString reason = kind == Kind::NameTooShort ? QStringLiteral("A név túl rövid.") : fileConditionText(condition);
    if (!parkedName.isEmpty())
        reason += u'\n' + QStringLiteral("A fájl ideiglenes neve: „%1”.").arg(parkedName);
    return QStringLiteral("A(z) „%1” fájl nem nevezhető át erre: „%2”.").arg(oldName, newName) + u'\n' + reason
        + u'\n'
        + (nothingRenamed ? QStringLiteral("Egyetlen fájl sem kapott új nevet.")
                          : QStringLiteral("A futás leállt; a már átnevezett fájlok az új nevükön maradtak."));
}
