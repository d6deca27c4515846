// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/database/datasource.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextEdit>

#include "platform/database/recordsetmodel.h"

namespace Platform {
namespace {

QString controlText(const QWidget *control)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (const auto *edit = qobject_cast<const QTextEdit *>(control))
        return edit->toPlainText();
    if (const auto *edit = qobject_cast<const QPlainTextEdit *>(control))
        return edit->toPlainText();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return {};
}

void setControlText(QWidget *control, const QString &text)
{
    // The control's own change signals stay quiet: listeners hear boundTextChanged() once
    // every bound control holds the new record.
    const QSignalBlocker blocker(control);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setText(text);
    else if (auto *edit = qobject_cast<QTextEdit *>(control))
        edit->setPlainText(text);
    else if (auto *edit = qobject_cast<QPlainTextEdit *>(control))
        edit->setPlainText(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
}

struct Binding {
    QPointer<QWidget> control;
    QString field;
};

} // namespace

struct DataSource::Private {
    explicit Private(DatabaseEngine &engine)
        : engine(engine)
    {
    }

    DatabaseEngine &engine;
    QString databaseName;
    QString connect;
    QString recordSource;
    std::shared_ptr<Database> database;
    std::unique_ptr<Recordset> recordset;
    QList<Binding> bindings;
    RecordsetModel *model = nullptr;
    int currentRow = -1;
};

DataSource::DataSource(DatabaseEngine &engine, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>(engine))
{
    d->model = new RecordsetModel(this);
}

DataSource::~DataSource()
{
    // The model points into the record set; let it forget before the set goes.
    d->model->setRecordset(nullptr);
}

void DataSource::setDatabaseName(const QString &path)
{
    if (path != d->databaseName)
        d->database.reset();
    d->databaseName = path;
}

QString DataSource::databaseName() const
{
    return d->databaseName;
}

void DataSource::setConnect(const QString &connect)
{
    if (connect != d->connect)
        d->database.reset();
    d->connect = connect;
}

QString DataSource::connect() const
{
    return d->connect;
}

void DataSource::setRecordSource(const QString &source)
{
    d->recordSource = source;
}

QString DataSource::recordSource() const
{
    return d->recordSource;
}

Status DataSource::refresh()
{
    auto failWith = [this](const Error &error) -> Status {
        d->model->setRecordset(nullptr);
        d->recordset.reset();
        showRow(-1);
        return error;
    };
    if (!d->database) {
        auto opened = d->engine.openDatabase(d->databaseName, false, false, d->connect);
        if (!opened)
            return failWith(opened.error());
        d->database = std::move(*opened);
    }
    if (d->recordSource.trimmed().isEmpty())
        return failWith(Error{ErrorCode::TableNotFound, QStringLiteral("the data source has no record source")});
    auto recordset = d->database->openRecordset(d->recordSource);
    if (!recordset)
        return failWith(recordset.error());
    d->model->setRecordset(nullptr);
    d->recordset = std::move(*recordset);
    d->model->setRecordset(d->recordset.get());
    showRow(d->recordset->recordCount() > 0 ? 0 : -1);
    return ok();
}

void DataSource::bind(QWidget *control, const QString &field)
{
    for (qsizetype i = 0; i < d->bindings.size(); ++i) {
        if (d->bindings.at(i).control == control) {
            if (field.isEmpty())
                d->bindings.removeAt(i);
            else
                d->bindings[i].field = field;
            return;
        }
    }
    if (control && !field.isEmpty())
        d->bindings.append({control, field});
}

QString DataSource::boundField(const QWidget *control) const
{
    for (const Binding &binding : d->bindings) {
        if (binding.control == control)
            return binding.field;
    }
    return {};
}

bool DataSource::bof() const
{
    return !d->recordset || d->recordset->recordCount() == 0;
}

bool DataSource::eof() const
{
    return bof();
}

int DataSource::recordCount() const
{
    return d->recordset ? d->recordset->recordCount() : 0;
}

int DataSource::currentRow() const
{
    return d->currentRow;
}

Status DataSource::moveNext()
{
    if (bof())
        return fail(ErrorCode::NoCurrentRecord, QStringLiteral("no records"));
    // Past the last record the data source stays on it and shows nothing new.
    if (d->currentRow + 1 < recordCount())
        showRow(d->currentRow + 1);
    return ok();
}

Status DataSource::movePrevious()
{
    if (bof())
        return fail(ErrorCode::NoCurrentRecord, QStringLiteral("no records"));
    if (d->currentRow > 0)
        showRow(d->currentRow - 1);
    return ok();
}

Status DataSource::moveFirst()
{
    return moveTo(0);
}

Status DataSource::moveLast()
{
    return moveTo(recordCount() - 1);
}

Status DataSource::moveTo(int row)
{
    if (row < 0 || row >= recordCount())
        return fail(ErrorCode::NoCurrentRecord,
                    QStringLiteral("no record %1 in a set of %2").arg(row).arg(recordCount()));
    if (row != d->currentRow)
        showRow(row);
    return ok();
}

QString DataSource::value(const QString &field) const
{
    if (!d->recordset || d->currentRow < 0)
        return {};
    const Result<QString> value = d->recordset->valueAt(d->currentRow, field);
    return value ? *value : QString();
}

QAbstractItemModel *DataSource::model() const
{
    return d->model;
}

QString DataSource::refusedField(int row) const
{
    if (!d->recordset || row < 0)
        return {};
    // The whole record is read at once, so looking at every field costs nothing more.
    for (const QString &field : d->recordset->fieldNames()) {
        const Result<QString> value = d->recordset->valueAt(row, field);
        if (!value && value.error().code == ErrorCode::FieldTooLong)
            return value.error().detail;
    }
    return {};
}

void DataSource::showRow(int row)
{
    d->currentRow = row;
    if (d->recordset && row >= 0)
        d->recordset->moveTo(row);
    QList<QPointer<QWidget>> changed;
    for (const Binding &binding : std::as_const(d->bindings)) {
        if (!binding.control)
            continue;
        const QString text = value(binding.field);
        if (controlText(binding.control) == text)
            continue;
        setControlText(binding.control, text);
        changed << binding.control;
    }
    // A listener may close the window, and with it later controls or this data source.
    const QPointer<DataSource> self(this);
    for (const QPointer<QWidget> &control : std::as_const(changed)) {
        if (control)
            Q_EMIT boundTextChanged(control);
        if (!self)
            return;
    }
    if (const QString refused = refusedField(row); !refused.isEmpty()) {
        Q_EMIT fieldRefused(refused);
        if (!self)
            return;
    }
    Q_EMIT currentRowChanged(row);
}

} // namespace Platform
