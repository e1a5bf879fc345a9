#pragma once

#include "DiskName.h"

#include <QAbstractListModel>
#include <QList>

// The names the file list holds, one row each, showing their text.
class FileListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setNames(QList<DiskName> names);
    const QList<DiskName> &names() const { return m_names; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QList<DiskName> m_names;
};
