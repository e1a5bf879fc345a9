#pragma once

#include <QAbstractListModel>
#include <QByteArrayList>

// The names the file list holds, as the folder holds them, one row each, showing their text.
class FileListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setNames(QByteArrayList names);
    const QByteArrayList &names() const { return m_names; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QByteArrayList m_names;
};
