#include "platform/Registry.h"

#include <cstring>

bool answerRegistryQuery(quint32 dataType, const QByteArray &data, quint32 &type, char *buffer, quint32 &size)
{
    const quint32 capacity = size;
    size = quint32(data.size());
    type = dataType;
    if (size > capacity)
        return false;
    std::memcpy(buffer, data.constData(), size);
    return true;
}
