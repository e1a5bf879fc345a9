#pragma once

#include "platform/DiskName.h"

// One file a run renamed: the name it had and the name it got, as the folder holds them.
struct RenameStep {
    DiskName before;
    DiskName after;
};
