#pragma once

#include "engine/FolderCopy.h"
#include "engine/FileListSource.h"

#include <vector>

// The file list as a played run sees it: the list, selection and pattern of the real one. The
// later passes read the copy itself, so the list is never read again.
class PlayedFileList final : public FileListSource {
public:
    PlayedFileList(ListedFiles listed, const FolderCopy &copy);

    // Notes where the entries listed at the start stand in the copy, for namesNow.
    void followStartNames();
    // For each entry listed at the start, the name it has in the copy now.
    PackedNames namesNow() const;
    // The listed entries in the order the copy holds them, which is the folder's own; entries
    // the folder does not hold come last.
    std::vector<int> folderOrder() const;

    int fileCount() const override;
    bool isFileSelected(int index) const override;
    DiskName fileName(int index) const override;
    QString filePattern() const override { return m_listed.pattern; }
    void refreshFiles() override {}
    FileIdentity listedFolder() const override { return m_copy.identity(); }

private:
    ListedFiles m_listed;
    const FolderCopy &m_copy;
    std::vector<int> m_startPlaces;
};
