#pragma once

#include "store/ProfileRecords.h"

#include <QAbstractListModel>

namespace aisset::ui {

// The records dialog's list of ships as a model: a name becomes a string only
// when the view shows it, so a list of 100,000 ships opens without building one
// string or item per ship.
class RecordNamesModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setNames(const RecordNames &names);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    RecordNames names_;
};

} // namespace aisset::ui
