#include "Database.h"
#include "EngineError.h"
#include "Form2_2.h"
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

// A graded case: 年度, inspection class, total score (null: not graded), pass month,
// construction class and inspector.
void gradedCase(const LedgerFolder &f, int year, const QString &kind, const QVariant &score,
                int passMonth, const QString &works, const QString &inspector) {
    f.insertCase({{u"年度"_s, year},
                  {u"工事名"_s, u"市道工事"_s},
                  {u"検査区分"_s, kind},
                  {u"評定合計"_s, score},
                  {u"合格月"_s, passMonth},
                  {u"工事区分"_s, works},
                  {u"検査員"_s, inspector},
                  {u"請負金額"_s, 10000000}});
}

// Fiscal year 2011: the rank bounds (85, 84.9, 35, 0, 100, -1), a January pass, two
// September cases averaging 72.25, an inspector whose name holds a quote, and cases that
// count nowhere (intermediate class, not passed, another year, not graded).
void fillLedger(const LedgerFolder &f) {
    const QString done = u"完成検査"_s;
    const QString settled = u"清算出来高検査"_s;
    gradedCase(f, 2011, done, 85.0, 4, u"土木"_s, u"山田"_s);
    gradedCase(f, 2011, done, 84.9, 4, u"土木"_s, u"山田"_s);
    gradedCase(f, 2011, settled, 35.0, 6, u"舗装"_s, u"佐藤"_s);
    gradedCase(f, 2011, done, 0.0, 6, u"建築"_s, u"鈴木"_s);
    gradedCase(f, 2011, done, 100.0, 9, u"土木"_s, u"山田"_s); // no rank
    gradedCase(f, 2011, done, 72.5, 1, u"電気設備"_s, u"小'林"_s);
    gradedCase(f, 2011, done, 71.5, 9, u"土木"_s, u"山田"_s);
    gradedCase(f, 2011, settled, 73.0, 9, u"舗装"_s, u"佐藤"_s);
    gradedCase(f, 2011, done, 55.5, 12, u"造園"_s, u"佐藤"_s);
    gradedCase(f, 2011, done, -1.0, 12, u"土木"_s, u"山田"_s); // no rank
    gradedCase(f, 2011, u"中間検査"_s, 90.0, 4, u"土木"_s, u"山田"_s);
    gradedCase(f, 2011, done, 90.0, 0, u"土木"_s, u"山田"_s);
    gradedCase(f, 2012, done, 90.0, 4, u"土木"_s, u"山田"_s);
    gradedCase(f, 2011, done, QVariant(), 5, u"土木"_s, u"山田"_s);
    f.insertInspector(2011, u"山田"_s, u"土木"_s, 1);
    f.insertInspector(2011, u"佐藤"_s, u"土木"_s, 2);
    f.insertInspector(2011, u"鈴木"_s, u"建築"_s, 3);
    f.insertInspector(2011, u"小'林"_s, u"設備"_s, 4);
}

// Runs calcForm2_2 for fiscal year 2011 without a window, as the companion does.
void run(Database &db, ProgressSink &progress, GradingScope scope, const QString &works = QString(),
         const QString &inspector = QString()) {
    runForm(db, u"2011"_s, progress,
            [&](ReportContext &context) { calcForm2_2(context, scope, works, inspector); });
}

const QString Select =
    u"SELECT Sum(評定合計) as A,Count(評定合計) as B,Avg(評定合計) as C FROM 10工事検査台帳 "_s;
const QString Tail = u" AND (年度=2011) AND (検査区分 IN('完成検査','清算出来高検査')))"_s;

} // namespace

class TestForm2_2 : public QObject {
    Q_OBJECT

private slots:
    void init() { shared().reset(); }

    void statements_data();
    void statements();
    void updateLines();
    void figures_data();
    void figures();
    void subtitles_data();
    void subtitles();
    void runOrder();
    void golden();
    void failureKeepsCellsWritten();
    void pagePdf();
};

