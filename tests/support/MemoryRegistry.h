#pragma once

#include "platform/Registry.h"

#include <QHash>

// A registry held in memory that answers as the Windows functions do; it keeps the keys left open.
class MemoryRegistry final : public Registry {
public:
    struct Value {
        quint32 type;
        QByteArray data;
    };

    // Values by key and value name, such as "SOFTWARE\\Vendor" and "PATH".
    QHash<QByteArray, QHash<QByteArray, Value>> keys;
    QHash<RegistryKey, QByteArray> openKeys;

    bool openKey(quint32 root, const QByteArray &keyName, quint32, quint32, RegistryKey &key) override
    {
        if (root != LocalMachineRoot || !keys.contains(keyName))
            return false;
        key = ++m_opened;
        openKeys.insert(key, keyName);
        return true;
    }

    bool queryValue(RegistryKey key, const QByteArray &valueName, quint32 &type, char *buffer, quint32 &size) override
    {
        const QHash<QByteArray, Value> values = keys.value(openKeys.value(key));
        const auto value = values.constFind(valueName);
        return value != values.constEnd() && answerRegistryQuery(value->type, value->data, type, buffer, size);
    }

    void closeKey(RegistryKey key) override { openKeys.remove(key); }

private:
    RegistryKey m_opened = 0;
};
