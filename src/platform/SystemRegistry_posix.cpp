#include "platform/SystemRegistry.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>

namespace {

constexpr RegistryKey SysInfoKeyHandle = 1;

// The first system information program found on the PATH, in the order desktops prefer them;
// empty when none is installed or the PATH is empty.
QString sysInfoProgram()
{
    const QStringList folders = qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts);
    if (folders.isEmpty())
        return {};
    for (const char *name : {"kinfocenter", "hardinfo2", "hardinfo", "gnome-system-monitor", "xfce4-taskmanager"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name), folders);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace

bool SystemRegistry::openKey(quint32 root, const QByteArray &keyName, quint32, quint32, RegistryKey &key)
{
    if (root != LocalMachineRoot || keyName != SysInfoPathKey || sysInfoProgram().isEmpty())
        return false;
    key = SysInfoKeyHandle;
    return true;
}

bool SystemRegistry::queryValue(RegistryKey key, const QByteArray &valueName, quint32 &type, char *buffer,
                                quint32 &size)
{
    if (key != SysInfoKeyHandle || valueName != SysInfoPathValue)
        return false;
    const QString program = sysInfoProgram();
    if (program.isEmpty())
        return false;
    return answerRegistryQuery(RegistryText, QFile::encodeName(program) + '\0', type, buffer, size);
}

void SystemRegistry::closeKey(RegistryKey)
{
}
