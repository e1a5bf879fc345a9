#pragma once

#include "platform/DiskName.h"
#include "platform/FileCondition.h"
#include "platform/FileIdentity.h"

#include <QString>

// An open folder in which a rename run works. Files are found by the leaf names the folder holds
// and get new names as bytes; a name with a path separator is refused, so nothing ever leaves
// the folder, and so is a name that would hide a visible file.
// A port implements this interface (Linux: LinuxRenameFolder_linux.cpp).
class RenameFolder {
public:
    virtual ~RenameFolder() = default;

    // Clears the read-only state of the file, the only one of the archive-alone attributes
    // that this system knows. A symbolic link is left as it is. Notes in `file` which file it
    // found under the name.
    virtual FileError setArchiveOnly(const DiskName &name, FileIdentity &file) = 0;

    // Renames the file without ever replacing another one. A new name that leads to the same
    // bytes succeeds untouched; a change of letter case alone succeeds also where the file
    // system ignores case. A file that is not renamed gets back the mode that setArchiveOnly
    // changed just before.
    virtual FileError rename(const DiskName &oldName, const DiskName &newName) = 0;

    // The hidden temporary name under which the last rename had to leave its file (a change of
    // letter case goes through one, and putting the file back can fail); empty otherwise.
    virtual QString parkedName() const = 0;

    // True once the folder itself has been removed from the file system.
    virtual bool isRemoved() const = 0;

    // The folder that was opened; empty when it could not be.
    virtual FileIdentity identity() const = 0;

    // The file the name leads to now, a link not followed; empty when there is none.
    virtual FileIdentity identify(const DiskName &name) = 0;

    // Writes what the disk holds of this folder and of the files renamed in it through to the
    // disk itself, where a power cut or a pulled card could otherwise lose renames or the contents
    // of files renamed: on disks without a journal that orders them (vfat, exfat, NTFS, FUSE).
    // Answers why that failed, if it did.
    virtual FileError makeDurable() = 0;
};
