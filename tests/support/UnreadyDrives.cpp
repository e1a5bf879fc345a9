#include "support/UnreadyDrives.h"

FileError UnreadyDrives::readFolder(const QString &folder) const
{
    const auto failure = m_unready.find(folder);
    if (failure == m_unready.end() || failure->times == 0)
        return m_real.readFolder(folder);
    if (failure->times > 0)
        --failure->times;
    return failure->condition;
}
