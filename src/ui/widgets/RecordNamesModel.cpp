#include "ui/widgets/RecordNamesModel.h"

namespace aisset::ui {

void RecordNamesModel::setNames(const RecordNames &names)
{
    beginResetModel();
    names_ = names;
    endResetModel();
}

int RecordNamesModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(names_.size()); }

QVariant RecordNamesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= names_.size() || role != Qt::DisplayRole)
        return {};
    return names_.at(index.row());
}

} // namespace aisset::ui