void TestForm2_2::statements_data() {
    QTest::addColumn<int>("scope");
    QTest::addColumn<QString>("works");
    QTest::addColumn<QString>("inspector");
    QTest::addColumn<int>("month"); // 0: the year column
    QTest::addColumn<int>("rank");
    QTest::addColumn<QString>("expected");

    const int all = int(GradingScope::AllWorks);
    const int byClass = int(GradingScope::ByConstructionClass);
    const int byInspector = int(GradingScope::ByInspector);
    const int both = int(GradingScope::ByInspectorAndClass);
    QTest::newRow("all works, April, rank 1")
        << all << QString() << QString() << 4 << 1
        << u"SELECT Sum(評定合計) as A,Count(評定合計) as B,Avg(評定合計) as C FROM 10工事検査台帳 "
           u"WHERE ((合格月=4) AND (評定合計<100) And (評定合計>=85) AND (年度=2011) AND "
           u"(検査区分 IN('完成検査','清算出来高検査')))"_s;
    QTest::newRow("all works, year, rank 5")
        << all << QString() << QString() << 0 << 5
        << Select + u"WHERE ((評定合計<35) And (評定合計>=0) and (合格月>0)"_s + Tail;
    QTest::newRow("by class, December, rank 6")
        << byClass << u"舗装"_s << QString() << 12 << 6
        << Select +
               u"WHERE ((工事区分='舗装') AND (合格月=12) AND (評定合計<100) And (評定合計>=0)"_s +
               Tail;
    QTest::newRow("by class, year, rank 2")
        << byClass << u"舗装"_s << QString() << 0 << 2
        << Select +
               u"WHERE ((工事区分='舗装') AND (評定合計<85) And (評定合計>=70) and (合格月>0)"_s +
               Tail;
    QTest::newRow("by inspector, January, rank 3, quote doubled")
        << byInspector << QString() << u"小'林"_s << 1 << 3
        << Select +
               u"WHERE ((検査員='小''林') AND (評定合計<70) And (評定合計>=50) AND (合格月=1)"_s +
               Tail;
    QTest::newRow("by inspector, year, rank 4")
        << byInspector << QString() << u"山田"_s << 0 << 4
        << Select +
               u"WHERE ((検査員='山田') AND (評定合計<50) And (評定合計>=35) AND (合格月>0)"_s +
               Tail;
    QTest::newRow("by inspector and class, March, rank 1")
        << both << u"電気設備"_s << u"山田"_s << 3 << 1
        << Select +
               u"WHERE ((工事区分='電気設備') AND (検査員='山田') AND (評定合計<100) And "
               u"(評定合計>=85) AND (合格月=3)"_s +
               Tail;
    QTest::newRow("by inspector and class, year, rank 6")
        << both << u"土木"_s << u"山田"_s << 0 << 6
        << Select +
               u"WHERE ((工事区分='土木') AND (検査員='山田') AND (評定合計<100) And "
               u"(評定合計>=0) AND (合格月>0)"_s +
               Tail;
}

void TestForm2_2::statements() {
    QFETCH(int, scope);
    QFETCH(QString, works);
    QFETCH(QString, inspector);
    QFETCH(int, month);
    QFETCH(int, rank);
    QFETCH(QString, expected);

    const Form2_2::RankBand &band = Form2_2::rankBands().at(rank - 1);
    const auto s = GradingScope(scope);
    const QString statement =
        month == 0 ? Form2_2::yearStatement(s, works, inspector, band, u"2011"_s)
                   : Form2_2::monthStatement(s, works, inspector, month, band, u"2011"_s);
    QCOMPARE(statement, expected);
}

