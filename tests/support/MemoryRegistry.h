#pragma once

#include "platform/Registry.h"

#include <QHash>
#include <QList>
#include <QSet>

// A registry held in memory that answers as the Windows functions do; it counts the keys left open.
class MemoryRegistry final : public Registry {
public:
    struct Value {
        quint32 type;
        QByteArray data;
    };

    // Values by key and value name, such as "SOFTWARE\\Vendor" and "PATH".
    QHash<QByteArray, QHash<QByteArray, Value>> keys;
    QSet<RegistryKey> openKeys;

    bool openKey(quint32 root, const QByteArray &keyName, quint32, quint32, RegistryKey &key) override
    {
        if (root != LocalMachineRoot || !keys.contains(keyName))
            return false;
        m_names.append(keyName);
        key = RegistryKey(m_names.size());
        openKeys.insert(key);
        return true;
    }

    bool queryValue(RegistryKey key, const QByteArray &valueName, quint32 &type, char *buffer, quint32 &size) override
    {
        if (!openKeys.contains(key))
            return false;
        const QHash<QByteArray, Value> values = keys.value(m_names.at(int(key) - 1));
        const auto value = values.constFind(valueName);
        return value != values.constEnd() && answerRegistryQuery(value->type, value->data, type, buffer, size);
    }

    void closeKey(RegistryKey key) override { openKeys.remove(key); }

private:
    QList<QByteArray> m_names;
};
