#include "PeakMemory.h"

#include <QFile>

#include <malloc.h>

// Linux keeps the peak as "VmHWM" in kB, and sets it back to the current size when asked.
double peakResidentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// Memory freed by earlier measurements is given back to the system first, so that it does not
// count again.
void resetPeakMemory()
{
    ::malloc_trim(0);
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}