void TestForm2_2::updateLines() {
    QCOMPARE(
        Form2_2::monthUpdateLines(4, u"1234"_s, 1),
        QStringList({u"UpDate 41工事成績評定点集計表"_s, u" Set 4月=1234"_s, u" where ID= 1"_s}));
    QCOMPARE(
        Form2_2::yearUpdateLines(u"72.3"_s, 18),
        QStringList({u"UpDate 41工事成績評定点集計表"_s, u" Set 合計=72.3"_s, u" where ID= 18"_s}));
    // Rank r owns the rows 3(r-1)+1 … 3(r-1)+3.
    QCOMPARE(Form2_2::rowId(1, 0), 1);
    QCOMPARE(Form2_2::rowId(2, 1), 5);
    QCOMPARE(Form2_2::rowId(6, 2), 18);
}

void TestForm2_2::figures_data() {
    QTest::addColumn<QStringList>("read"); // A, B, C as the engine gives them
    QTest::addColumn<QStringList>("written");

    QTest::newRow("no case") << QStringList{QString(), u"0"_s, QString()}
                             << QStringList{u"0.0"_s, u"0"_s, u"0.0"_s};
    QTest::newRow("a half rounds away from zero") << QStringList{u"144.5"_s, u"2"_s, u"72.25"_s}
                                                  << QStringList{u"144.5"_s, u"2"_s, u"72.3"_s};
    QTest::newRow("whole average gets its decimal")
        << QStringList{u"82"_s, u"1"_s, u"82"_s} << QStringList{u"82"_s, u"1"_s, u"82.0"_s};
    QTest::newRow("long average") << QStringList{u"250"_s, u"3"_s, u"83.33333333333333"_s}
                                  << QStringList{u"250"_s, u"3"_s, u"83.3"_s};
}

void TestForm2_2::figures() {
    QFETCH(QStringList, read);
    QFETCH(QStringList, written);
    const Form2_2::RankFigures f = Form2_2::figuresFrom(read[0], read[1], read[2]);
    QCOMPARE(QStringList({f.sum, f.number, f.average}), written);
}

void TestForm2_2::subtitles_data() {
    QTest::addColumn<int>("scope");
    QTest::addColumn<QString>("expected");
    QTest::newRow("all works") << int(GradingScope::AllWorks) << u"(全工事の集計)"_s;
    QTest::newRow("by class") << int(GradingScope::ByConstructionClass) << u"(舗装)"_s;
    QTest::newRow("by inspector") << int(GradingScope::ByInspector) << u"(山田 検査員)"_s;
    QTest::newRow("both") << int(GradingScope::ByInspectorAndClass) << u"(山田 検査員：舗装)"_s;
}

void TestForm2_2::subtitles() {
    QFETCH(int, scope);
    QFETCH(QString, expected);
    QCOMPARE(Form2_2::subtitle(GradingScope(scope), u"舗装"_s, u"山田"_s), expected);
}

