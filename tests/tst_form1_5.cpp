#include "Database.h"
#include "EngineError.h"
#include "Form1_5.h"
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

// One case of the fixture; a null contract class or inspection class stays null.
void addCase(const LedgerFolder &f, int year, const QString &inspector, const QString &trade,
             const QVariant &kind, int passMonth, qint64 amount,
             const QVariant &contract = u"契約依頼"_s) {
    f.insertCase({{u"年度"_s, year},
                  {u"検査員"_s, inspector},
                  {u"職種区分"_s, trade},
                  {u"検査区分"_s, kind},
                  {u"契約区分"_s, contract},
                  {u"合格月"_s, passMonth},
                  {u"請負金額"_s, amount}});
}

// Fiscal year 2011: two civil inspectors, one building inspector, no equipment inspector
// and 田中, whose trade is none of the three (so in no list).
void fillLedger(const LedgerFolder &f) {
    f.insertInspector(2011, u"山田"_s, u"土木"_s, 1);
    f.insertInspector(2011, u"佐藤"_s, u"土木"_s, 2);
    f.insertInspector(2011, u"鈴木"_s, u"建築"_s, 3);
    f.insertInspector(2011, u"田中"_s, u"事務"_s, 4);
    const QString section = u"各課執行"_s;
    addCase(f, 2011, u"山田"_s, u"土木"_s, u"完成検査"_s, 4, 10000000);
    addCase(f, 2011, u"山田"_s, u"土木"_s, u"完成検査"_s, 4, 5000000, section);
    addCase(f, 2011, u"山田"_s, u"土木"_s, u"中間検査"_s, 6, 3000000);
    addCase(f, 2011, u"山田"_s, u"土木"_s, u"清算出来高検査"_s, 1, 2000000, section); // January
    addCase(f, 2011, u"山田"_s, u"土木"_s, u"出来高検査"_s, 3, 1000000);
    addCase(f, 2011, u"佐藤"_s, u"土木"_s, u"部分完成検査"_s, 5, 4000000);
    addCase(f, 2011, u"佐藤"_s, u"土木"_s, u"完成検査"_s, 0, 9000000);          // not passed
    addCase(f, 2011, u"佐藤"_s, u"土木"_s, QVariant(), 5, 9000000);             // no class
    addCase(f, 2011, u"佐藤"_s, u"土木"_s, u"再検査"_s, 5, 9000000);            // none of the five
    addCase(f, 2011, u"鈴木"_s, u"土木"_s, u"完成検査"_s, 7, 8000000, section); // civil work
    addCase(f, 2011, u"鈴木"_s, u"建築"_s, u"完成検査"_s, 7, 12345678);
    addCase(f, 2010, u"鈴木"_s, u"建築"_s, u"完成検査"_s, 7, 9000000); // another year
    addCase(f, 2011, u"田中"_s, u"設備"_s, u"完成検査"_s, 9, 6000000); // only in <合計>
}

} // namespace

class TestForm15 : public QObject {
    Q_OBJECT

private slots:
    void init() { shared().reset(); }

    void statements_data();
    void statements();
    void insertLines();
    void form15Run();
    void form16Run();
    void golden_data();
    void golden();
    void mergedList();
    void emptyRoster();
    void pages_data();
    void pages();
};

