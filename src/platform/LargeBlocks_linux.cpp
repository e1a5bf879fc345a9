#include "platform/LargeBlocks.h"

#include <malloc.h>

namespace {

// glibc maps blocks this large on their own. Setting the limit also stops glibc from raising
// it to the size of each mapped block freed, up to 32 MiB, after which such blocks would come
// from the heap and stay there when freed in its middle.
constexpr int ownMappingFrom = 128 * 1024;

} // namespace

void returnLargeBlocksToSystem()
{
    ::mallopt(M_MMAP_THRESHOLD, ownMappingFrom);
}
