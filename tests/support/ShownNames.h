#pragma once

#include "DiskName.h"

#include <QStringList>

// The texts that listed names show, in their order.
inline QStringList shownNames(const QList<DiskName> &names)
{
    QStringList texts;
    for (const DiskName &name : names)
        texts.append(name.text);
    return texts;
}