void TestForm15::statements_data() {
    using namespace Form1_5;
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");

    const QString sel1 = u"SELECT Count(検査区分) as A,Sum(請負金額) as B FROM 10工事検査台帳 "_s;
    const QString sel2 = u"SELECT Sum(請負金額) as B,Count(検査区分) as A FROM 10工事検査台帳 "_s;
    const QString completion = u" AND (検査区分 IN('完成検査','清算出来高検査')))"_s;
    const QString intermediate = u" AND (検査区分 IN('出来高検査','中間検査','部分完成検査')))"_s;

    QTest::newRow("1-5 section, June")
        << monthStatement(Set::Section, 6, u"X"_s, u"2011"_s)
        << sel2 + u"WHERE ((合格月=6) AND (契約区分='各課執行') AND (検査員  ='X') AND "
                  u"(年度=2011) AND (検査区分 IN('完成検査','清算出来高検査')))"_s;
    QTest::newRow("1-5 completion, January")
        << monthStatement(Set::Completion, 1, u"山田"_s, u"2011"_s)
        << sel2 + u"WHERE ((合格月=1) AND (検査員='山田') AND (年度=2011)"_s + completion;
    QTest::newRow("1-5 intermediate, year row")
        << monthStatement(Set::Intermediate, 0, u"山田"_s, u"2011"_s)
        << sel2 + u"WHERE ((合格月>0) AND (検査員='山田') AND (年度=2011)"_s + intermediate;
    QTest::newRow("1-5 quote in a name")
        << monthStatement(Set::Completion, 12, u"O'Neil"_s, u"2011"_s)
        << sel2 + u"WHERE ((合格月=12) AND (検査員='O''Neil') AND (年度=2011)"_s + completion;
    QTest::newRow("1-6 inspector, intermediate")
        << inspectorStatement(Set::Intermediate, u"佐藤"_s, u"2011"_s)
        << sel1 + u"WHERE ((合格月>0) AND (検査員='佐藤') AND (年度=2011)"_s + intermediate;
    QTest::newRow("1-6 inspector, section")
        << inspectorStatement(Set::Section, u"佐藤"_s, u"2011"_s)
        << sel1 +
               u"WHERE ((合格月>0) AND (契約区分='各課執行') AND (検査員  ='佐藤') AND "
               u"(年度=2011)"_s +
               completion;
    QTest::newRow("1-6 subtotal, completion")
        << tradeStatement(Set::Completion, u"建築"_s, u"2011"_s)
        << sel1 + u"WHERE ((合格月>0) AND (職種区分='建築') AND (年度=2011)"_s + completion;
    QTest::newRow("1-6 subtotal, section")
        << tradeStatement(Set::Section, u"未定義"_s, u"2011"_s)
        << sel1 +
               u"WHERE ((合格月>0) AND (契約区分='各課執行') AND (職種区分  ='未定義') AND "
               u"(年度=2011)"_s +
               completion;
    QTest::newRow("1-6 total, intermediate")
        << totalStatement(Set::Intermediate, u"2011"_s)
        << sel2 + u"WHERE ((合格月>0) AND (年度=2011)"_s + intermediate;
    QTest::newRow("1-6 total, section")
        << totalStatement(Set::Section, u"2011"_s)
        << sel2 + u"WHERE ((合格月>0) AND (契約区分='各課執行') AND (年度=2011)"_s + completion;
}

