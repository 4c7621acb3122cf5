// Statement text, the ledger list's filter and order, and the shared-state reads.
#include "Database.h"
#include "EngineError.h"
#include "TableDataset.h"
#include "ListFilter.h"
#include "SharedState.h"
#include "SqlText.h"
#include "TestSupport.h"

#include <QTest>

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void quoting_data();
    void quoting();
    void boxValue_data();
    void boxValue();
    void adaptation_data();
    void adaptation();
    void listFilter_data();
    void listFilter();
    void monthItems();
    void fiscalYear_data();
    void fiscalYear();
    void reopensAfterClose();
    void emptyResultReads();
    void datasetOrderAndLocate();
    void rosterReads();
};

void TestStore::quoting_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain") << "山田"
                           << "'山田'";
    QTest::newRow("apostrophe") << "O'Neil"
                                << "'O''Neil'";
    QTest::newRow("two apostrophes") << "''"
                                     << "''''''";
    QTest::newRow("empty") << ""
                           << "''";
    QTest::newRow("untrimmed") << " a "
                               << "' a '";
}

void TestStore::quoting() {
    QFETCH(QString, value);
    QFETCH(QString, quoted);
    QCOMPARE(SqlText::quote(value), quoted);
}

void TestStore::boxValue_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::newRow("apostrophe") << "O'Neil建設"
                                << "'O''Neil建設'";
    QTest::newRow("empty") << ""
                           << "' '";
    QTest::newRow("blanks only") << "  \t "
                                 << "' '";
    QTest::newRow("trimmed") << "  市道1号線 \r\n"
                             << "'市道1号線'";
    QTest::newRow("full-width spaces kept") << "　　"
                                            << "'　　'";
    QTest::newRow("full-width inside blanks") << " 　工事　 "
                                              << "'　工事　'";
}

void TestStore::boxValue() {
    QFETCH(QString, box);
    QFETCH(QString, value);
    QCOMPARE(SqlText::quoteBoxValue(box), value);
}

void TestStore::adaptation_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("adapted");
    QTest::newRow("ledger table") << "select * from 10工事検査台帳 where 年度= 2011"
                                  << "select * from [10工事検査台帳] where 年度= 2011";
    QTest::newRow("month columns") << "見出しc,4月c,5月c,12月c,横計c,"
                                   << "見出しc,[4月c],[5月c],[12月c],横計c,";
    QTest::newRow("full-width colon needs none") << "Delete From 様式1：工事検査件数調書"
                                                 << "Delete From 様式1：工事検査件数調書";
    QTest::newRow("numbers stay")
        << "UpDate 41工事成績評定点集計表\n Set 4月=0.0\n where ID= 1"
        << "UpDate [41工事成績評定点集計表]\n Set [4月]=0.0\n where ID= 1";
    QTest::newRow("literals untouched") << "VALUES ('10工事検査台帳','O''Neil 4月c',4月c)"
                                        << "VALUES ('10工事検査台帳','O''Neil 4月c',[4月c])";
    QTest::newRow("comparison") << "WHERE ((合格月=4) AND   (年度=2011))"
                                << "WHERE ((合格月=4) AND   (年度=2011))";
}

void TestStore::adaptation() {
    QFETCH(QString, statement);
    QFETCH(QString, adapted);
    QCOMPARE(SqlText::adaptForEngine(statement), adapted);
}

void TestStore::listFilter_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("filter");
    QTest::newRow("first tab, all months")
        << 0 << "全検査員" << 12 << 0 << "年度='2011' and 請負金額>=0";
    QTest::newRow("inspector, June, 2,500")
        << 1 << "山田" << 2 << 1
        << "年度='2011' and 検査員='山田' and 受付月=6 and 請負金額>=25000000";
    QTest::newRow("apostrophe, 4,500")
        << 3 << "O'Neil" << 12 << 2 << "年度='2011' and 検査員='O''Neil' and 請負金額>=45000000";
    QTest::newRow("first tab, January")
        << 0 << "全検査員" << 9 << 0 << "年度='2011' and 受付月=1 and 請負金額>=0";
}

void TestStore::listFilter() {
    QFETCH(int, tab);
    QFETCH(QString, name);
    QFETCH(int, month);
    QFETCH(int, band);
    QFETCH(QString, filter);
    QCOMPARE(ListFilter::build(QStringLiteral("2011"), tab, name, month, band), filter);
}

void TestStore::monthItems() {
    const int expected[] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 0};
    for (int k = 0; k <= 12; ++k)
        QCOMPARE(ListFilter::monthOfItem(k), expected[k]);
}

void TestStore::fiscalYear_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("year");
    QTest::newRow("15 March 2012") << QDate(2012, 3, 15) << 2011;
    QTest::newRow("1 April 2012") << QDate(2012, 4, 1) << 2012;
    QTest::newRow("31 December") << QDate(2026, 12, 31) << 2026;
    QTest::newRow("1 January") << QDate(2027, 1, 1) << 2026;
}

void TestStore::fiscalYear() {
    QFETCH(QDate, day);
    QFETCH(int, year);
    QCOMPARE(fiscalYearOf(day), year);
}

