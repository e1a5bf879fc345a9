#include "gui/main/FileListModel.h"

#include "platform/DiskName.h"

void FileListModel::setNames(PackedNames names)
{
    beginResetModel();
    m_names = std::move(names);
    endResetModel();
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::ToolTipRole && m_toolTipSource)
        return m_toolTipSource(index.row());
    if (role != Qt::DisplayRole)
        return {};
    return DiskName::textOf(m_names.at(index.row()));
}
