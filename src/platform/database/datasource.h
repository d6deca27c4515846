// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "platform/database/databaseengine.h"

class QAbstractItemModel;
class QWidget;

namespace Platform {

/// A bound data source (a window's "Data1"): database name, connect text and record
/// source. Bound text controls (QLineEdit, QTextEdit, QPlainTextEdit, QLabel) are
/// registered with a field. Whenever a record becomes current, every bound control is
/// filled first and then boundTextChanged() is emitted, in binding order, for each control
/// whose text really changed. Controls' own change signals are blocked while filling.
/// A record set with no records empties the bound controls. A field too long to be read
/// (FieldTooLong) reads as empty and is reported with fieldRefused().
///
/// Navigation past either end leaves the data source on the first or last record without
/// refilling (so Back right after Next on the last record shows the record before it).
class DataSource final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataSource)
public:
    explicit DataSource(DatabaseEngine &engine, QObject *parent = nullptr);
    ~DataSource() override;

    void setDatabaseName(const QString &path);
    QString databaseName() const;
    /// "Access", or "Access;PWD=<password>" / ";PWD=<password>".
    void setConnect(const QString &connect);
    QString connect() const;
    void setRecordSource(const QString &source);
    QString recordSource() const;

    /// Opens the database (if needed) and the record source, makes the first record
    /// current and fills the bound controls. On failure the bound controls are emptied,
    /// the record set is empty and the error is returned.
    Status refresh();

    /// Binds \a control to \a field (an empty field unbinds it). The control is filled at
    /// the next record change.
    void bind(QWidget *control, const QString &field);
    QString boundField(const QWidget *control) const;

    /// True when there is no record to show (no record set, or an empty one). Because moves
    /// stop on the first and last record, a non-empty data source is never at BOF or EOF.
    bool bof() const;
    bool eof() const;
    int recordCount() const;
    int currentRow() const;
    /// Moves one record on; on the last record nothing happens. Fails with NoCurrentRecord
    /// only when there are no records. movePrevious() likewise backwards.
    Status moveNext();
    Status movePrevious();
    Status moveFirst();
    Status moveLast();
    /// Makes row \a row current (a grid click).
    Status moveTo(int row);
    /// The current record's field, stored form.
    QString value(const QString &field) const;

    /// A read-only table model over the current record set (fields as columns) that
    /// fetches rows on demand; it follows refresh().
    QAbstractItemModel *model() const;

Q_SIGNALS:
    void boundTextChanged(QWidget *control);
    /// A field of the record just made current holds a text too long to be read, so it
    /// reads as empty; \a detail names the field and record. Emitted after
    /// boundTextChanged() and before currentRowChanged(), at most once per record change.
    void fieldRefused(const QString &detail);
    /// The current row changed (after the controls were filled and boundTextChanged() was
    /// emitted for them); -1 when the data source became empty.
    void currentRowChanged(int row);

private:
    /// Makes \a row current (-1: none), fills the bound controls, then signals.
    void showRow(int row);
    /// The detail of the first field of \a row too long to be read, or empty.
    QString refusedField(int row) const;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Platform
