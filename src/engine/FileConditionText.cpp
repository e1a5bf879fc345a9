#include "engine/FileConditionText.h"

QString fileConditionText(FileCondition condition)
{
    switch (condition) {
    case FileCondition::DeviceUnavailable:
        return QStringLiteral("Az eszköz valószínűleg nem érhető el.");
    case FileCondition::DiskNotReady:
        return QStringLiteral("A lemez nem üzemkész.");
    case FileCondition::DiskFull:
        return QStringLiteral("A lemez megtelt.");
    case FileCondition::InvalidFileName:
        return QStringLiteral("Érvénytelen fájlnév.");
    case FileCondition::PathNotFound:
        return QStringLiteral("Az útvonal nem létezik.");
    case FileCondition::AccessDenied:
        return QStringLiteral("A fájl erre a műveletre nem nyitható meg.");
    case FileCondition::AlreadyOpen:
        return QStringLiteral("A fájl már megnyitott.");
    case FileCondition::EndOfFile:
        return QStringLiteral("Érvénytelen fájlvége-jelző,") + QStringLiteral("vagy kísérlet a fájlvége jelzőn ")
            + QStringLiteral("túli olvasásra.");
    case FileCondition::NameTaken:
        return QStringLiteral("Már létezik ilyen nevű fájl.");
    case FileCondition::ReadOnlyDisk:
        return QStringLiteral("A lemez csak olvasható: rajta semmi nem nevezhető át.");
    case FileCondition::Other:
        break;
    }
    return QStringLiteral("Egyéb hiba - a lemezegység nem üzemkész.");
}
