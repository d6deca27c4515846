// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/database/recordsetmodel.h"

#include "platform/database/databaseengine.h"

namespace Platform {

RecordsetModel::RecordsetModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

RecordsetModel::~RecordsetModel() = default;

void RecordsetModel::setRecordset(Recordset *recordset)
{
    beginResetModel();
    m_recordset = recordset;
    m_fields = recordset ? recordset->fieldNames() : QStringList();
    endResetModel();
}

int RecordsetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_recordset ? 0 : m_recordset->recordCount();
}

int RecordsetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant RecordsetModel::data(const QModelIndex &index, int role) const
{
    if (!m_recordset || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const Result<QString> value = m_recordset->valueAt(index.row(), m_fields.value(index.column()));
    return value ? QVariant(*value) : QVariant();
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_fields.value(section);
    return section + 1;
}

Qt::ItemFlags RecordsetModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace Platform
