#pragma once

#include <QAbstractListModel>
#include <QByteArrayList>

#include <functional>

// The names the file list holds, as the folder holds them, one row each, showing their text
// and, as tooltip, what the tooltip source gives for the row.
class FileListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setNames(QByteArrayList names);
    const QByteArrayList &names() const { return m_names; }
    void setToolTipSource(std::function<QString(int)> source) { m_toolTipSource = std::move(source); }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QByteArrayList m_names;
    std::function<QString(int)> m_toolTipSource;
};