void TestStore::reopensAfterClose() {
    LedgerFolder f;
    Database db;
    db.open(f.file());
    db.exec(QStringLiteral("Insert Into 21公印 (公印種類) VALUES ('副市長印')"));
    db.close();
    QVERIFY(!db.isOpen());
    // The next read opens the connection again with the same file.
    const auto rows = db.select(QStringLiteral("select 公印種類 from 21公印 order by ID"));
    QVERIFY(db.isOpen());
    QCOMPARE(rows.rows.size(), 2);
    QCOMPARE(rows.rows.at(1).at(0).toString(), QStringLiteral("副市長印"));

    // A missing file is an error, not a new empty file.
    Database none;
    QVERIFY_THROWS_EXCEPTION(EngineError, none.open(f.dir() + QStringLiteral("/nothing.mdb")));
    QVERIFY(!QFile::exists(f.dir() + QStringLiteral("/nothing.mdb")));
}

void TestStore::emptyResultReads() {
    LedgerFolder f;
    Database db;
    db.open(f.file());
    Query q(db);
    q.open(QStringLiteral("select * from 10工事検査台帳 where 年度= 2011 ORDER BY ID"));
    QCOMPARE(q.recordCount(), 0);
    q.first();
    QCOMPARE(q.text(QStringLiteral("工事名")), QString());
    QCOMPARE(q.integer(QStringLiteral("ID")), 0);
    q.open(QStringLiteral("SELECT Count(検査区分) as A,Sum(請負金額) as B FROM 10工事検査台帳 "
                          "WHERE ((合格月>0) AND   (年度=2011))"));
    QCOMPARE(q.text(QStringLiteral("A")), QStringLiteral("0"));
    QCOMPARE(q.text(QStringLiteral("B")), QString());
    QVERIFY_THROWS_EXCEPTION(EngineError, q.open(QStringLiteral("select * from 99無い表")));
}

void TestStore::datasetOrderAndLocate() {
    LedgerFolder f;
    const qint64 a =
        f.insertCase({{"年度", 2011}, {"受付日", "06/01"}, {"合格年", 2011}, {"評定合計", 80.0}});
    const qint64 b =
        f.insertCase({{"年度", 2011}, {"受付日", "04/10"}, {"合格年", 0}, {"評定合計", 70.0}});
    const qint64 c =
        f.insertCase({{"年度", 2011}, {"受付日", "04/10"}, {"合格年", 2011}, {"評定合計", 70.0}});
    f.insertCase({{"年度", 2012}, {"受付日", "04/01"}});
    Database db;
    db.open(f.file());
    LedgerDataset list(db);
    list.setFilter(QStringLiteral("年度='2011' and 請負金額>=0"));
    list.setFiltered(true);
    list.open();
    // Amounts are null here, so the amount condition leaves nothing.
    QCOMPARE(list.recordCount(), 0);
    list.setFilter(QStringLiteral("年度='2011'"));
    list.open();
    QCOMPARE(list.recordCount(), 3);
    auto ids = [&] {
        QList<qint64> out;
        for (int r = 0; r < list.recordCount(); ++r)
            out << list.value(r, QStringLiteral("ID")).toLongLong();
        return out;
    };
    QCOMPARE(ids(), (QList<qint64>{a, b, c}));
    list.setSort(ListFilter::sortColumns(2)); // 年度,受付日; ties by ID
    QCOMPARE(ids(), (QList<qint64>{b, c, a}));
    list.setSort(ListFilter::sortColumns(11)); // 合格年,評定合計
    QCOMPARE(ids(), (QList<qint64>{b, c, a}));
    QCOMPARE(list.currentRow(), 0);
    QVERIFY(list.locateId(QString::number(a)));
    QCOMPARE(list.currentRow(), 2);
    QVERIFY(!list.locateId(QStringLiteral("0")));
    QCOMPARE(list.currentRow(), 2);
    list.deleteCurrent();
    QCOMPARE(list.recordCount(), 2);
    QCOMPARE(
        f.scalar(QStringLiteral("select count(*) from 10工事検査台帳 where ID=%1").arg(a)).toInt(),
        0);
}

void TestStore::rosterReads() {
    LedgerFolder f;
    f.insertInspector(2011, QStringLiteral("山田"), QStringLiteral("土木"));
    f.insertInspector(2011, QStringLiteral("佐藤"), QStringLiteral("建築"));
    f.insertInspector(2011, QStringLiteral("山田"), QStringLiteral("設備"));
    f.insertInspector(2011, QStringLiteral("鈴木"), QStringLiteral("電気"));
    f.insertInspector(2012, QStringLiteral("高橋"), QStringLiteral("土木"));
    Database db;
    db.open(f.file());
    Query q(db);
    shared().reset();
    readRoster(q, QStringLiteral("2011"));
    const SharedState &s = shared();
    QCOMPARE(s.roster.count, 4);
    QCOMPARE(s.roster.names, (QStringList{"", "山田", "佐藤", "山田", "鈴木"}));
    QCOMPARE(s.civil.count, 1);
    QCOMPARE(s.building.count, 1);
    QCOMPARE(s.equipment.names, (QStringList{"", "山田"}));
    // Duplicate names: the first one's trade; an unknown trade is in no trade list.
    QCOMPARE(TradeLookup(QStringLiteral("山田")), QStringLiteral("土木"));
    QCOMPARE(TradeLookup(QStringLiteral("鈴木")), QStringLiteral("電気"));
    QCOMPARE(TradeLookup(QStringLiteral("高橋")), QStringLiteral("未定義"));
    QCOMPARE(TradeLookup(QString()), QStringLiteral("未定義"));
    QCOMPARE(readNumbering(q).receiptStartNo,
             f.scalar(QStringLiteral("select 収受開始番号 from 22諸定義")).toLongLong());
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