void TestForm2_2::runOrder() {
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    db.setLogging(true);
    RecordingProgress progress;
    run(db, progress, GradingScope::AllWorks);
    const QStringList log = db.statementLog();

    // 78 queries, each followed by the three updates of its rank; nothing deleted or
    // inserted.
    QCOMPARE(log.size(), 78 * 4);
    for (int i = 0; i < log.size(); i += 4) {
        QVERIFY2(log[i].startsWith(Select), qPrintable(log[i]));
        for (int k = 1; k <= 3; ++k)
            QVERIFY2(log[i + k].startsWith(u"UpDate 41工事成績評定点集計表\n"_s),
                     qPrintable(log[i + k]));
    }
    // Month 1 first, rank by rank; sum, number and average each to their own row.
    QCOMPARE(log[0], Form2_2::monthStatement(GradingScope::AllWorks, {}, {}, 1,
                                             Form2_2::rankBands().at(0), u"2011"_s));
    QCOMPARE(log[1], u"UpDate 41工事成績評定点集計表\n Set 1月=0.0\n where ID= 1"_s);
    QCOMPARE(log[2], u"UpDate 41工事成績評定点集計表\n Set 1月=0\n where ID= 2"_s);
    QCOMPARE(log[3], u"UpDate 41工事成績評定点集計表\n Set 1月=0.0\n where ID= 3"_s);
    // January, rank 2: the one case of 72.5.
    QCOMPARE(log[5], u"UpDate 41工事成績評定点集計表\n Set 1月=72.5\n where ID= 4"_s);
    QCOMPARE(log[6], u"UpDate 41工事成績評定点集計表\n Set 1月=1\n where ID= 5"_s);
    QCOMPARE(log[7], u"UpDate 41工事成績評定点集計表\n Set 1月=72.5\n where ID= 6"_s);
    // September, rank 2 (month 9 starts at query 8 × 6): 71.5 and 73.0, average 72.25.
    const int september = 8 * 6 * 4 + 4;
    QCOMPARE(log[september], Form2_2::monthStatement(GradingScope::AllWorks, {}, {}, 9,
                                                     Form2_2::rankBands().at(1), u"2011"_s));
    QCOMPARE(log[september + 1], u"UpDate 41工事成績評定点集計表\n Set 9月=144.5\n where ID= 4"_s);
    QCOMPARE(log[september + 3], u"UpDate 41工事成績評定点集計表\n Set 9月=72.3\n where ID= 6"_s);
    // The year column comes last, ranks 1 … 6.
    const int yearStart = 72 * 4;
    QCOMPARE(log[yearStart], Form2_2::yearStatement(GradingScope::AllWorks, {}, {},
                                                    Form2_2::rankBands().at(0), u"2011"_s));
    QCOMPARE(log.last(), u"UpDate 41工事成績評定点集計表\n Set 合計=59.7\n where ID= 18"_s);

    QStringList expected{u"begin 12"_s};
    for (int m = 0; m < 12; ++m)
        expected << u"step"_s;
    expected << u"end"_s;
    QCOMPARE(progress.events, expected);
}

void TestForm2_2::golden() {
    LedgerFolder f;
    fillLedger(f);
    // Figures of an earlier run, which every cell must lose.
    f.exec(u"UPDATE 41工事成績評定点集計表 SET 4月=999,5月=999,6月=999,7月=999,8月=999,"
           u"9月=999,10月=999,11月=999,12月=999,1月=999,2月=999,3月=999,合計=999"_s);
    Database db;
    db.open(f.file());
    NoProgress progress;

    struct Scope {
        QString name;
        GradingScope scope;
        QString works;
        QString inspector;
    };
    const QList<Scope> scopes{
        {u"all"_s, GradingScope::AllWorks, {}, {}},
        {u"舗装"_s, GradingScope::ByConstructionClass, u"舗装"_s, {}},
        {u"山田"_s, GradingScope::ByInspector, {}, u"山田"_s},
        {u"小'林/電気設備"_s, GradingScope::ByInspectorAndClass, u"電気設備"_s, u"小'林"_s},
    };
    QStringList lines;
    for (const Scope &s : scopes) {
        run(db, progress, s.scope, s.works, s.inspector);
        const ReportRows rows = readTable(db, Form2_2::TableName);
        if (lines.isEmpty())
            lines << u"run,"_s + rows.columns.join(u',');
        QCOMPARE(rows.rowCount(), 18);
        lines << csvLines(s.name, rows);

        // Rank 6 holds every graded case: its number is that of ranks 1 to 5 together, and
        // the year cell of each row of counts is the months' sum.
        const QStringList months{u"1月"_s,  u"2月"_s,  u"3月"_s, u"4月"_s, u"5月"_s,
                                 u"6月"_s,  u"7月"_s,  u"8月"_s, u"9月"_s, u"10月"_s,
                                 u"11月"_s, u"12月"_s, u"合計"_s};
        for (const QString &m : months) {
            qint64 ranks = 0;
            for (int r = 1; r <= 5; ++r)
                ranks += rows.value(Form2_2::rowId(r, 1) - 1, m).toLongLong();
            QCOMPARE(rows.value(Form2_2::rowId(6, 1) - 1, m).toLongLong(), ranks);
        }
        for (int r = 1; r <= 6; ++r) {
            qint64 byMonth = 0;
            for (int m = 0; m < 12; ++m)
                byMonth += rows.value(Form2_2::rowId(r, 1) - 1, months[m]).toLongLong();
            QCOMPARE(rows.value(Form2_2::rowId(r, 1) - 1, u"合計"_s).toLongLong(), byMonth);
        }
    }

    compareGolden(lines, u"form2_2.csv"_s);
}

