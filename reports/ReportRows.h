#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The rows a page prints, in the order they were read (a report table's stored order, or
// the ledger list's order). Each row holds one value per column, in the order of columns.
struct ReportRows {
    QStringList columns;
    QList<QVariantList> rows;

    int rowCount() const { return int(rows.size()); }

    // The column's index; names compare without regard to case, as the engine's do.
    // -1 when the column is unknown.
    int columnIndex(const QString &column) const {
        for (int i = 0; i < columns.size(); ++i) {
            if (columns[i].compare(column, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }

    // The value at row (0-based) and column; an invalid QVariant when either is unknown.
    QVariant value(int row, const QString &column) const {
        const int c = columnIndex(column);
        if (row < 0 || row >= rows.size() || c < 0 || c >= rows[row].size())
            return QVariant();
        return rows[row][c];
    }
};
