#include "Database.h"
#include "EngineError.h"
#include "Form1_2.h"
#include "FormPages.h"
#include "PageRenderer.h"
#include "ReportRun.h"
#include "ReportTestSupport.h"
#include "SharedState.h"
#include "SqlText.h"
#include "TestSupport.h"

#include <QtTest>

using namespace Qt::Literals::StringLiterals;
using Form1_2::Figure;

namespace {

const QDate Today(2012, 3, 15);
const QString Sel = u"SELECT Count(検査区分) as A,Sum(請負金額) as B FROM 10工事検査台帳 "_s;

// A case of the fixture: inspector, the case's own trade, inspection class (null: none),
// pass month and contract amount, in fiscal year 2011 unless given.
void addCase(const LedgerFolder &f, const QString &inspector, const QString &trade,
             const QVariant &kind, int passMonth, qint64 amount, int year = 2011) {
    f.insertCase({{u"年度"_s, year},
                  {u"検査員"_s, inspector},
                  {u"職種区分"_s, trade},
                  {u"工事区分"_s, trade},
                  {u"検査区分"_s, kind},
                  {u"合格月"_s, passMonth},
                  {u"請負金額"_s, amount}});
}

// Two civil inspectors (佐藤 without a case), one building inspector, nobody for 設備, and
// 高橋 of a trade in no list. 山田 passed a 建築 case and 鈴木 a 土木 case, so the
// subtotals differ from the sums of their groups' rows.
void fillLedger(const LedgerFolder &f) {
    f.insertInspector(2011, u"山田"_s, u"土木"_s, 1);
    f.insertInspector(2011, u"佐藤"_s, u"土木"_s, 2);
    f.insertInspector(2011, u"鈴木"_s, u"建築"_s, 3);
    f.insertInspector(2011, u"高橋"_s, u"その他"_s, 4);
    f.insertInspector(2010, u"前年"_s, u"設備"_s, 1);

    addCase(f, u"山田"_s, u"土木"_s, u"完成検査"_s, 4, 12345678);
    addCase(f, u"山田"_s, u"土木"_s, u"中間検査"_s, 4, 5000000); // counts, no amount
    addCase(f, u"山田"_s, u"建築"_s, u"清算出来高検査"_s, 1, 8000000);
    addCase(f, u"山田"_s, u"土木"_s, QVariant(), 4, 900000);    // no inspection class
    addCase(f, u"山田"_s, u"土木"_s, u"完成検査"_s, 0, 900000); // not passed
    addCase(f, u"山田"_s, u"土木"_s, u"完成検査"_s, 4, 900000, 2010);
    addCase(f, u"鈴木"_s, u"建築"_s, u"完成検査"_s, 6, 30000000);
    addCase(f, u"鈴木"_s, u"建築"_s, u"完成検査"_s, 6, 1500000);
    addCase(f, u"鈴木"_s, u"建築"_s, u"出来高検査"_s, 9, 2000000); // September: amount 0
    addCase(f, u"鈴木"_s, u"土木"_s, u"部分完成検査"_s, 3, 1000000);
    addCase(f, u"高橋"_s, u"設備"_s, u"完成検査"_s, 12, 4000000); // only in <合計>
    addCase(f, u"伊藤"_s, u"土木"_s, u"完成検査"_s, 5, 7000000);  // not on the roster
}

// The label columns of every row, "検査員/職種区分".
QStringList rowLabels(const ReportRows &rows) {
    QStringList labels;
    for (int r = 0; r < rows.rowCount(); ++r)
        labels << Formats::plainText(rows.value(r, u"検査員"_s)) + u'/' +
                      Formats::plainText(rows.value(r, u"職種区分"_s));
    return labels;
}

} // namespace

class TestForm12 : public QObject {
    Q_OBJECT

private slots:
    void init() { shared().reset(); }

    void statements_data();
    void statements();
    void runShape_data();
    void runShape();
    void runOrder();
    void golden();
    void failureKeepsRowsWritten();
    void pdf();
};

