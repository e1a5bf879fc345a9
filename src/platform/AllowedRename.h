#pragma once

#include "platform/DiskName.h"

// Whether a file of a folder may take the new name: both names must be leaf names of the
// folder, the new one must fit in the 255 bytes a file system gives a name, and a visible file
// must not get a name that hides it (a leading dot), or it would vanish from the file list and
// from the user's file manager. The new name must be whole text (no half of a character written
// as two UTF-16 units), so that the bytes written are the name shown, and must bring no control
// character and no writing-direction mark that the old name did not have: they would make the
// name look other than it is (an override turns "gpj.exe" into what looks like an image).
bool isAllowedRename(const DiskName &oldName, const DiskName &newName);
