#pragma once

#include "platform/PackedNames.h"

#include <QAbstractListModel>

#include <functional>

// The names the file list holds, as the folder holds them, one row each, showing their text
// and, as tooltip, what the tooltip source gives for the row.
class FileListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setNames(PackedNames names);
    const PackedNames &names() const { return m_names; }
    void setToolTipSource(std::function<QString(int)> source) { m_toolTipSource = std::move(source); }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    PackedNames m_names;
    std::function<QString(int)> m_toolTipSource;
};
