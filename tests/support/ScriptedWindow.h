#pragma once

#include "engine/RenameWindow.h"
#include "platform/FileSystem.h"

#include <QSet>
#include <QStringList>

// A main window made of plain values. It lists its folder through a file system, as the real
// file list does, and logs every operation a run makes on it, one line each.
class ScriptedWindow final : public RenameWindow {
public:
    ScriptedWindow(const FileSystem &fileSystem, const QString &folder, const QString &pattern = QStringLiteral("*.*"))
        : m_fileSystem(fileSystem), m_folder(DiskName::fromText(folder)), m_pattern(pattern)
    {
        list();
    }

    QStringList log;
    QSet<int> selected;
    QSet<ControlRole> locked;
    bool progressVisible = false;
    int progressValue = 0;

    const QByteArrayList &names() const { return m_names; }
    int fileCount() const override { return int(m_names.size()); }
    bool isFileSelected(int index) const override { return selected.contains(index); }
    DiskName fileName(int index) const override { return DiskName::fromBytes(m_names.at(index)); }
    QString filePattern() const override { return m_pattern; }
    void refreshFiles() override
    {
        log << QStringLiteral("refresh");
        list();
        selected.clear();
    }
    FileIdentity listedFolder() const override { return m_listedFolder; }
    void setProgressMin(int value) override { m_progressMin = value; }
    void setProgressMax(int value) override { log << QStringLiteral("max %1").arg(value); }
    void setProgressValue(int value) override { log << QStringLiteral("value %1").arg(progressValue = value); }
    int progressMin() const override { return m_progressMin; }
    void setProgressVisible(bool visible) override { log << ((progressVisible = visible) ? "show bar" : "hide bar"); }
    void setLocked(ControlRole role, bool lock) override
    {
        log << (lock ? QStringLiteral("lock %1") : QStringLiteral("unlock %1")).arg(int(role));
        lock ? void(locked.insert(role)) : void(locked.remove(role));
    }

private:
    void list()
    {
        const FolderListing listing = m_fileSystem.listFiles(m_folder, m_pattern, ListingOrder::Alphabetical);
        m_names = listing.names;
        m_listedFolder = listing.folder;
    }

    const FileSystem &m_fileSystem;
    DiskName m_folder;
    QString m_pattern;
    QByteArrayList m_names;
    FileIdentity m_listedFolder;
    int m_progressMin = 0;
};
