#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// The one connection on WorkDir/DB.mdb (ADOConnection1). Every window reads and writes
// through it. After close() the next read or write opens it again with the same file.
class Database {
public:
    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Remembers the file and opens it; throws EngineError when the file cannot be opened.
    void open(const QString &filePath);
    void close();
    bool isOpen() const;
    QString filePath() const { return m_filePath; }

    // Opens the connection again when it was closed; throws EngineError when no file was
    // ever given or the file cannot be opened.
    QSqlDatabase &connection();

    // Executes one statement given as lines (joined with line breaks); no result.
    // Throws EngineError with the engine's text on failure.
    void execLines(const QStringList &lines);
    void exec(const QString &statement);

    // Runs a query and returns every row, with the column names of the result.
    struct Rows {
        QStringList columns;
        QVector<QVector<QVariant>> rows;
        int columnIndex(const QString &name) const;
    };
    Rows select(const QString &statement);

    // The last statement text sent to the engine, before adaptation (for tests).
    QString lastStatement() const { return m_lastStatement; }
    // Every statement sent since the last clearLog(), before adaptation.
    const QStringList &statementLog() const { return m_log; }
    void clearLog() { m_log.clear(); }
    void setLogging(bool on) { m_logging = on; }

private:
    void remember(const QString &statement);

    QString m_connectionName;
    QString m_filePath;
    QSqlDatabase m_db;
    QString m_lastStatement;
    QStringList m_log;
    bool m_logging = false;
};

// A query dataset (ADOQuery_Temp, ADOQuery_Ka): its statement is set and opened, rows are
// visited with first/next/last and columns are read by name.
class Query {
public:
    explicit Query(Database &db)
        : m_db(db) {}

    void open(const QString &statement);
    void close();
    bool isOpen() const { return m_open; }

    int recordCount() const { return int(m_rows.rows.size()); }
    void first() { m_pos = 0; }
    void next() { ++m_pos; }
    void last() { m_pos = recordCount() - 1; }
    bool eof() const { return m_pos < 0 || m_pos >= recordCount(); }

    // A column of the current row as text; "" on an empty result or a null.
    QString text(const QString &column) const;
    // A column of the current row as an integer; 0 on an empty result or a null.
    qint64 integer(const QString &column) const;
    QVariant value(const QString &column) const;

private:
    Database &m_db;
    Database::Rows m_rows;
    int m_pos = -1;
    bool m_open = false;
};
