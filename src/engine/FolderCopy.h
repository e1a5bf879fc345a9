#pragma once

#include "platform/FileSystem.h"

#include <memory>
#include <optional>

// The names of one folder held in memory, every one of them (hidden names, subfolders, files
// of other types), renamed by the same rules as on the disk but without touching it: a run
// played on it meets the taken and refused names that it would meet there. Names are told
// apart as the folder tells them apart, in letter case or not, and a link to a name of the
// folder is listed while that name leads to a file, as on the disk. Each name keeps its place
// in the copy through every rename.
class FolderCopy final : public FileSystem {
public:
    struct Names;

    // A copy of names read already.
    explicit FolderCopy(FolderContents contents);

    // The place of the name in the copy; -1 for a name the folder does not hold.
    int placeOf(QByteArrayView name) const;
    // The name at the place as it stands in the copy, until the copy's next rename.
    QByteArrayView nameAt(int place) const;
    // The name the folder holds at the place on the disk, which no play changes.
    QByteArray diskNameAt(int place) const;
    // The folder that was read.
    FileIdentity identity() const;

    FolderListing listFiles(const DiskName &folder, const QString &patterns, ListingOrder order) const override;
    FolderListing listFolders(const DiskName &folder) const override;
    FolderContents readContents(const DiskName &folder) const override;
    FileError readFolder(const DiskName &folder) const override;
    std::unique_ptr<RenameFolder> openFolder(const DiskName &folder) const override;

private:
    // Shared with the folders opened on the copy, which rename in it.
    std::shared_ptr<Names> m_names;
};
