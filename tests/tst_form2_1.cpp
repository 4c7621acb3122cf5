#include "Database.h"
#include "EngineError.h"
#include "Form2_1.h"
#include "FormPages.h"
#include "PageRenderer.h"
#include "ReportRun.h"
#include "ReportTestSupport.h"
#include "SharedState.h"
#include "SqlText.h"
#include "TestSupport.h"

#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDate Today(2011, 6, 10);

// A graded case: trade, inspection class, pass month and total score (null: no score).
void addCase(const LedgerFolder &f, int year, const QString &trade, const QString &kind,
             int passMonth, const QVariant &score) {
    f.insertCase({{u"年度"_s, year},
                  {u"職種区分"_s, trade},
                  {u"検査区分"_s, kind},
                  {u"合格月"_s, passMonth},
                  {u"評定合計"_s, score}});
}

// Fiscal year 2011. 土木 averages 72.25, which is stored as 72.3; 設備 has no graded case.
void fillLedger(const LedgerFolder &f) {
    const QString completion = u"完成検査"_s;
    addCase(f, 2011, u"土木"_s, completion, 5, 95.0);
    addCase(f, 2011, u"土木"_s, completion, 1, 49.5);       // under 50
    addCase(f, 2011, u"土木"_s, completion, 6, 100.0);      // in no band
    addCase(f, 2011, u"土木"_s, u"中間検査"_s, 6, 60.0);    // not graded here
    addCase(f, 2011, u"土木"_s, u"出来高検査"_s, 6, 60.0);  // not graded here
    addCase(f, 2011, u"土木"_s, completion, 0, 70.0);       // not passed
    addCase(f, 2010, u"土木"_s, completion, 6, 70.0);       // another year
    addCase(f, 2011, u"土木"_s, completion, 7, QVariant()); // no score
    addCase(f, 2011, u"建築"_s, completion, 8, 50.0);       // all, not low
    addCase(f, 2011, u"建築"_s, completion, 8, 0.0);        // graded with 0
    addCase(f, 2011, u"建築"_s, u"清算出来高検査"_s, 2, 70.0);
    addCase(f, 2011, u"設備"_s, completion, 9, -5.0);        // in no band
    addCase(f, 2011, u"設備"_s, u"部分完成検査"_s, 9, 30.0); // not graded here
    addCase(f, 2011, u"未定義"_s, completion, 10, 90.0);     // only in <合計>
}

// Form 2-1 reads no roster: the run is given the fiscal year only.
void runForm21(Database &db, ProgressSink &progress, const QString &year = u"2011"_s) {
    runForm(db, year, progress, calcForm2_1, RosterRead::No);
}

} // namespace

class TestForm21 : public QObject {
    Q_OBJECT

private slots:
    void init() { shared().reset(); }

    void statements_data();
    void statements();
    void averageText_data();
    void averageText();
    void run();
    void golden();
    void emptyYear();
    void missingTable();
    void page();
};

void TestForm21::statements_data() {
    using namespace Form2_1;
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");

    const QString select =
        u"SELECT Sum(評定合計) as A,Count(評定合計) as B,Avg(評定合計) as C FROM 10工事検査台帳 "_s;
    QTest::newRow("土木, band all") << bandStatement(u"土木"_s, AllBand, u"2011"_s)
                                    << select + u"WHERE ((職種区分='土木') AND (評定合計<100) And "
                                                u"(評定合計>=0) AND (合格月>0) AND (年度=2011) AND "
                                                u"(検査区分 IN('完成検査','清算出来高検査')))"_s;
    QTest::newRow("設備, band low") << bandStatement(u"設備"_s, LowBand, u"2012"_s)
                                    << select + u"WHERE ((職種区分='設備') AND (評定合計<50) And "
                                                u"(評定合計>=0) AND (合格月>0) AND (年度=2012) AND "
                                                u"(検査区分 IN('完成検査','清算出来高検査')))"_s;
    QTest::newRow("total, band low")
        << bandStatement(QString(), LowBand, u"2011"_s)
        << select + u"WHERE ((合格月>0) AND (評定合計<50) And (評定合計>=0) AND (年度=2011) AND "
                    u"(検査区分 IN('完成検査','清算出来高検査')))"_s;
}

