#include "MasterTable.h"

#include "Database.h"
#include "EngineError.h"
#include "Formats.h"
#include "SqlText.h"

#include <algorithm>

MasterTable::MasterTable(Database &db, const QString &tableName, QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_table(tableName) {}

void MasterTable::open() {
    Database::Rows r =
        m_db.select(QStringLiteral("SELECT * FROM ") + m_table + QStringLiteral(" ORDER BY ID"));
    m_columns = r.columns;
    m_rows = std::move(r.rows);
    m_open = true;
    m_current = m_rows.isEmpty() ? -1 : 0;
    emit rowsReset();
    emit currentRowChanged(m_current);
}

void MasterTable::close() {
    m_open = false;
    m_rows.clear();
    m_current = -1;
    emit rowsReset();
    emit currentRowChanged(m_current);
}

int MasterTable::columnIndex(const QString &name) const {
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i) == name)
            return i;
    }
    return -1;
}

QVariant MasterTable::value(int row, const QString &column) const {
    if (row < 0 || row >= recordCount())
        return QVariant();
    const int c = columnIndex(column);
    if (c < 0)
        throw EngineError(QStringLiteral("項目 ") + column + QStringLiteral(" がありません。"));
    return m_rows.at(row).at(c);
}

QString MasterTable::text(int row, const QString &column) const {
    return Formats::plainText(value(row, column));
}

void MasterTable::setCurrentRow(int row) {
    row = m_rows.isEmpty() ? -1 : std::clamp(row, 0, recordCount() - 1);
    if (row == m_current)
        return;
    m_current = row;
    emit currentRowChanged(m_current);
}

QString MasterTable::fieldText(const QString &column) const {
    return text(m_current, column);
}

void MasterTable::first() {
    setCurrentRow(0);
}

void MasterTable::prior() {
    setCurrentRow(m_current - 1);
}

void MasterTable::next() {
    setCurrentRow(m_current + 1);
}

void MasterTable::last() {
    setCurrentRow(recordCount() - 1);
}

bool MasterTable::locateId(const QString &idText) {
    const int c = columnIndex(QStringLiteral("ID"));
    bool ok = false;
    const qint64 id = SqlText::trimBlanks(idText).toLongLong(&ok);
    if (c < 0 || !ok)
        return false;
    for (int r = 0; r < recordCount(); ++r) {
        if (m_rows.at(r).at(c).toLongLong() == id) {
            setCurrentRow(r);
            return true;
        }
    }
    return false;
}

void MasterTable::deleteCurrent() {
    if (m_current < 0)
        return;
    m_db.exec(QStringLiteral("DELETE FROM ") + m_table + QStringLiteral(" WHERE ID=") +
              fieldText(QStringLiteral("ID")));
    m_rows.removeAt(m_current);
    const int next = m_rows.isEmpty() ? -1 : std::min(m_current, recordCount() - 1);
    m_current = -2; // the row under the index changed even when the index stays
    emit rowsReset();
    setCurrentRow(next);
}
