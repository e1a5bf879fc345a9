#include "engine/ParkedFiles.h"

#include "engine/FileConditionText.h"
#include "platform/FileSystem.h"
#include "platform/ParkedName.h"

#include <QStringList>

namespace {

QString section(const QString &heading, const QStringList &lines)
{
    return lines.isEmpty() ? QString() : u'\n' + heading + u'\n' + lines.join(u'\n');
}

} // namespace

QString putBackParkedFiles(const FileSystem &fileSystem, const DiskName &folder, const QByteArrayList &parked)
{
    const std::unique_ptr<RenameFolder> open = parked.isEmpty() ? nullptr : fileSystem.openFolder(folder);
    if (!open)
        return {};
    QStringList givenBack;
    QStringList keptHidden;
    for (const QByteArray &hidden : parked) {
        const DiskName hiddenName = DiskName::fromBytes(hidden);
        const DiskName name = DiskName::fromBytes(nameBeforeParking(hidden));
        const QString line = QStringLiteral("„%1” → „%2”").arg(hiddenName.text, name.text);
        if (const FileError error = open->rename(hiddenName, name))
            keptHidden.append(line + QStringLiteral(": ") + fileConditionText(*error));
        else
            givenBack.append(line);
    }
    return QStringLiteral("Egy félbeszakadt átnevezés fájlokat hagyott rejtett ideiglenes néven ebben a mappában.")
        + section(QStringLiteral("Visszakapták a nevüket:"), givenBack)
        + section(QStringLiteral("Rejtett néven maradtak:"), keptHidden);
}
