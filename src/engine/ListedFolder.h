#pragma once

#include "engine/FileListSource.h"

#include "platform/PackedNames.h"

#include <QSet>

class FileSystem;

// The files of a folder that match a pattern, listed through a file system in the list's order,
// and the entries selected among them: a file list without a window, for runs that no window
// shows (the benchmark's, the tests'). Reading the folder again clears the selection, as in the
// window.
class ListedFolder : public FileListSource {
public:
    ListedFolder(const FileSystem &fileSystem, const QString &folder, const QString &pattern = QStringLiteral("*.*"));

    QSet<int> selected;

    const PackedNames &names() const { return m_names; }
    int fileCount() const override;
    bool isFileSelected(int index) const override;
    DiskName fileName(int index) const override;
    QString filePattern() const override;
    void refreshFiles() override;
    FileIdentity listedFolder() const override;
    ListedFiles listedFiles() const override;

private:
    const FileSystem &m_fileSystem;
    DiskName m_folder;
    QString m_pattern;
    PackedNames m_names;
    FileIdentity m_listedFolder;
};
