#include "PeakMemory.h"

#include <sys/resource.h>

double peakResidentMiB()
{
    struct rusage usage {};
    if (::getrusage(RUSAGE_SELF, &usage) != 0)
        return 0;
    // Linux gives the peak in KiB.
    return double(usage.ru_maxrss) / 1024.0;
}