void TestForm21::statements() {
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

void TestForm21::averageText_data() {
    QTest::addColumn<QString>("average");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty band") << QString() << u"0.0"_s;
    QTest::newRow("a half goes up") << u"72.25"_s << u"72.3"_s;
    QTest::newRow("whole") << u"40"_s << u"40.0"_s;
    QTest::newRow("long fraction") << u"59.083333333333336"_s << u"59.1"_s;
    QTest::newRow("rounds down") << u"66.64"_s << u"66.6"_s;
}

void TestForm21::averageText() {
    QFETCH(QString, average);
    QFETCH(QString, expected);
    QCOMPARE(Form2_1::averageText(average), expected);
}

void TestForm21::run() {
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    db.setLogging(true);
    RecordingProgress progress;
    runForm21(db, progress);
    const QStringList log = db.statementLog();

    // The delete, then per row two band statements and the insert.
    QCOMPARE(log.size(), 1 + 4 * 3);
    QCOMPARE(log.at(0), u"Delete From 40工事成績評定点総括"_s);
    QCOMPARE(log.at(1), Form2_1::bandStatement(u"土木"_s, Form2_1::AllBand, u"2011"_s));
    QCOMPARE(log.at(2), Form2_1::bandStatement(u"土木"_s, Form2_1::LowBand, u"2011"_s));
    QCOMPARE(log.at(3),
             SqlText::joinLines({u"Insert Into 40工事成績評定点総括 ("_s, u"職種区分,"_s,
                                 u"件数,"_s, u"平均点数,"_s, u"内50点未満"_s, u")"_s, u"VALUES ("_s,
                                 u"'土木',"_s, u"'2','72.3','1'"_s, u")"_s}));
    QVERIFY(log.at(4).contains(u"(職種区分='建築')"_s));
    QVERIFY(log.at(9).endsWith(u"VALUES (\n'設備',\n'0','0.0','0'\n)"_s));
    QCOMPARE(log.at(10), Form2_1::bandStatement(QString(), Form2_1::AllBand, u"2011"_s));
    QVERIFY(log.at(12).contains(u"VALUES (\n'<合計>',\n"_s));

    // A maximum of 4, one step per trade and none for the total.
    QCOMPARE(progress.events,
             QStringList({u"begin 4"_s, u"step"_s, u"step"_s, u"step"_s, u"end"_s}));
}

// Written down by hand from the fixture. Exactly 100, a negative score, intermediate
// inspections, unpassed cases, another year and a missing score count nowhere; 50 counts in
// 件数 only; the 未定義 case only in <合計>.
void TestForm21::golden() {
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm21(db, progress);
    runForm21(db, progress); // still four rows: the table is emptied first

    const ReportRows rows = readTable(db, Form2_1::TableName);
    // The page's masks format numbers only.
    QCOMPARE(rows.value(0, u"件数"_s).typeId(), QMetaType::LongLong);
    QCOMPARE(rows.value(0, u"平均点数"_s).typeId(), QMetaType::Double);
    compareGolden(csvLines(rows), u"form2_1.csv"_s);
}

void TestForm21::emptyYear() {
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm21(db, progress, u"2013"_s);
    QCOMPARE(csvLines(readTable(db, Form2_1::TableName)).mid(1),
             QStringList({u"土木,0,0,0"_s, u"建築,0,0,0"_s, u"設備,0,0,0"_s, u"<合計>,0,0,0"_s}));
}

void TestForm21::missingTable() {
    LedgerFolder f;
    f.exec(u"DROP TABLE 40工事成績評定点総括"_s);
    Database db;
    db.open(f.file());
    RecordingProgress progress;
    try {
        runForm21(db, progress);
        QFAIL("the run went through without its table");
    } catch (const EngineError &e) {
        QVERIFY2(e.message().contains(u"no such table"_s), qPrintable(e.message()));
    }
    // The run ends where it fails: the progress display is left as it was.
    QCOMPARE(progress.events, QStringList({u"begin 4"_s}));
}

void TestForm21::page() {
    if (!havePdftotext())
        QSKIP("poppler-utils are not installed");
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm21(db, progress);

    Page page = makeQuickRep5();
    QCOMPARE(page.caption(u"QRLabel152"_s), u"西暦年度"_s);
    QVERIFY(page.setCaption(u"QRLabel152"_s, yearText(u"2011"_s)));
    const QString pdf = QDir(f.dir()).filePath(u"form2_1.pdf"_s);
    QVERIFY(writePdf(page, readTable(db, Form2_1::TableName), pdf, Today));

    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(u"様式2-1：工事成績評定点総括表（職種別の件数・平均点）"_s),
             qPrintable(text));
    QVERIFY(text.contains(u"2011年度"_s));
    QVERIFY(text.contains(u"印刷：2011/06/10"_s));
    QVERIFY(text.contains(u"職種件数平均点数内50点未満の件数"_s));
    // The stored 72.3 prints with two decimals.
    QVERIFY2(text.contains(u"土木272.301"_s), qPrintable(text));
    QVERIFY(text.contains(u"設備00.000"_s));
    QVERIFY(text.contains(u"<合計>659.102"_s));
    QVERIFY(text.contains(
        u"完成検査及び清算出来高検査の集計である（中間検査、出来高検査、部分完成検査は含まない）"_s));
    QCOMPARE(text.count(u'\f'), 1);
}

QTEST_MAIN(TestForm21)
#include "tst_form2_1.moc"
