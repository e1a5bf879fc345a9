#pragma once

#include "FileSystem.h"
#include "RenameWindow.h"

#include <QSet>
#include <QStringList>

#include <array>

// A main window made of plain values. It lists its folder through a file system, as the real
// file list does, and logs every operation a run makes on it, one line each.
class ScriptedWindow final : public RenameWindow {
public:
    ScriptedWindow(const FileSystem &fileSystem, const QString &folder, const QString &pattern = QStringLiteral("*.*"));

    // The settings, as the user left them.
    std::array<int, 4> checks = {1, 0, 0, 0};
    int option = 2;
    bool check2Visible = false;
    QString newText;
    QString pathDisplay;

    QStringList log;

    void select(std::initializer_list<int> indexes);
    QStringList names() const;
    bool isEnabled(LockableControl control) const { return !m_disabled.contains(int(control)); }
    bool isProgressVisible() const { return m_progressVisible; }
    int progressValue() const { return m_progressValue; }

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
    QString m_pattern;
    QByteArrayList m_names;
    QSet<int> m_selected;
    QSet<int> m_disabled;
    int m_progressMin = 0;
    int m_progressValue = 0;
    bool m_progressVisible = false;
};

// The name a log line uses for a control.
QString controlName(LockableControl control);