void TestForm15::statements() {
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

void TestForm15::insertLines() {
    const Form1_5::Figures figures{{u"2"_s, u"0"_s, u"1"_s}, {u"15000000"_s, u"0"_s, u"5000000"_s}};
    QCOMPARE(Form1_5::monthRowInsertLines(u"4"_s, u"山田"_s, u"土木"_s, figures),
             QStringList({u"Insert Into 様式5：工事完成検査集計表 ("_s, u"月,"_s, u"検査員,"_s,
                          u"職種区分,"_s, u"完成検査c,中間検査c,主管課c,"_s,
                          u"完成検査p,中間検査p,主管課p"_s, u")"_s, u"VALUES ("_s, u"'4',"_s,
                          u"'山田',"_s, u"'土木',"_s, u"'2','0','1',"_s,
                          u"'15000000','0','5000000'"_s, u")"_s}));
    QCOMPARE(Form1_5::yearRowInsertLines(u"<小計>"_s, u"****"_s, figures),
             QStringList({u"Insert Into 様式5：工事完成検査集計表 ("_s, u"検査員,"_s,
                          u"職種区分,"_s, u"完成検査c,中間検査c,主管課c,"_s,
                          u"完成検査p,中間検査p,主管課p"_s, u")"_s, u"VALUES ("_s, u"'<小計>',"_s,
                          u"'****',"_s, u"'2','0','1',"_s, u"'15000000','0','5000000'"_s, u")"_s}));
}

void TestForm15::form15Run() {
    LedgerFolder f;
    fillLedger(f);
    f.exec(u"INSERT INTO 様式5：工事完成検査集計表 (検査員) VALUES ('前回の行')"_s);
    Database db;
    db.open(f.file());
    db.setLogging(true);
    RecordingProgress progress;
    runForm(db, u"2011"_s, progress, &calcForm1_5);
    const QStringList log = db.statementLog();

    // The delete, then per walked inspector 13 rows of three statements and an insert.
    QCOMPARE(log.size(), 1 + 3 * 13 * 4);
    QCOMPARE(log.at(0), u"Delete From 様式5：工事完成検査集計表"_s);
    const QString sel2 = u"SELECT Sum(請負金額) as B,Count(検査区分) as A FROM 10工事検査台帳 "_s;
    QCOMPARE(log.at(1), sel2 + u"WHERE ((合格月=4) AND (検査員='山田') AND (年度=2011) AND "
                               u"(検査区分 IN('完成検査','清算出来高検査')))"_s);
    QVERIFY(log.at(2).contains(u"IN('出来高検査','中間検査','部分完成検査')"_s));
    QVERIFY(log.at(3).contains(u"(契約区分='各課執行') AND (検査員  ='山田')"_s));
    QVERIFY(log.at(4).startsWith(u"Insert Into 様式5：工事完成検査集計表 (\n月,\n"_s));
    // May follows April; the year row closes the block with 合格月>0.
    QVERIFY(log.at(5).startsWith(sel2 + u"WHERE ((合格月=5) AND (検査員='山田')"_s));
    QVERIFY(log.at(49).startsWith(sel2 + u"WHERE ((合格月>0) AND (検査員='山田')"_s));
    QVERIFY(log.at(52).contains(u"VALUES (\n'<合計>',\n'山田',\n'土木',\n"_s));
    QVERIFY(log.at(53).contains(u"(合格月=4) AND (検査員='佐藤')"_s));

    // Twelve steps per inspector against a maximum of InspectorCount.
    QStringList expected{u"begin 4"_s};
    for (int i = 0; i < 36; ++i)
        expected << u"step"_s;
    expected << u"end"_s;
    QCOMPARE(progress.events, expected);

    const ReportRows rows = readTable(db, Form1_5::TableName);
    QCOMPARE(rows.rowCount(), 39);
    // The page masks format numbers only: the figures must read back as such.
    QCOMPARE(rows.value(0, u"完成検査c"_s).typeId(), QMetaType::LongLong);
    QCOMPARE(rows.value(0, u"完成検査p"_s).typeId(), QMetaType::LongLong);
}

void TestForm15::form16Run() {
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    db.setLogging(true);
    RecordingProgress progress;
    runForm(db, u"2011"_s, progress, &calcForm1_6);
    const QStringList log = db.statementLog();

    // Three inspector rows, three subtotals and the total, each of three statements and an
    // insert.
    QCOMPARE(log.size(), 1 + 7 * 4);
    QCOMPARE(log.at(0), u"Delete From 様式5：工事完成検査集計表"_s);
    const QString sel1 = u"SELECT Count(検査区分) as A,Sum(請負金額) as B FROM 10工事検査台帳 "_s;
    const QString sel2 = u"SELECT Sum(請負金額) as B,Count(検査区分) as A FROM 10工事検査台帳 "_s;
    QVERIFY(log.at(1).startsWith(sel1 + u"WHERE ((合格月>0) AND (検査員='山田')"_s));
    QVERIFY(log.at(9).startsWith(sel1 + u"WHERE ((合格月>0) AND (職種区分='土木')"_s));
    QVERIFY(log.at(12).contains(u"VALUES (\n'<小計>',\n'****',\n"_s));
    QVERIFY(log.at(17).startsWith(sel1 + u"WHERE ((合格月>0) AND (職種区分='建築')"_s));
    // The equipment group has no inspector: its subtotal is asked for 未定義.
    QVERIFY(log.at(21).startsWith(sel1 + u"WHERE ((合格月>0) AND (職種区分='未定義')"_s));
    QCOMPARE(log.at(25), sel2 + u"WHERE ((合格月>0) AND (年度=2011) AND "
                                u"(検査区分 IN('完成検査','清算出来高検査')))"_s);
    QVERIFY(!log.at(28).contains(u"月,"_s));

    QCOMPARE(progress.events,
             QStringList({u"begin 4"_s, u"step"_s, u"step"_s, u"step"_s, u"end"_s}));
}

void TestForm15::golden_data() {
    QTest::addColumn<bool>("byMonth");
    QTest::addColumn<QString>("file");
    QTest::newRow("form 1-5") << true << u"form1_5.csv"_s;
    QTest::newRow("form 1-6") << false << u"form1_6.csv"_s;
}

// Written down by hand from the fixture: 鈴木 inspected a civil work, which counts in his row
// but in the civil subtotal; 田中's case counts only in 1-6's <合計>.
void TestForm15::golden() {
    QFETCH(bool, byMonth);
    QFETCH(QString, file);
    const auto calc = byMonth ? &calcForm1_5 : &calcForm1_6;
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm(db, u"2011"_s, progress, calc);
    // A second run leaves the same rows: the table is emptied first.
    runForm(db, u"2011"_s, progress, calc);

    compareGolden(csvLines(readTable(db, Form1_5::TableName)), file);
}

void TestForm15::mergedList() {
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    Query temp(db);
    readRoster(temp, u"2011"_s);
    QCOMPARE(Form1_5::mergedInspectorList(),
             QStringList({QString(), u"山田"_s, u"佐藤"_s, u"鈴木"_s, QString()}));
}

void TestForm15::emptyRoster() {
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm(db, u"2011"_s, progress, &calcForm1_5);
    QCOMPARE(readTable(db, Form1_5::TableName).rowCount(), 39);

    // 2012 has no roster: form 1-5 writes nothing, form 1-6 three zero subtotals and a
    // zero total.
    runForm(db, u"2012"_s, progress, &calcForm1_5);
    QCOMPARE(readTable(db, Form1_5::TableName).rowCount(), 0);
    runForm(db, u"2012"_s, progress, &calcForm1_6);
    QCOMPARE(csvLines(readTable(db, Form1_5::TableName)).mid(1),
             QStringList({u",<小計>,****,0,0,0,0,0,0"_s, u",<小計>,****,0,0,0,0,0,0"_s,
                          u",<小計>,****,0,0,0,0,0,0"_s, u",<合計>,****,0,0,0,0,0,0"_s}));
}

void TestForm15::pages_data() {
    QTest::addColumn<bool>("byMonth");
    QTest::addColumn<QString>("yearLabel");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("firstPage");
    QTest::addColumn<int>("pageCount");

    const QString heads = u"完成検査、清算出来高検査の内"_s;
    QTest::newRow("form 1-5")
        << true << u"QRLabel150"_s
        << u"様式1-5：検査区分別検査集計表（検査員別、月別、検査区分別の件数、金額）"_s
        << QStringList{u"検査員（職種）"_s,
                       u"山田(土木)"_s,
                       heads,
                       u"主管課執行工事検査"_s,
                       u"部分完成検査"_s,
                       u"備考"_s,
                       u"4215,000,000015,000,000"_s,
                       u"<合計>317,000,000227,000,000"_s}
        << 3;
    QTest::newRow("form 1-6")
        << false << u"QRLabel151"_s
        << u"様式1-6：検査区分別検査集計表（職種別、検査員別、検査区分別の件数、金額）"_s
        << QStringList{u"職種"_s,
                       u"検査員"_s,
                       heads,
                       u"土木山田317,000,000227,000,000"_s,
                       u"****<小計>425,000,0003315,000,000"_s,
                       u"****<合計>643,345,6783315,000,000"_s}
        << 1;
}

void TestForm15::pages() {
    QFETCH(bool, byMonth);
    QFETCH(QString, yearLabel);
    QFETCH(QString, title);
    QFETCH(QStringList, firstPage);
    QFETCH(int, pageCount);
    if (!havePdftotext())
        QSKIP("poppler-utils are not installed");

    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm(db, u"2011"_s, progress, byMonth ? &calcForm1_5 : &calcForm1_6);

    Page page = byMonth ? makeQuickRep3() : makeQuickRep4();
    QCOMPARE(page.caption(yearLabel), u"西暦年度"_s);
    QVERIFY(page.setCaption(yearLabel, yearText(u"2011"_s)));
    const QString pdf = QDir(f.dir()).filePath(page.name() + u".pdf"_s);
    QVERIFY(writePdf(page, readTable(db, Form1_5::TableName), pdf, Today));

    const QStringList pages = pdfPages(pdf);
    QCOMPARE(pages.size(), pageCount);
    const QString &text = pages.first();
    QVERIFY2(text.contains(title), qPrintable(text));
    QVERIFY(text.contains(u"2011年度"_s));
    QVERIFY(text.contains(u"印刷：2011/06/10"_s));
    QVERIFY(text.contains(u"金額：円"_s));
    for (const QString &expected : firstPage)
        QVERIFY2(text.contains(expected), qPrintable(expected + u"\n"_s + text));
    if (byMonth) {
        // One inspector a page, named in the column header of each.
        QVERIFY(pages.at(1).contains(u"佐藤(土木)"_s));
        QVERIFY(pages.at(2).contains(u"鈴木(建築)"_s));
        QVERIFY(pages.at(2).contains(u"7220,345,678018,000,000"_s));
        QVERIFY(!text.contains(u"佐藤"_s));
    }
}

QTEST_MAIN(TestForm15)
#include "tst_form1_5.moc"
