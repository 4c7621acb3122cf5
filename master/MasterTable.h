#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class Database;

// A table dataset over one whole master table (ADOTable_C1 to ADOTable_C3): every row in ID
// order, read at open() and held until the next open() (a static cursor), with a current
// row that the grid, the navigator and the writes share. The dataset does not own the
// connection.
class MasterTable : public QObject {
    Q_OBJECT
public:
    MasterTable(Database &db, const QString &tableName, QObject *parent = nullptr);

    QString tableName() const { return m_table; }

    // Reads the whole table; the first row becomes current. Throws EngineError and keeps
    // the rows it held when the table cannot be read.
    void open();
    // Forgets the rows.
    void close();
    bool isOpen() const { return m_open; }

    int recordCount() const { return int(m_rows.size()); }
    const QStringList &columns() const { return m_columns; }
    int columnIndex(const QString &name) const;
    QVariant value(int row, const QString &column) const;
    // The plain text of a stored value ("" for a null or a row that is not there).
    QString text(int row, const QString &column) const;

    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    // A column of the current row as text ("" when the table is empty).
    QString fieldText(const QString &column) const;

    void first();
    void prior();
    void next();
    void last();

    // Moves to the row whose ID equals the text; false (and no move) when none does.
    bool locateId(const QString &idText);
    // Deletes the current row from the table and from the rows held. Throws EngineError
    // and keeps the row when the engine refuses.
    void deleteCurrent();

signals:
    void rowsReset();
    void currentRowChanged(int row);

private:
    Database &m_db;
    QString m_table;
    bool m_open = false;
    QStringList m_columns;
    QVector<QVector<QVariant>> m_rows;
    int m_current = -1;
};