void TestForm12::statements_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    const QString fy = u"2011"_s;
    const QString inCompletion = u"(検査区分 IN('完成検査','清算出来高検査'))"_s;

    QTest::newRow("inspector, month count")
        << Form1_2::inspectorStatement(Figure::Count, 4, fy, u"山田"_s)
        << Sel + u"WHERE ((合格月=4) AND   (年度=2011) AND (検査員='山田'))"_s;
    QTest::newRow("inspector, May amount")
        << Form1_2::inspectorStatement(Figure::Amount, 5, fy, u"X"_s)
        << u"SELECT Count(検査区分) as A,Sum(請負金額) as B FROM 10工事検査台帳 WHERE ((合格月=5) "
           u"AND   (年度=2011) AND (検査区分 IN('完成検査','清算出来高検査')) AND (検査員='X'))"_s;
    QTest::newRow("inspector, year count")
        << Form1_2::inspectorStatement(Figure::Count, Form1_2::WholeYear, fy, u"山田"_s)
        << Sel + u"WHERE ((合格月>0) AND   (年度=2011) AND (検査員='山田'))"_s;
    QTest::newRow("inspector, year amount")
        << Form1_2::inspectorStatement(Figure::Amount, Form1_2::WholeYear, fy, u"山田"_s)
        << Sel + u"WHERE ((合格月>0) AND   (年度=2011) AND "_s + inCompletion +
               u" AND (検査員='山田'))"_s;
    QTest::newRow("inspector name with a quote")
        << Form1_2::inspectorStatement(Figure::Count, 12, u"2012"_s, u"O'Neil"_s)
        << Sel + u"WHERE ((合格月=12) AND   (年度=2012) AND (検査員='O''Neil'))"_s;
    // The subtotal's statements have one blank before the year, but for the year amount.
    QTest::newRow("trade, month count")
        << Form1_2::tradeStatement(Figure::Count, 12, fy, u"建築"_s)
        << Sel + u"WHERE ((合格月=12) AND (年度=2011) AND (職種区分='建築'))"_s;
    QTest::newRow("trade, month amount")
        << Form1_2::tradeStatement(Figure::Amount, 12, fy, u"建築"_s)
        << Sel + u"WHERE ((合格月=12) AND (年度=2011) AND "_s + inCompletion +
               u" AND (職種区分='建築'))"_s;
    QTest::newRow("trade, year count")
        << Form1_2::tradeStatement(Figure::Count, Form1_2::WholeYear, fy, u"建築"_s)
        << Sel + u"WHERE ((合格月>0) AND (年度=2011) AND (職種区分='建築'))"_s;
    QTest::newRow("trade, year amount")
        << Form1_2::tradeStatement(Figure::Amount, Form1_2::WholeYear, fy, u"建築"_s)
        << Sel + u"WHERE ((合格月>0) AND   (年度=2011) AND "_s + inCompletion +
               u" AND (職種区分='建築'))"_s;
    QTest::newRow("total, month count") << Form1_2::totalStatement(Figure::Count, 1, fy)
                                        << Sel + u"WHERE ((合格月=1) AND   (年度=2011))"_s;
    QTest::newRow("total, month amount")
        << Form1_2::totalStatement(Figure::Amount, 1, fy)
        << Sel + u"WHERE ((合格月=1) AND   (年度=2011) AND "_s + inCompletion + u")"_s;
    QTest::newRow("total, year count")
        << Form1_2::totalStatement(Figure::Count, Form1_2::WholeYear, fy)
        << Sel + u"WHERE ((合格月>0) AND   (年度=2011))"_s;
    QTest::newRow("total, year amount")
        << Form1_2::totalStatement(Figure::Amount, Form1_2::WholeYear, fy)
        << Sel + u"WHERE ((合格月>0) AND   (年度=2011) AND "_s + inCompletion + u")"_s;
}

void TestForm12::statements() {
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(statement, expected);
}

