#include "TableDataset.h"

#include "Database.h"
#include "EngineError.h"
#include "Formats.h"
#include "SqlText.h"

#include <algorithm>

TableDataset::TableDataset(Database &db, const QString &tableName, QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_table(tableName) {}

void TableDataset::open() {
    read();
}

void TableDataset::close() {
    m_open = false;
    m_rows.clear();
    m_current = -1;
    emit rowsReset();
    emit currentRowChanged(m_current);
}

void TableDataset::setSort(const QString &columns) {
    m_sort = columns;
    if (m_open)
        read();
}

void TableDataset::read() {
    QString order;
    const QStringList parts = m_sort.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &p : parts) {
        const QString c = p.trimmed();
        if (c.compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0)
            continue;
        order += c + QLatin1Char(',');
    }
    order += QLatin1String("ID");
    QString sql = QStringLiteral("SELECT * FROM ") + m_table;
    if (m_filtered && !SqlText::trimBlanks(m_filter).isEmpty())
        sql += QStringLiteral(" WHERE ") + m_filter;
    sql += QStringLiteral(" ORDER BY ") + order;
    m_lastSelect = sql;
    Database::Rows r = m_db.select(sql);
    m_columns = r.columns;
    m_rows = std::move(r.rows);
    m_open = true;
    m_current = m_rows.isEmpty() ? -1 : 0;
    emit rowsReset();
    emit currentRowChanged(m_current);
}

int TableDataset::columnIndex(const QString &name) const {
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i) == name)
            return i;
    }
    return -1;
}

QVariant TableDataset::value(int row, const QString &column) const {
    if (row < 0 || row >= recordCount())
        return QVariant();
    const int c = columnIndex(column);
    if (c < 0)
        throw EngineError(QStringLiteral("項目 ") + column + QStringLiteral(" がありません。"));
    return m_rows.at(row).at(c);
}

QString TableDataset::text(int row, const QString &column) const {
    return Formats::plainText(value(row, column));
}

void TableDataset::setCurrentRow(int row) {
    if (m_rows.isEmpty())
        row = -1;
    else
        row = std::clamp(row, 0, recordCount() - 1);
    if (row == m_current)
        return;
    m_current = row;
    emit currentRowChanged(m_current);
}

QString TableDataset::fieldText(const QString &column) const {
    return text(m_current, column);
}

QVariant TableDataset::fieldValue(const QString &column) const {
    return value(m_current, column);
}

void TableDataset::first() {
    setCurrentRow(0);
}

void TableDataset::prior() {
    setCurrentRow(m_current - 1);
}

void TableDataset::next() {
    setCurrentRow(m_current + 1);
}

void TableDataset::last() {
    setCurrentRow(recordCount() - 1);
}

bool TableDataset::locateId(const QString &idText) {
    const int c = columnIndex(QStringLiteral("ID"));
    if (c < 0)
        return false;
    bool ok = false;
    const qint64 id = SqlText::trimBlanks(idText).toLongLong(&ok);
    if (!ok)
        return false;
    for (int r = 0; r < recordCount(); ++r) {
        if (m_rows.at(r).at(c).toLongLong() == id) {
            setCurrentRow(r);
            return true;
        }
    }
    return false;
}

void TableDataset::deleteCurrent() {
    if (m_current < 0)
        return;
    const QString id = fieldText(QStringLiteral("ID"));
    m_db.exec(QStringLiteral("DELETE FROM ") + m_table + QStringLiteral(" WHERE ID=") + id);
    m_rows.removeAt(m_current);
    const int next = m_rows.isEmpty() ? -1 : std::min(m_current, recordCount() - 1);
    m_current = -2; // force the change signal
    emit rowsReset();
    setCurrentRow(next);
}
