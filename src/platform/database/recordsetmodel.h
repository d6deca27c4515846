// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QAbstractTableModel>

namespace Platform {

class Recordset;

/// A read-only table over a record set: one column per field (headed by the field name),
/// one row per record. Row contents are read from the record set only when a view asks for
/// them, so the size of the set costs nothing until rows are shown.
class RecordsetModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecordsetModel)
public:
    explicit RecordsetModel(QObject *parent = nullptr);
    ~RecordsetModel() override;

    /// Shows \a recordset (not owned; may be null for an empty model). Resets the model.
    void setRecordset(Recordset *recordset);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    Recordset *m_recordset = nullptr;
    QStringList m_fields;
};

} // namespace Platform
