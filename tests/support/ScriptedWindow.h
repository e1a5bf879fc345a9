#pragma once

#include "engine/RenameWindow.h"
#include "platform/FileSystem.h"

#include <QSet>
#include <QStringList>

// A main window made of plain values. It lists its folder through a file system, as the real
// file list does, and logs every operation a run makes on it, one line each.
class ScriptedWindow final : public RenameWindow {
public:
    ScriptedWindow(const FileSystem &fileSystem, const QString &folder, const QString &pattern = QStringLiteral("*.*"));

    QStringList log;

    void select(const QList<int> &indexes) { m_selected.unite(QSet<int>(indexes.begin(), indexes.end())); }
    bool hasLockedRole() const { return !m_locked.isEmpty(); }
    bool isProgressVisible() const { return m_progressVisible; }
    int progressValue() const { return m_progressValue; }

    int fileCount() const override { return int(m_names.size()); }
    bool isFileSelected(int index) const override { return m_selected.contains(index); }
    DiskName fileName(int index) const override { return DiskName::fromBytes(m_names.at(index)); }
    QString filePattern() const override { return m_pattern; }
    void refreshFiles() override;
    void setProgressMin(int value) override { m_progressMin = value; }
    void setProgressMax(int value) override { log << QStringLiteral("max %1").arg(value); }
    void setProgressValue(int value) override;
    int progressMin() const override { return m_progressMin; }
    void setProgressVisible(bool visible) override;
    void setLocked(ControlRole role, bool locked) override;

private:
    const FileSystem &m_fileSystem;
    DiskName m_folder;
    QString m_pattern;
    QByteArrayList m_names;
    QSet<int> m_selected;
    QSet<int> m_locked;
    int m_progressMin = 0;
    int m_progressValue = 0;
    bool m_progressVisible = false;
};
