#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The names the file list shows, one row each.
class FileListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setNames(QStringList names);
    const QStringList &names() const { return m_names; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList m_names;
};