void TestForm12::runShape_data() {
    QTest::addColumn<QStringList>("roster"); // "name/trade" in roster order
    QTest::addColumn<QStringList>("labels"); // "検査員/職種区分" of the rows written
    QTest::addColumn<QStringList>("progress");

    QTest::newRow("three groups and an inspector of another trade")
        << QStringList{u"高橋/設備"_s, u"山田/土木"_s, u"中村/事務"_s, u"鈴木/建築"_s,
                       u"佐藤/土木"_s}
        << QStringList{u"山田/土木"_s, u"佐藤/土木"_s, u"土木/小計"_s, u"鈴木/建築"_s,
                       u"建築/小計"_s, u"高橋/設備"_s, u"設備/小計"_s, u"<合計>/****"_s}
        << QStringList{u"begin 5"_s, u"step"_s, u"step"_s, u"step"_s, u"step"_s, u"end"_s};
    QTest::newRow("no building inspector")
        << QStringList{u"山田/土木"_s, u"高橋/設備"_s}
        << QStringList{u"山田/土木"_s, u"土木/小計"_s, u"高橋/設備"_s, u"設備/小計"_s,
                       u"<合計>/****"_s}
        << QStringList{u"begin 2"_s, u"step"_s, u"step"_s, u"end"_s};
    QTest::newRow("no inspector") << QStringList() << QStringList{u"<合計>/****"_s}
                                  << QStringList{u"begin 0"_s, u"end"_s};
}

void TestForm12::runShape() {
    QFETCH(QStringList, roster);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, progress);

    ScopedClock clock(Today);
    LedgerFolder f;
    for (int i = 0; i < roster.size(); ++i) {
        const QStringList parts = roster[i].split(u'/');
        f.insertInspector(2011, parts[0], parts[1], i + 1);
    }
    f.exec(u"INSERT INTO 様式2：月別検査調書 (検査員) VALUES ('前回の行')"_s);
    Database db;
    db.open(f.file());
    db.setLogging(true);
    RecordingProgress recorder;
    runForm(db, u"2011"_s, recorder, calcForm1_2);
    const QStringList log = db.statementLog();

    QCOMPARE(rowLabels(readTable(db, Form1_2::TableName)), labels);
    QCOMPARE(recorder.events, progress);
    // 26 queries per row, one insert per row, the delete first.
    QCOMPARE(log.first(), u"Delete From 様式2：月別検査調書"_s);
    QCOMPARE(log.filter(QRegularExpression(u"^SELECT"_s)).size(), 26 * labels.size());
    QCOMPARE(log.filter(QRegularExpression(u"^Insert Into"_s)).size(), labels.size());
    QCOMPARE(log.size(), 1 + 27 * labels.size());
}

void TestForm12::runOrder() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    db.setLogging(true);
    NoProgress progress;
    runForm(db, u"2011"_s, progress, calcForm1_2);
    const QStringList log = db.statementLog();

    // 山田: twelve counts January … December, twelve amounts, the year's two, the insert.
    QCOMPARE(log.at(1), Sel + u"WHERE ((合格月=1) AND   (年度=2011) AND (検査員='山田'))"_s);
    QCOMPARE(log.at(12), Sel + u"WHERE ((合格月=12) AND   (年度=2011) AND (検査員='山田'))"_s);
    QCOMPARE(log.at(17), Sel + u"WHERE ((合格月=5) AND   (年度=2011) AND (検査区分 "
                               u"IN('完成検査','清算出来高検査')) AND (検査員='山田'))"_s);
    QCOMPARE(log.at(25), Sel + u"WHERE ((合格月>0) AND   (年度=2011) AND (検査員='山田'))"_s);
    QCOMPARE(log.at(26), Sel + u"WHERE ((合格月>0) AND   (年度=2011) AND (検査区分 "
                               u"IN('完成検査','清算出来高検査')) AND (検査員='山田'))"_s);
    const QStringList yamadaInsert{
        u"Insert Into 様式2：月別検査調書 ("_s,
        u"検査員,"_s,
        u"職種区分,"_s,
        u"見出しc,4月c,5月c,6月c,7月c,8月c,9月c,10月c,11月c,12月c,1月c,2月c,3月c,横計c,"_s,
        u"見出しp,4月p,5月p,6月p,7月p,8月p,9月p,10月p,11月p,12月p,1月p,2月p,3月p,横計p"_s,
        u")"_s,
        u"VALUES ("_s,
        u"'山田',"_s,
        u"'土木',"_s,
        u"'件数',"_s,
        u"'2','0','0','0',"_s,
        u"'0','0','0','0',"_s,
        u"'0','1','0','0','3',"_s,
        u"'金額',"_s,
        u"'12345678','0','0','0',"_s,
        u"'0','0','0','0',"_s,
        u"'0','8000000','0','0','20345678'"_s,
        u")"_s,
    };
    QCOMPARE(log.at(27), SqlText::joinLines(yamadaInsert));

    // After 佐藤 (28 … 54) the civil subtotal over the cases of the trade 土木.
    QCOMPARE(log.at(55), Sel + u"WHERE ((合格月=1) AND (年度=2011) AND (職種区分='土木'))"_s);
    QCOMPARE(log.at(80), Sel + u"WHERE ((合格月>0) AND   (年度=2011) AND (検査区分 "
                               u"IN('完成検査','清算出来高検査')) AND (職種区分='土木'))"_s);
    QVERIFY(log.at(81).contains(u"VALUES (\n'土木',\n'小計',\n'件数',\n"_s));
    QVERIFY(log.last().contains(u"VALUES (\n'<合計>',\n'****',\n'件数',\n"_s));
    QCOMPARE(log.size(), 1 + 27 * 6);
}

