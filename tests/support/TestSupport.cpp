#include "TestSupport.h"

#include "Database.h"
#include "Formats.h"
#include "LedgerFile.h"
#include "SqlText.h"

LedgerFolder::LedgerFolder(bool withFile)
    : m_previousDir(QDir::currentPath()) {
    if (withFile)
        createLedgerFile(file());
    QDir::setCurrent(m_dir.path());
}

LedgerFolder::~LedgerFolder() {
    QDir::setCurrent(m_previousDir);
}

void LedgerFolder::exec(const QString &statement) const {
    Database db;
    db.open(file());
    db.exec(statement);
}

qint64 LedgerFolder::insertCase(const QVariantMap &columns) const {
    QStringList names, values;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        names << it.key();
        const QVariant &v = it.value();
        if (v.isNull())
            values << QStringLiteral("NULL");
        else if (v.typeId() == QMetaType::QString)
            values << SqlText::quote(v.toString());
        else
            values << v.toString();
    }
    Database db;
    db.open(file());
    db.exec(QStringLiteral("INSERT INTO 10工事検査台帳 (") + names.join(QLatin1Char(',')) +
            QStringLiteral(") VALUES (") + values.join(QLatin1Char(',')) + QStringLiteral(")"));
    return db.select(QStringLiteral("SELECT max(ID) FROM 10工事検査台帳"))
        .rows.at(0)
        .at(0)
        .toLongLong();
}

void LedgerFolder::insertInspector(int year, const QString &name, const QString &trade,
                                   int number) const {
    exec(QStringLiteral("INSERT INTO 20検査員 (年度,検査員番号,検査員,職種区分,職員コード) VALUES "
                        "(%1,%2,%3,%4,' ')")
             .arg(year)
             .arg(number)
             .arg(SqlText::quote(name), SqlText::quote(trade)));
}

QVariant LedgerFolder::scalar(const QString &query) const {
    Database db;
    db.open(file());
    const Database::Rows r = db.select(query);
    return r.rows.isEmpty() ? QVariant() : r.rows.at(0).at(0);
}

QList<QStringList> LedgerFolder::rows(const QString &query) const {
    Database db;
    db.open(file());
    QList<QStringList> out;
    for (const auto &row : db.select(query).rows) {
        QStringList texts;
        for (const QVariant &v : row)
            texts << Formats::plainText(v);
        out << texts;
    }
    return out;
}
