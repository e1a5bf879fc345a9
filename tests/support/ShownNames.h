#pragma once

#include "platform/DiskName.h"

#include <QByteArrayList>
#include <QStringList>

// The texts that listed names show, in their order.
inline QStringList shownNames(const QByteArrayList &names)
{
    QStringList texts;
    for (const QByteArray &name : names)
        texts.append(DiskName::textOf(name));
    return texts;
}
