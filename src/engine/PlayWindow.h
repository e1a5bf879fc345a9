#pragma once

#include "engine/FolderCopy.h"
#include "engine/RenameWindow.h"

#include <vector>

// The main window as a played run sees it: the list, selection and pattern of the real one,
// and after each pass the copy listed in the list's place, as the real list re-reads its
// folder. A listing is made only when a later pass asks for it. Progress and locks go nowhere.
class PlayWindow final : public RenameWindow {
public:
    PlayWindow(const RenameWindow &window, const FolderCopy &copy);

    // Notes where the entries listed at the start stand in the copy, for namesNow.
    void followStartNames();
    // For each entry listed at the start, the name it has in the copy now.
    QByteArrayList namesNow() const;

    int fileCount() const override;
    bool isFileSelected(int index) const override;
    DiskName fileName(int index) const override;
    QString filePattern() const override { return m_pattern; }
    void refreshFiles() override { m_stale = true; }
    FileIdentity listedFolder() const override { return m_copy.identity(); }

    void setProgressMin(int) override {}
    void setProgressMax(int) override {}
    void setProgressValue(int) override {}
    int progressMin() const override { return 0; }
    void setProgressVisible(bool) override {}
    void setLocked(ControlRole, bool) override {}

private:
    const QByteArrayList &names() const;

    const FolderCopy &m_copy;
    QString m_pattern;
    std::vector<int> m_startPlaces;
    mutable std::vector<bool> m_selected;
    mutable QByteArrayList m_names;
    mutable bool m_stale = false;
};