void TestForm12::golden() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm(db, u"2011"_s, progress, calcForm1_2);

    const ReportRows rows = readTable(db, Form1_2::TableName);
    // The page's masks format numbers only: counts and amounts must read back as such.
    QCOMPARE(rows.value(0, u"4月c"_s).typeId(), QMetaType::LongLong);
    QCOMPARE(rows.value(0, u"4月p"_s).typeId(), QMetaType::LongLong);

    compareGolden(csvLines(rows), u"form1_2.csv"_s);
}

void TestForm12::failureKeepsRowsWritten() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillLedger(f);
    f.exec(u"CREATE TRIGGER refuse BEFORE INSERT ON 様式2：月別検査調書 "
           u"WHEN NEW.職種区分 = '小計' BEGIN SELECT RAISE(ABORT, 'disk is full'); END"_s);
    Database db;
    db.open(f.file());
    NoProgress progress;
    try {
        runForm(db, u"2011"_s, progress, calcForm1_2);
        QFAIL("the refused insert did not end the run");
    } catch (const EngineError &error) {
        QVERIFY2(error.message().contains(u"disk is full"_s), qPrintable(error.message()));
    }
    QCOMPARE(rowLabels(readTable(db, Form1_2::TableName)),
             QStringList({u"山田/土木"_s, u"佐藤/土木"_s}));
}

void TestForm12::pdf() {
    if (!havePdftotext())
        QSKIP("poppler-utils are not installed");
    ScopedClock clock(Today);
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm(db, u"2011"_s, progress, calcForm1_2);

    Page page = makeQuickRep1();
    QCOMPARE(page.caption(u"QRLabel76"_s), u"西暦年度"_s);
    QVERIFY(page.setCaption(u"QRLabel76"_s, yearText(u"2011"_s)));
    const QString file = QDir(f.dir()).filePath(u"form1_2.pdf"_s);
    QVERIFY(writePdf(page, readTable(db, Form1_2::TableName), file, Today));
    const QString text = pdfText(file);

    QVERIFY2(text.contains(u"様式1-2：月別検査調書（検査員別、月別件数・金額）"_s),
             qPrintable(text));
    QVERIFY(text.contains(u"2011年度"_s));
    QVERIFY(!text.contains(u"西暦年度"_s));
    QVERIFY(text.contains(u"金額：円"_s));
    QVERIFY(text.contains(u"印刷：2012/03/15"_s));
    QVERIFY(text.contains(u"検査員４月５月６月７月８月９月10月11月12月１月２月３月横計"_s));
    // 山田: two in April, one in January; 12,345,678 yen in April, 20,345,678 in the year.
    QVERIFY2(text.contains(u"山田件数2000000001003"_s), qPrintable(text));
    QVERIFY2(text.contains(u"(土木)金額12,345,678000000008,000,0000020,345,678"_s),
             qPrintable(text));
    QVERIFY(text.contains(u"(小計)金額"_s));
    QVERIFY(text.contains(u"<合計>件数"_s));
    QVERIFY(text.contains(u"(****)金額"_s));
    QVERIFY(text.contains(u"62,845,678"_s));
    QVERIFY(text.contains(u"本表において"_s));
    QVERIFY(text.contains(u"３．金額は、完成検査及び清算出来高検査の金額の集計である。"_s));
    QCOMPARE(text.count(u'\f'), 1);
}

QTEST_MAIN(TestForm12)
#include "tst_form1_2.moc"
