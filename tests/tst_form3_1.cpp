#include "Database.h"
#include "EngineError.h"
#include "Form3_1.h"
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

const QDate PrintDay(2012, 4, 20);

// A case of the fixture: 年度, section, inspection class, contract class, construction
// class, inspector, contract amount and pass month.
void sectionCase(const LedgerFolder &f, int year, const QString &section, const QString &kind,
                 const QString &contract, const QString &works, const QString &inspector,
                 qint64 amount, int passMonth) {
    f.insertCase({{u"年度"_s, year},
                  {u"工事名"_s, u"市道工事"_s},
                  {u"担当課"_s, section},
                  {u"検査区分"_s, kind},
                  {u"契約区分"_s, contract},
                  {u"工事区分"_s, works},
                  {u"検査員"_s, inspector},
                  {u"請負金額"_s, amount},
                  {u"合格月"_s, passMonth}});
}

// Fiscal year 2011 with two inspectors and four sections: 建設課 with every kind of case,
// 道路'課 (a quote in the name), a section left blank at registration (stored as one blank)
// and 下水道課, which has cases in 2010 only.
void fillLedger(const LedgerFolder &f) {
    const QString order = u"契約依頼"_s;
    const QString own = u"各課執行"_s;
    sectionCase(f, 2011, u"建設課"_s, u"完成検査"_s, order, u"土木"_s, u"山田"_s, 10000000, 4);
    sectionCase(f, 2011, u"建設課"_s, u"完成検査"_s, own, u"土木"_s, u"山田"_s, 2000000, 5);
    sectionCase(f, 2011, u"建設課"_s, u"出来高検査"_s, own, u"土木"_s, u"山田"_s, 3000000, 6);
    sectionCase(f, 2011, u"建設課"_s, u"中間検査"_s, order, u"舗装"_s, u"佐藤"_s, 4000000, 7);
    sectionCase(f, 2011, u"建設課"_s, u"その他"_s, order, u"土木"_s, u"山田"_s, 1000000, 8);
    sectionCase(f, 2011, u"建設課"_s, u"完成検査"_s, order, u"土木"_s, u"山田"_s, 9000000, 0);
    sectionCase(f, 2011, u"道路'課"_s, u"清算出来高検査"_s, own, u"舗装"_s, u"佐藤"_s, 5000000, 1);
    sectionCase(f, 2011, u"道路'課"_s, u"部分完成検査"_s, order, u"建築"_s, u"佐藤"_s, 6000000, 2);
    sectionCase(f, 2011, u" "_s, u"完成検査"_s, order, u"電気設備"_s, u"山田"_s, 7000000, 3);
    sectionCase(f, 2010, u"下水道課"_s, u"完成検査"_s, order, u"土木"_s, u"山田"_s, 8000000, 4);
    f.insertInspector(2011, u"山田"_s, u"土木"_s, 1);
    f.insertInspector(2011, u"佐藤"_s, u"建築"_s, 2);
}

// Runs calcForm3_1 for fiscal year 2011 without a window, as the companion does.
void run(Database &db, ProgressSink &progress, DepartmentScope scope) {
    Query ka(db);
    runForm(db, u"2011"_s, progress,
            [&](ReportContext &context) { calcForm3_1(context, ka, scope); });
}

const QString S = u"SELECT Count(検査区分) as A,Sum(請負金額) as B FROM 10工事検査台帳 "_s;

} // namespace

class TestForm3_1 : public QObject {
    Q_OBJECT

private slots:
    void init() { shared().reset(); }

    void statements_data();
    void statements();
    void insertLines_data();
    void insertLines();
    void addAmounts_data();
    void addAmounts();
    void runShape_data();
    void runShape();
    void golden();
    void pagePdf();
};

