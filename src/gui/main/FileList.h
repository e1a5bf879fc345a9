#pragma once

#include "engine/ListedFiles.h"
#include "gui/main/FileListModel.h"
#include "platform/DiskName.h"
#include "platform/FileIdentity.h"

#include <QListView>

#include <vector>

class FileSystem;

// The file list: the files of one folder that match the pattern, in alphabetical order. Each
// entry holds the name as the folder holds it and shows the text decoded from it. A plain click
// turns an entry's selected flag over. Every re-read of the folder drops the selection and leaves no
// current entry.
class FileList final : public QListView {
    Q_OBJECT

public:
    FileList(const FileSystem &fileSystem, QWidget *parent = nullptr);

    const DiskName &folder() const { return m_folder; }
    void setFolder(const DiskName &folder);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);
    void refresh();
    // The folder the list was last read from, and the parked files found there (FolderListing).
    const FileIdentity &listedFolder() const { return m_listedFolder; }
    const QByteArrayList &parkedNames() const { return m_parkedNames; }

    int count() const { return int(m_model.names().size()); }
    DiskName diskName(int index) const { return DiskName::fromBytes(m_model.names().at(index).toByteArray()); }
    bool isSelected(int index) const { return m_selected[size_t(index)]; }
    // The list as it stands, its names shared.
    ListedFiles listedFiles() const { return {m_model.names(), m_selected, m_pattern, m_listedFolder}; }
    // Whether the entry's text fits the list's width, so that it is not cut short.
    bool showsWhole(int index) const;
    void setToolTipSource(std::function<QString(int)> source) { m_model.setToolTipSource(std::move(source)); }

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    void updateSelectedFlags(const QItemSelection &selected, const QItemSelection &deselected);

    const FileSystem &m_fileSystem;
    FileListModel m_model;
    DiskName m_folder;
    QString m_pattern = QStringLiteral("*.*");
    std::vector<bool> m_selected;
    FileIdentity m_listedFolder;
    QByteArrayList m_parkedNames;
};
