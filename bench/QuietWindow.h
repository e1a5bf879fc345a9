#pragma once

#include "engine/RenameWindow.h"
#include "platform/FileSystem.h"
#include "RunConfiguration.h"

#include <QByteArrayList>

// A main window reduced to what a rename run touches: the file list, read through a file system
// as the real list is, and settings fixed by a run configuration. Nothing is selected, so the
// rename button starts a whole-list run. The progress bar and control states are only stored.
class QuietWindow final : public RenameWindow {
public:
    QuietWindow(const FileSystem &fileSystem, const QString &folder, const RunConfiguration &configuration);

    int fileCount() const override;
    bool isFileSelected(int index) const override;
    DiskName fileName(int index) const override;
    void refreshFiles() override;

    void setProgressMin(int value) override;
    void setProgressMax(int value) override;
    void setProgressValue(int value) override;
    int progressMin() const override;
    void setProgressVisible(bool visible) override;

    void setControlEnabled(LockableControl control, bool enabled) override;

    int checkValue(CheckBox box) const override;
    bool isOptionSelected(int index) const override;
    bool isCheck2Visible() const override;
    QString text1() const override;
    DiskName label5Caption() const override;

private:
    const FileSystem &m_fileSystem;
    DiskName m_folder;
    RunConfiguration m_configuration;
    QByteArrayList m_names;
    int m_progressMin = 0;
    int m_progressMax = 0;
    int m_progressValue = 0;
    bool m_progressVisible = false;
};