void TestForm3_1::statements_data() {
    QTest::addColumn<int>("scope");
    QTest::addColumn<bool>("summary");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("statement"); // "class", "total" or "design"
    QTest::addColumn<QString>("expected");

    const int all = int(DepartmentScope::AllSections);
    const int byClass = int(DepartmentScope::SectionsByClass);
    const int both = int(DepartmentScope::SectionsByInspectorAndClass);
    const QString section = u"建設課"_s;

    // The three statements of a section row of the whole year.
    QTest::newRow("all, section, 完成検査")
        << all << false << section << u"class"_s
        << u"SELECT Count(検査区分) as A,Sum(請負金額) as B FROM 10工事検査台帳 WHERE "
           u"((検査区分='完成検査') AND (担当課='建設課') AND (合格月>0) AND (年度=2011))"_s;
    QTest::newRow("all, section, total")
        << all << false << section << u"total"_s
        << u"SELECT Count(検査区分) as A,Sum(請負金額) as B FROM 10工事検査台帳 WHERE "
           u"((担当課='建設課') AND (合格月>0) AND (年度=2011))"_s;
    QTest::newRow("all, section, design")
        << all << false << section << u"design"_s
        << u"SELECT Count(検査区分) as A,Sum(請負金額) as B FROM 10工事検査台帳 WHERE "
           u"((検査区分 IN('完成検査','清算出来高検査')) AND (担当課='建設課') AND (合格月>0) AND "
           u"(年度=2011) AND (契約区分='各課執行'))"_s;
    QTest::newRow("all, <合計>, class")
        << all << true << QString() << u"class"_s
        << S + u"WHERE ((検査区分='完成検査') AND (合格月>0) AND (年度=2011))"_s;
    QTest::newRow("all, <合計>, total")
        << all << true << QString() << u"total"_s << S + u"WHERE ((合格月>0) AND (年度=2011))"_s;
    QTest::newRow("all, <合計>, design")
        << all << true << QString() << u"design"_s
        << S + u"WHERE ((検査区分 IN('完成検査','清算出来高検査')) AND (合格月>0) AND "
               u"(年度=2011) AND (契約区分='各課執行'))"_s;
    QTest::newRow("all, quote in the section doubled")
        << all << false << u"道路'課"_s << u"total"_s
        << S + u"WHERE ((担当課='道路''課') AND (合格月>0) AND (年度=2011))"_s;

    // By class: the section row names its class after the year.
    QTest::newRow("by class, section, class")
        << byClass << false << section << u"class"_s
        << S + u"WHERE ((検査区分='完成検査') AND (担当課='建設課') AND (合格月>0) AND "
               u"(年度=2011) AND (工事区分='舗装'))"_s;
    QTest::newRow("by class, section, total")
        << byClass << false << section << u"total"_s
        << S + u"WHERE ((担当課='建設課') AND (合格月>0) AND (工事区分='舗装') AND (年度=2011))"_s;
    QTest::newRow("by class, section, design")
        << byClass << false << section << u"design"_s
        << S + u"WHERE ((検査区分 IN('完成検査','清算出来高検査')) AND (担当課='建設課') AND "
               u"(合格月>0) AND (工事区分='舗装') AND (契約区分='各課執行') AND (年度=2011))"_s;
    QTest::newRow("by class, <小計>, class")
        << byClass << true << QString() << u"class"_s
        << S + u"WHERE ((検査区分='完成検査') AND (合格月>0) AND (工事区分='舗装') AND "
               u"(年度=2011))"_s;
    QTest::newRow("by class, <小計>, total")
        << byClass << true << QString() << u"total"_s
        << S + u"WHERE ((合格月>0) AND (工事区分='舗装') AND (年度=2011))"_s;
    QTest::newRow("by class, <小計>, design")
        << byClass << true << QString() << u"design"_s
        << S + u"WHERE ((検査区分 IN('完成検査','清算出来高検査')) AND (合格月>0) AND "
               u"(工事区分='舗装') AND (契約区分='各課執行') AND (年度=2011))"_s;

    // By inspector and class: the inspector follows the class.
    QTest::newRow("by inspector, section, class")
        << both << false << section << u"class"_s
        << S + u"WHERE ((検査区分='完成検査') AND (担当課='建設課') AND (合格月>0) AND "
               u"(工事区分='舗装') AND (検査員='小''林') AND (年度=2011))"_s;
    QTest::newRow("by inspector, section, total")
        << both << false << section << u"total"_s
        << S + u"WHERE ((担当課='建設課') AND (合格月>0) AND (工事区分='舗装') AND "
               u"(検査員='小''林') AND (年度=2011))"_s;
    QTest::newRow("by inspector, section, design")
        << both << false << section << u"design"_s
        << S + u"WHERE ((検査区分 IN('完成検査','清算出来高検査')) AND (担当課='建設課') AND "
               u"(合格月>0) AND (工事区分='舗装') AND (契約区分='各課執行') AND "
               u"(検査員='小''林') AND (年度=2011))"_s;
    QTest::newRow("by inspector, <小計>, class")
        << both << true << QString() << u"class"_s
        << S + u"WHERE ((検査区分='完成検査') AND (合格月>0) AND (工事区分='舗装') AND "
               u"(検査員='小''林') AND (年度=2011))"_s;
    QTest::newRow("by inspector, <小計>, total")
        << both << true << QString() << u"total"_s
        << S + u"WHERE ((合格月>0) AND (工事区分='舗装') AND (検査員='小''林') AND "
               u"(年度=2011))"_s;
    QTest::newRow("by inspector, <小計>, design")
        << both << true << QString() << u"design"_s
        << S + u"WHERE ((検査区分 IN('完成検査','清算出来高検査')) AND (合格月>0) AND "
               u"(工事区分='舗装') AND (契約区分='各課執行') AND (検査員='小''林') AND "
               u"(年度=2011))"_s;
}

