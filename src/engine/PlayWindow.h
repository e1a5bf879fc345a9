#pragma once

#include "engine/FolderCopy.h"
#include "engine/RenameWindow.h"

#include <vector>

// The main window as a played run sees it: the list, selection and pattern of the real one.
// The later passes read the copy itself, so the list is never read again. Progress and locks go
// nowhere.
class PlayWindow final : public RenameWindow {
public:
    PlayWindow(ListedFiles listed, const FolderCopy &copy);

    // Notes where the entries listed at the start stand in the copy, for namesNow.
    void followStartNames();
    // For each entry listed at the start, the name it has in the copy now.
    PackedNames namesNow() const;

    int fileCount() const override;
    bool isFileSelected(int index) const override;
    DiskName fileName(int index) const override;
    QString filePattern() const override { return m_listed.pattern; }
    void refreshFiles() override {}
    FileIdentity listedFolder() const override { return m_copy.identity(); }

    void setProgressMin(int) override {}
    void setProgressMax(int) override {}
    void setProgressValue(int) override {}
    int progressMin() const override { return 0; }
    void setProgressVisible(bool) override {}
    void setLocked(ControlRole, bool) override {}

private:
    ListedFiles m_listed;
    const FolderCopy &m_copy;
    std::vector<int> m_startPlaces;
};
