#pragma once

#include <QByteArray>
#include <QtGlobal>

// An open key of the registry.
using RegistryKey = quintptr;

// Root key and value types as the Windows registry numbers them.
inline constexpr quint32 LocalMachineRoot = 0x80000002;
inline constexpr quint32 RegistryText = 1;
inline constexpr quint32 RegistryExpandableText = 2;
inline constexpr quint32 RegistryNumber = 4;

// Where Windows keeps the full path of its system information program.
inline constexpr char SysInfoPathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char SysInfoPathValue[] = "PATH";

// The read-only registry, with the three operations of the Windows functions of the same
// purpose. Names and data are 8-bit text.
class Registry {
public:
    virtual ~Registry() = default;

    // Opens the key below a root key; false when it does not exist or cannot be opened.
    virtual bool openKey(quint32 root, const QByteArray &keyName, quint32 options, quint32 access,
                         RegistryKey &key) = 0;

    // Copies the value's data into the caller's buffer of `size` bytes and answers its type and
    // its size in bytes. False when the value does not exist or its data does not fit.
    virtual bool queryValue(RegistryKey key, const QByteArray &valueName, quint32 &type, char *buffer,
                            quint32 &size) = 0;

    virtual void closeKey(RegistryKey key) = 0;
};

// Answers a query for data of the given type as the Windows registry does: the size is always
// the data's, and data larger than the buffer is not copied at all.
bool answerRegistryQuery(quint32 dataType, const QByteArray &data, quint32 &type, char *buffer, quint32 &size);