void TestForm3_1::statements() {
    QFETCH(int, scope);
    QFETCH(bool, summary);
    QFETCH(QString, section);
    QFETCH(QString, statement);
    QFETCH(QString, expected);

    const Form3_1::RowKey row{DepartmentScope(scope), summary, section, u"舗装"_s, u"小'林"_s};
    const QString year = u"2011"_s;
    if (statement == u"class"_s)
        QCOMPARE(Form3_1::classStatement(row, u"完成検査"_s, year), expected);
    else if (statement == u"total"_s)
        QCOMPARE(Form3_1::totalCountStatement(row, year), expected);
    else
        QCOMPARE(Form3_1::designStatement(row, year), expected);
}

void TestForm3_1::insertLines_data() {
    QTest::addColumn<int>("scope");
    QTest::addColumn<bool>("summary");
    QTest::addColumn<QStringList>("markers"); // the four marker value lines

    QTest::newRow("all, section") << int(DepartmentScope::AllSections) << false
                                  << QStringList{u"'全検査員',"_s, u"'0',"_s, u"'全工事',"_s,
                                                 u"'道路''課',"_s};
    QTest::newRow("all, <合計>") << int(DepartmentScope::AllSections) << true
                                 << QStringList{u"'全検査員',"_s, u"'0',"_s, u"'全工事',"_s,
                                                u"'<合計>',"_s};
    QTest::newRow("by class, section")
        << int(DepartmentScope::SectionsByClass) << false
        << QStringList{u"'全検査員',"_s, u"'99',"_s, u"'造園',"_s, u"'道路''課',"_s};
    QTest::newRow("by class, <小計>")
        << int(DepartmentScope::SectionsByClass) << true
        << QStringList{u"'全検査員',"_s, u"'99',"_s, u"'造園',"_s, u"'<小計>',"_s};
    QTest::newRow("by inspector and class, <小計>")
        << int(DepartmentScope::SectionsByInspectorAndClass) << true
        << QStringList{u"'山田検査員',"_s, u"'99',"_s, u"'造園',"_s, u"'<小計>',"_s};
}

