#include "platform/SystemRandomNumbers.h"

double SystemRandomNumbers::next()
{
    // The engine's 32-bit output scaled below 1 exactly; a floating-point distribution could
    // round up to 1.
    return double(m_engine()) / 4294967296.0;
}
