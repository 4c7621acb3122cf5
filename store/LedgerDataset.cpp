#include "LedgerDataset.h"

#include "Database.h"
#include "EngineError.h"
#include "Formats.h"
#include "SqlText.h"

#include <algorithm>

LedgerDataset::LedgerDataset(Database &db, QObject *parent)
    : QObject(parent)
    , m_db(db) {}

void LedgerDataset::open() {
    read();
}

void LedgerDataset::close() {
    m_open = false;
    m_rows.clear();
    m_current = -1;
    emit rowsReset();
    emit currentRowChanged(m_current);
}

void LedgerDataset::setSort(const QString &columns) {
    m_sort = columns;
    if (m_open)
        read();
}

void LedgerDataset::read() {
    QString order;
    const QStringList parts = m_sort.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &p : parts) {
        const QString c = p.trimmed();
        if (c.compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0)
            continue;
        order += c + QLatin1Char(',');
    }
    order += QLatin1String("ID");
    QString sql = QStringLiteral("SELECT * FROM ") + TableName;
    if (m_filtered && !SqlText::trimBlanks(m_filter).isEmpty())
        sql += QStringLiteral(" WHERE ") + m_filter;
    sql += QStringLiteral(" ORDER BY ") + order;
    m_lastSelect = sql;
    Database::Rows r;
    try {
        r = m_db.select(sql);
    } catch (const EngineError &) {
        m_open = false;
        m_rows.clear();
        m_current = -1;
        emit rowsReset();
        emit currentRowChanged(m_current);
        throw;
    }
    m_columns = r.columns;
    m_rows = std::move(r.rows);
    m_open = true;
    m_current = m_rows.isEmpty() ? -1 : 0;
    emit rowsReset();
    emit currentRowChanged(m_current);
}

int LedgerDataset::columnIndex(const QString &name) const {
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i) == name)
            return i;
    }
    return -1;
}

QVariant LedgerDataset::value(int row, const QString &column) const {
    if (row < 0 || row >= recordCount())
        return QVariant();
    const int c = columnIndex(column);
    if (c < 0)
        throw EngineError(QStringLiteral("項目 ") + column + QStringLiteral(" がありません。"));
    return m_rows.at(row).at(c);
}

QString LedgerDataset::text(int row, const QString &column) const {
    return Formats::plainText(value(row, column));
}

void LedgerDataset::setCurrentRow(int row) {
    if (m_rows.isEmpty())
        row = -1;
    else
        row = std::clamp(row, 0, recordCount() - 1);
    if (row == m_current)
        return;
    m_current = row;
    emit currentRowChanged(m_current);
}

QString LedgerDataset::fieldText(const QString &column) const {
    return text(m_current, column);
}

QVariant LedgerDataset::fieldValue(const QString &column) const {
    return value(m_current, column);
}

void LedgerDataset::first() {
    setCurrentRow(0);
}

void LedgerDataset::prior() {
    setCurrentRow(m_current - 1);
}

void LedgerDataset::next() {
    setCurrentRow(m_current + 1);
}

void LedgerDataset::last() {
    setCurrentRow(recordCount() - 1);
}

bool LedgerDataset::locateId(const QString &idText) {
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

void LedgerDataset::deleteCurrent() {
    if (m_current < 0)
        return;
    const QString id = fieldText(QStringLiteral("ID"));
    m_db.exec(QStringLiteral("DELETE FROM ") + TableName + QStringLiteral(" WHERE ID=") + id);
    m_rows.removeAt(m_current);
    const int next = m_rows.isEmpty() ? -1 : std::min(m_current, recordCount() - 1);
    m_current = -2; // force the change signal
    emit rowsReset();
    setCurrentRow(next);
}
