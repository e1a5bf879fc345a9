#pragma once

#include "engine/RenameWindow.h"
#include "platform/FileSystem.h"

#include <QByteArrayList>

// A main window reduced to what a rename run touches: the file list, read through a file system
// as the real list is. Nothing is selected, so the rename button starts a whole-list run. The
// progress bar is only stored, and locks go nowhere.
class QuietWindow final : public RenameWindow {
public:
    QuietWindow(const FileSystem &fileSystem, const QString &folder);

    int fileCount() const override;
    bool isFileSelected(int index) const override;
    DiskName fileName(int index) const override;
    QString filePattern() const override;
    void refreshFiles() override;
    FileIdentity listedFolder() const override { return m_listedFolder; }
    ListedFiles listedFiles() const override;

    void setProgressMin(int value) override;
    void setProgressMax(int value) override;
    void setProgressValue(int value) override;
    int progressMin() const override;
    void setProgressVisible(bool visible) override;

    void setLocked(ControlRole, bool) override {}

private:
    const FileSystem &m_fileSystem;
    DiskName m_folder;
    QByteArrayList m_names;
    FileIdentity m_listedFolder;
    int m_progressMin = 0;
    int m_progressMax = 0;
    int m_progressValue = 0;
    bool m_progressVisible = false;
};
