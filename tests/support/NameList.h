#pragma once

#include "platform/PackedNames.h"

#include <QByteArrayList>

// The names of a packed list one by one, for comparing and looping.
inline QByteArrayList nameList(const PackedNames &names)
{
    QByteArrayList list;
    for (qsizetype index = 0; index < names.size(); ++index)
        list.append(names.at(index).toByteArray());
    return list;
}
