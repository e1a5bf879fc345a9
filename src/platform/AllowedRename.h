#pragma once

#include "platform/DiskName.h"

// Whether a file of a folder may take the new name: both names must be leaf names of the
// folder, the new one must fit in the 255 bytes a file system gives a name, and a visible file
// must not get a name that hides it (a leading dot), or it would vanish from the file list and
// from the user's file manager.
bool isAllowedRename(const DiskName &oldName, const DiskName &newName);