void TestForm3_1::insertLines() {
    QFETCH(int, scope);
    QFETCH(bool, summary);
    QFETCH(QStringList, markers);

    const Form3_1::RowKey row{DepartmentScope(scope), summary, summary ? QString() : u"道路'課"_s,
                              u"造園"_s, u"山田"_s};
    Form3_1::ClassCounts counts;
    // Read in the order 完成検査, 出来高検査, 中間検査, 部分完成検査, 清算出来高検査.
    counts.classCounts = {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s};
    counts.totalCount = u"16"_s;
    counts.totalAmount = u"30000000"_s;
    counts.designCount = u"1"_s;
    counts.designAmount = u"0"_s;

    QStringList expected{
        u"Insert Into 31部署別集計表 ("_s,
        u"検査員,"_s,
        u"合格月,"_s,
        u"工事区分,"_s,
        u"担当課,"_s,
        u"完成検査,"_s,
        u"中間検査,"_s,
        u"出来高検査,"_s,
        u"部分完成検査,"_s,
        u"清算出来高検査,"_s,
        u"合計件数,"_s,
        u"合計金額,"_s,
        u"設計協議件数,"_s,
        u"設計協議金額"_s,
        u")"_s,
        u"VALUES ("_s,
    };
    expected << markers;
    // Written in the table's order: 完成検査, 中間検査, 出来高検査, 部分完成検査, 清算出来高検査.
    expected << u"'1','3','2','4','5',"_s << u"'16','30000000','1','0'"_s << u")"_s;
    QCOMPARE(Form3_1::insertLines(row, counts), expected);
}

void TestForm3_1::addAmounts_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("sum"); // empty: refused

    QTest::newRow("none") << u"0"_s << u"0"_s << u"0"_s;
    QTest::newRow("yen") << u"12000000"_s << u"5000000"_s << u"17000000"_s;
    QTest::newRow("beyond 32 bits") << u"3000000000"_s << u"2500000000"_s << u"5500000000"_s;
    QTest::newRow("decimals, no trailing zeros") << u"1234.5"_s << u"0.5"_s << u"1235"_s;
    QTest::newRow("not a number") << u"abc"_s << u"0"_s << QString();
}

void TestForm3_1::addAmounts() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, sum);
    if (sum.isEmpty())
        QVERIFY_THROWS_EXCEPTION(EngineError, Form3_1::addAmounts(a, b));
    else
        QCOMPARE(Form3_1::addAmounts(a, b), sum);
}

void TestForm3_1::runShape_data() {
    QTest::addColumn<int>("scope");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("blocks"); // blocks of 4 sections and a summary row

    QTest::newRow("all sections") << int(DepartmentScope::AllSections) << 2 << 1;
    QTest::newRow("by class") << int(DepartmentScope::SectionsByClass) << 6 << 6;
    QTest::newRow("by inspector and class")
        << int(DepartmentScope::SectionsByInspectorAndClass) << 2 << 12;
}

void TestForm3_1::runShape() {
    QFETCH(int, scope);
    QFETCH(int, maximum);
    QFETCH(int, blocks);

    LedgerFolder f;
    fillLedger(f);
    // A row of an earlier run, which the run must remove.
    f.exec(u"INSERT INTO 31部署別集計表 (担当課) VALUES ('前回の行')"_s);
    Database db;
    db.open(f.file());
    db.setLogging(true);
    RecordingProgress progress;
    run(db, progress, DepartmentScope(scope));
    const QStringList log = db.statementLog();

    // Delete, the section list, then per row seven queries and the insert.
    const int rows = blocks * 5;
    QCOMPARE(log.size(), 2 + rows * 8);
    QCOMPARE(log[0], u"Delete From 31部署別集計表"_s);
    QCOMPARE(log[1], u"SELECT 担当課 FROM 10工事検査台帳 GROUP BY 担当課 ORDER BY 担当課"_s);
    for (int r = 0; r < rows; ++r) {
        QVERIFY2(log[2 + r * 8 + 7].startsWith(u"Insert Into 31部署別集計表 (\n"_s),
                 qPrintable(log[2 + r * 8 + 7]));
    }
    // The first row's queries: five classes in their order, the total, the design.
    const Form3_1::RowKey first{
        DepartmentScope(scope), false, u" "_s,
        scope == int(DepartmentScope::AllSections) ? QString() : u"土木"_s,
        scope == int(DepartmentScope::SectionsByInspectorAndClass) ? u"山田"_s : QString()};
    for (int c = 0; c < 5; ++c)
        QCOMPARE(log[2 + c], Form3_1::classStatement(first, Classes::inspection[c], u"2011"_s));
    QCOMPARE(log[7], Form3_1::totalCountStatement(first, u"2011"_s));
    QCOMPARE(log[8], Form3_1::designStatement(first, u"2011"_s));

    // One step per section row, none for a summary row.
    QStringList expected{u"begin %1"_s.arg(maximum)};
    for (int i = 0; i < blocks * 4; ++i)
        expected << u"step"_s;
    expected << u"end"_s;
    QCOMPARE(progress.events, expected);

    QCOMPARE(readTable(db, Form3_1::TableName).rowCount(), rows);
}

