#pragma once

#include "platform/Registry.h"

// The system's registry. On Windows it is the real one; elsewhere it holds the one value the
// program asks for: the path of a system information program installed on the PATH.
class SystemRegistry final : public Registry {
public:
    bool openKey(quint32 root, const QByteArray &keyName, quint32 options, quint32 access, RegistryKey &key) override;
    bool queryValue(RegistryKey key, const QByteArray &valueName, quint32 &type, char *buffer,
                    quint32 &size) override;
    void closeKey(RegistryKey key) override;
};
