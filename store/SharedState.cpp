#include "SharedState.h"

#include "Database.h"
#include "SqlText.h"

void TKensain::resize(int n) {
    count = n;
    names = QStringList(n + 1, QString());
    trades = QStringList(n + 1, QString());
}

SharedState &shared() {
    static SharedState state;
    return state;
}

int fiscalYearOf(const QDate &day) {
    return day.month() >= 4 ? day.year() : day.year() - 1;
}

QString TradeLookup(const QString &name) {
    const TKensain &r = shared().roster;
    for (int i = 1; i <= r.count; ++i) {
        if (r.name(i) == name)
            return r.trade(i);
    }
    return QStringLiteral("未定義");
}

void readRoster(Query &query, const QString &fiscalYear) {
    SharedState &s = shared();
    query.close();
    query.open(QStringLiteral("select * from 20検査員 where 年度= ") + fiscalYear);
    const int n = query.recordCount();
    s.roster.resize(n);
    query.first();
    for (int i = 1; i <= n; ++i) {
        s.roster.names[i] = query.text(QStringLiteral("検査員"));
        s.roster.trades[i] = query.text(QStringLiteral("職種区分"));
        query.next();
    }
    TKensain *lists[] = {&s.civil, &s.building, &s.equipment};
    for (int t = 0; t < 3; ++t) {
        query.close();
        query.open(QStringLiteral("select * from 20検査員 where 年度= ") + fiscalYear +
                   QStringLiteral(" and 職種区分= ") + SqlText::quote(Classes::trades.at(t)));
        TKensain &list = *lists[t];
        const int c = query.recordCount();
        list.resize(c);
        query.first();
        for (int i = 1; i <= c; ++i) {
            list.names[i] = query.text(QStringLiteral("検査員"));
            query.next();
        }
    }
    query.close();
}

qint64 readFirstYearId(Query &query, const QString &fiscalYear) {
    query.close();
    query.open(QStringLiteral("select * from 10工事検査台帳 where 年度= ") + fiscalYear +
               QStringLiteral(" ORDER BY ID"));
    query.first();
    const qint64 id = query.integer(QStringLiteral("ID"));
    query.close();
    return id;
}

TBunsyo readNumbering(Query &query) {
    TBunsyo b;
    query.close();
    query.open(QStringLiteral("select * from 22諸定義"));
    query.first();
    b.receiptBookName = query.text(QStringLiteral("収受名"));
    b.dispatchBookName = query.text(QStringLiteral("発送名"));
    b.receiptStartNo = query.integer(QStringLiteral("収受開始番号"));
    b.dispatchStartNo = query.integer(QStringLiteral("発送開始番号"));
    query.close();
    return b;
}
