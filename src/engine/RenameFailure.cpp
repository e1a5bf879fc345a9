#include "RenameFailure.h"

#include "FileConditionText.h"

QString RenameFailure::title()
{
    return QStringLiteral("Átnevezési hiba");
}

QString RenameFailure::message() const
{
    if (kind == Kind::NoFolder)
        return QStringLiteral("Nincs megnyitott könyvtár. Válasszon egyet az „Új könyvtár” gombbal.");
    const QString reason = kind == Kind::NameTooShort ? QStringLiteral("A név túl rövid.") : fileConditionText(condition);
    return QStringLiteral("A(z) „%1” fájl nem nevezhető át erre: „%2”.").arg(oldName, newName) + u'\n' + reason
        + u'\n' + QStringLiteral("A futás leállt; a már átnevezett fájlok az új nevükön maradtak.");
}
