#include "Database.h"

#include "EngineError.h"
#include "Formats.h"
#include "SqlText.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

Database::Database()
    : m_connectionName(QStringLiteral("kensa-") +
                       QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

Database::~Database() {
    close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

void Database::open(const QString &filePath) {
    close();
    m_filePath = filePath;
    connection();
}

void Database::close() {
    if (m_db.isValid() && m_db.isOpen())
        m_db.close();
}

bool Database::isOpen() const {
    return m_db.isValid() && m_db.isOpen();
}

QSqlDatabase &Database::connection() {
    if (isOpen())
        return m_db;
    if (m_filePath.isEmpty())
        throw EngineError(QStringLiteral("データベースが指定されていません。"));
    // SQLite would create a missing file silently; the ledger file must already exist.
    if (!QFileInfo::exists(m_filePath))
        throw EngineError(QStringLiteral("データベースファイルが見つかりません: ") + m_filePath);
    if (!m_db.isValid())
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(m_filePath);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!m_db.open())
        throw EngineError(m_db.lastError().text());
    return m_db;
}

void Database::remember(const QString &statement) {
    m_lastStatement = statement;
    if (m_logging)
        m_log.append(statement);
}

void Database::execLines(const QStringList &lines) {
    exec(SqlText::joinLines(lines));
}

void Database::exec(const QString &statement) {
    remember(statement);
    QSqlQuery q(connection());
    if (!q.exec(SqlText::adaptForEngine(statement)))
        throw EngineError(q.lastError().text());
}

int Database::Rows::columnIndex(const QString &name) const {
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Database::Rows Database::select(const QString &statement) {
    remember(statement);
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    if (!q.exec(SqlText::adaptForEngine(statement)))
        throw EngineError(q.lastError().text());
    Rows result;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        result.columns.append(rec.fieldName(i));
    while (q.next()) {
        QVector<QVariant> row(rec.count());
        for (int i = 0; i < rec.count(); ++i)
            row[i] = q.value(i);
        result.rows.append(std::move(row));
    }
    if (q.lastError().isValid())
        throw EngineError(q.lastError().text());
    return result;
}

void Query::open(const QString &statement) {
    close();
    m_rows = m_db.select(statement);
    m_open = true;
    m_pos = m_rows.rows.isEmpty() ? -1 : 0;
}

void Query::close() {
    m_rows = Database::Rows();
    m_open = false;
    m_pos = -1;
}

QVariant Query::value(const QString &column) const {
    if (eof())
        return QVariant();
    const int c = m_rows.columnIndex(column);
    if (c < 0)
        throw EngineError(QStringLiteral("項目 ") + column + QStringLiteral(" がありません。"));
    return m_rows.rows.at(m_pos).at(c);
}

QString Query::text(const QString &column) const {
    return Formats::plainText(value(column));
}

qint64 Query::integer(const QString &column) const {
    const QVariant v = value(column);
    if (v.isNull())
        return 0;
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (!ok)
        throw EngineError(QStringLiteral("'") + v.toString() +
                          QStringLiteral("' は整数ではありません。"));
    return n;
}