void TestForm3_1::golden() {
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;

    const QList<QPair<QString, DepartmentScope>> scopes{
        {u"all"_s, DepartmentScope::AllSections},
        {u"class"_s, DepartmentScope::SectionsByClass},
        {u"inspector"_s, DepartmentScope::SectionsByInspectorAndClass},
    };
    QStringList lines;
    for (const auto &[name, scope] : scopes) {
        run(db, progress, scope);
        const ReportRows rows = readTable(db, Form3_1::TableName);
        if (lines.isEmpty())
            lines << u"run,"_s + rows.columns.join(u',');
        lines << csvLines(name, rows);
        // The page's masks format numbers only: counts and amounts must read back as such.
        QCOMPARE(rows.value(0, u"合計金額"_s).typeId(), QMetaType::LongLong);
        QCOMPARE(rows.value(0, u"中間検査"_s).typeId(), QMetaType::LongLong);
    }

    compareGolden(lines, u"form3_1.csv"_s);
}

void TestForm3_1::pagePdf() {
    if (!havePdftotext())
        QSKIP("poppler-utils are not installed");
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    run(db, progress, DepartmentScope::AllSections);

    Page page = makeQuickRep8();
    QCOMPARE(page.name(), u"QuickRep8"_s);
    QCOMPARE(page.caption(u"QRLabel113"_s), u"＊＊＊"_s);
    QCOMPARE(page.caption(u"QRLabel154"_s), u"西暦年度"_s);
    QVERIFY(page.setCaption(u"QRLabel113"_s, u"全工事の年間集計"_s));
    QVERIFY(page.setCaption(u"QRLabel154"_s, yearText(u"2011"_s)));

    const QString pdf = QDir(f.dir()).filePath(u"form3_1.pdf"_s);
    QVERIFY(writePdf(page, readTable(db, Form3_1::TableName), pdf, PrintDay));
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(u"様式3-1：部署別検査集計表全工事の年間集計"_s), qPrintable(text));
    QVERIFY(text.contains(u"2011年度"_s));
    QVERIFY(text.contains(u"単位：件"_s));
    QVERIFY(text.contains(u"担当部署完成検査中間検査出来高検査部分完成検査清算出来高検査合計件数"
                          u"合計工事金額(円)設計協議設計協議金額(円)"_s));
    QVERIFY(text.contains(u"工事金額(円)は、完成検査及び清算出来高検査の合計である"_s));
    // 建設課: 2 完成, 1 中間, 1 出来高, 5 in all, 12,000,000 yen, one design consultation.
    // The section stands above its line of figures, the row's markers below it.
    QVERIFY2(text.contains(u"建設課\n21100512,000,00012,000,000\n<抽出=全検査員；全工事>"_s),
             qPrintable(text));
    // The grand total: 8 inspections, 24,000,000 yen, two design consultations of 7,000,000.
    QVERIFY(text.contains(u"<合計>\n31111824,000,00027,000,000\n"_s));
}

QTEST_MAIN(TestForm3_1)
#include "tst_form3_1.moc"
