#pragma once

#include "engine/RenameWindow.h"
#include "platform/FileSystem.h"
#include "support/ShownNames.h"

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

    void select(std::initializer_list<int> indexes) { m_selected.unite(QSet<int>(indexes)); }
    QStringList names() const { return shownNames(m_names); }
    bool isEnabled(LockableControl control) const { return !m_disabled.contains(int(control)); }
    bool isProgressVisible() const { return m_progressVisible; }
    int progressValue() const { return m_progressValue; }

    int fileCount() const override { return int(m_names.size()); }
    bool isFileSelected(int index) const override { return m_selected.contains(index); }
    DiskName fileName(int index) const override { return DiskName::fromBytes(m_names.at(index)); }
    void refreshFiles() override;
    void setProgressMin(int value) override { m_progressMin = value; }
    void setProgressMax(int value) override { log << QStringLiteral("max %1").arg(value); }
    void setProgressValue(int value) override;
    int progressMin() const override { return m_progressMin; }
    void setProgressVisible(bool visible) override;
    void setControlEnabled(LockableControl control, bool enabled) override;
    int checkValue(CheckBox box) const override { return checks.at(size_t(box)); }
    bool isOptionSelected(int index) const override { return option == index; }
    bool isCheck2Visible() const override { return check2Visible; }
    QString text1() const override { return newText; }
    DiskName label5Caption() const override { return DiskName::fromText(pathDisplay); }

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
