#include "platform/SystemRegistry.h"

#include <windows.h>

namespace {

// Root keys are sign-extended 32-bit handle values.
HKEY handleOf(quint32 root)
{
    return reinterpret_cast<HKEY>(static_cast<quintptr>(static_cast<qintptr>(static_cast<qint32>(root))));
}

} // namespace

bool SystemRegistry::openKey(quint32 root, const QByteArray &keyName, quint32 options, quint32 access, RegistryKey &key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(handleOf(root), keyName.constData(), options, access, &opened) != ERROR_SUCCESS)
        return false;
    key = reinterpret_cast<RegistryKey>(opened);
    return true;
}

bool SystemRegistry::queryValue(RegistryKey key, const QByteArray &valueName, quint32 &type, char *buffer,
                                quint32 &size)
{
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LONG result = RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.constData(), nullptr, &valueType,
                                         reinterpret_cast<LPBYTE>(buffer), &valueSize);
    type = valueType;
    size = valueSize;
    return result == ERROR_SUCCESS;
}

void SystemRegistry::closeKey(RegistryKey key)
{
    RegCloseKey(reinterpret_cast<HKEY>(key));
}
