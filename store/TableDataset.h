#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class Database;

// A table dataset with a static cursor: one whole table, narrowed by a filter text when
// filtering is on and put in order by a sort text (ID by default), read at open() and held
// until the next read, with a current row that every grid, navigator and register showing
// it shares. The filter and order are applied by the engine; the rows are then held here.
// The ledger list (ADOTable_Dat) and the master tables (ADOTable_C1 to C3) are these.
class TableDataset : public QObject {
    Q_OBJECT
public:
    TableDataset(Database &db, const QString &tableName, QObject *parent = nullptr);

    QString tableName() const { return m_table; }

    void setFilter(const QString &filter) { m_filter = filter; }
    QString filter() const { return m_filter; }
    void setFiltered(bool on) { m_filtered = on; }

    // Reads the rows in the current order; the first row becomes current. Throws
    // EngineError, keeping the rows it held, when the table cannot be read.
    void open();
    // Forgets the rows: the list shows nothing until the next open().
    void close();
    bool isOpen() const { return m_open; }

    // Sort columns as the list names them, e.g. "合格年,検査日,合格日"; ties go by ID.
    // Re-reads the rows in that order; the first row becomes current.
    void setSort(const QString &columns);
    QString sort() const { return m_sort; }

    int recordCount() const { return int(m_rows.size()); }
    const QStringList &columns() const { return m_columns; }
    int columnIndex(const QString &name) const;
    QVariant value(int row, const QString &column) const;
    QString text(int row, const QString &column) const;

    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    // A column of the current row as text ("" when the list is empty).
    QString fieldText(const QString &column) const;
    QVariant fieldValue(const QString &column) const;

    void first();
    void prior();
    void next();
    void last();
    bool isFirst() const { return m_current <= 0; }
    bool isLast() const { return m_current >= recordCount() - 1; }

    // Moves to the row whose ID equals the text; false (and no move) when none does.
    bool locateId(const QString &idText);
    // Deletes the current row from the table and from the list. Throws EngineError.
    void deleteCurrent();

    // The statement the list was last read with (for tests and diagnostics).
    QString lastSelect() const { return m_lastSelect; }

signals:
    void rowsReset();
    void currentRowChanged(int row);

private:
    void read();

    Database &m_db;
    QString m_table;
    QString m_filter;
    bool m_filtered = false;
    QString m_sort = QStringLiteral("ID");
    bool m_open = false;
    QStringList m_columns;
    QVector<QVector<QVariant>> m_rows;
    int m_current = -1;
    QString m_lastSelect;
};

// The ledger list (ADOTable_Dat) over 10工事検査台帳.
class LedgerDataset : public TableDataset {
    Q_OBJECT
public:
    static inline const QString TableName = QStringLiteral("10工事検査台帳");
    explicit LedgerDataset(Database &db, QObject *parent = nullptr)
        : TableDataset(db, TableName, parent) {}
};
