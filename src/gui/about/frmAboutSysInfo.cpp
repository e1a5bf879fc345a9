// Finding and starting the system's information program through the registry.
#include "gui/about/frmAbout.h"

#include "gui/MessageBoxes.h"
#include "gui/ProgramContext.h"
#include "platform/FileSystem.h"
#include "platform/ProgramStarter.h"
#include "platform/Registry.h"

#include <QDir>
#include <QtEndian>

namespace {

const QString LocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString LocationValue = QStringLiteral("MSINFO");
const QString ProgramFile = QStringLiteral("MSINFO32.EXE");
constexpr quint32 ReadAccess = 0x2003F;
constexpr int BufferSize = 1024;

// The value's data as the window reads it: the buffer cut at the data's size, less a final
// NUL character.
QByteArray cutBuffer(const QByteArray &buffer, quint32 size)
{
    return buffer.left(buffer.at(size - 1) == '\0' ? size - 1 : size);
}

} // namespace

// Starts the program where the registry says it is; when it cannot be found or started, says so.
void frmAbout::StartSysInfo()
{
    const std::optional<QString> path = sysInfoPath();
    if (!path || !m_context.programStarter.start(*path))
        m_context.messages.ask({QStringLiteral("System Information Is Unavailable At This Time"),
                                QStringLiteral("Vordrin"), QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok});
}

// The program's path as the registry gives it, trusted as it is; else its file in the folder
// the registry names, if that folder holds it.
std::optional<QString> frmAbout::sysInfoPath()
{
    QString path;
    switch (GetKeyValue(LocalMachineRoot, QLatin1String(SysInfoPathKey), QLatin1String(SysInfoPathValue), path)) {
    case KeyRead::Read: return path;
    case KeyRead::Empty: return std::nullopt;
    case KeyRead::Missing: break;
    }
    if (GetKeyValue(LocalMachineRoot, LocationKey, LocationValue, path) != KeyRead::Read)
        return std::nullopt;
    const PackedNames found = m_context.fileSystem.listFiles(DiskName::fromText(path), ProgramFile, ListingOrder::Alphabetical).names;
    if (found.isEmpty())
        return std::nullopt;
    return path + QDir::separator() + DiskName::textOf(found.at(0));
}

// Reads one value as text: text values as they are, numbers as "&h" and hexadecimal digits;
// values of other types count as read and leave KeyVal as it was.
frmAbout::KeyRead frmAbout::GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                                        QString &KeyVal)
{
    Registry &registry = m_context.registry;
    RegistryKey key = 0;
    if (!registry.openKey(KeyRoot, KeyName.toLocal8Bit(), 0, ReadAccess, key)) {
        KeyVal.clear();
        return KeyRead::Missing;
    }
    QByteArray buffer(BufferSize, '\0');
    quint32 size = BufferSize;
    quint32 type = 0;
    const bool queried = registry.queryValue(key, SubKeyRef.toLocal8Bit(), type, buffer.data(), size);
    registry.closeKey(key);
    if (!queried || size > BufferSize) {
        KeyVal.clear();
        return KeyRead::Missing;
    }
    if (size == 0)
        return KeyRead::Empty;
    if (type == RegistryText)
        KeyVal = QString::fromLocal8Bit(cutBuffer(buffer, size));
    else if (type == RegistryNumber)
        KeyVal = QStringLiteral("&h") + QString::number(qFromLittleEndian<quint32>(buffer.constData()), 16).toUpper();
    return KeyRead::Read;
}