void TestForm2_2::failureKeepsCellsWritten() {
    LedgerFolder f;
    fillLedger(f);
    f.exec(u"UPDATE 41工事成績評定点集計表 SET 1月=999"_s);
    // The number of rank 2 cannot be written: the run stops at its first update, January.
    f.exec(u"CREATE TRIGGER refuse BEFORE UPDATE ON 41工事成績評定点集計表 WHEN NEW.ID = 5 "
           u"BEGIN SELECT RAISE(ABORT, 'disk is full'); END"_s);
    // A fixed row gone missing only leaves its line off.
    f.exec(u"DELETE FROM 41工事成績評定点集計表 WHERE ID = 3"_s);
    Database db;
    db.open(f.file());
    NoProgress progress;
    try {
        run(db, progress, GradingScope::AllWorks);
        QFAIL("the run went through");
    } catch (const EngineError &error) {
        QVERIFY2(error.message().contains(u"disk is full"_s), qPrintable(error.message()));
    }
    QCOMPARE(f.rows(u"SELECT ID, 1月 FROM 41工事成績評定点集計表 ORDER BY ID LIMIT 5"_s),
             QList<QStringList>({{u"1"_s, u"0"_s},
                                 {u"2"_s, u"0"_s},
                                 {u"4"_s, u"72.5"_s},
                                 {u"5"_s, u"999"_s},
                                 {u"6"_s, u"999"_s}}));
}

void TestForm2_2::pagePdf() {
    if (!havePdftotext())
        QSKIP("poppler-utils are not installed");
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    run(db, progress, GradingScope::ByInspector, {}, u"山田"_s);

    Page page = makeQuickRep6();
    QCOMPARE(page.name(), u"QuickRep6"_s);
    QCOMPARE(page.caption(u"QRLabel73"_s), u"全工事の集計"_s);
    QCOMPARE(page.caption(u"QRLabel153"_s), u"西暦年度"_s);
    QVERIFY(page.setCaption(u"QRLabel73"_s,
                            Form2_2::subtitle(GradingScope::ByInspector, {}, u"山田"_s)));
    QVERIFY(page.setCaption(u"QRLabel153"_s, yearText(u"2011"_s)));
    const ReportRows rows = readTable(db, Form2_2::TableName);
    QCOMPARE(rowsPerPage(page) >= 18, true);

    const QString pdf = QDir(f.dir()).filePath(u"form2_2.pdf"_s);
    QVERIFY(writePdf(page, rows, pdf, PrintDay));
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(
                 u"様式2-2：工事成績評定点集計表（ランク別、月別の件数・平均点）(山田検査員)"_s),
             qPrintable(text));
    QVERIFY(text.contains(u"2011年度"_s));
    QVERIFY(text.contains(u"印刷：2012/04/20"_s));
    QVERIFY(text.contains(u"ランク４月５月６月７月８月９月10月11月12月１月２月３月合計"_s));
    QVERIFY(text.contains(
        u"完成検査及び清算出来高検査の集計である（中間検査、出来高検査、部分完成検査は含まない）"_s));
    // 山田, rank 2: 84.9 in April, 71.5 in September, the year's average 78.2. September
    // prints whole numbers, the other columns the stored decimal; a stored 0.0 prints 0.
    QVERIFY2(text.contains(u"合計点84.9000072000000156.4"_s), qPrintable(text));
    QVERIFY2(text.contains(u"平均点84.900007200000078.2"_s), qPrintable(text));
    QCOMPARE(text.count(u'\f'), 1);
}

QTEST_MAIN(TestForm2_2)
#include "tst_form2_2.moc"
