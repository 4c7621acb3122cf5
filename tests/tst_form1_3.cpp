#include "Database.h"
#include "Form1_3.h"
#include "FormPages.h"
#include "PageRenderer.h"
#include "ReportRun.h"
#include "ReportTestSupport.h"
#include "SharedState.h"
#include "SqlText.h"
#include "TestSupport.h"

#include <QtTest>

using namespace Qt::Literals::StringLiterals;
using Form1_3::Figure;

namespace {

const QDate Today(2012, 3, 15);
const QString Sel = u"SELECT Count(検査区分) as A,Sum(請負金額) as B FROM 10工事検査台帳 "_s;
const QString InCompletion = u" AND (検査区分 IN('完成検査','清算出来高検査')))"_s;

// A case of the fixture: inspector, construction class, inspection class, pass month and
// contract amount, in fiscal year 2011 unless given.
void addCase(const LedgerFolder &f, const QString &inspector, const QString &constructionClass,
             const QString &kind, int passMonth, qint64 amount, int year = 2011) {
    f.insertCase({{u"年度"_s, year},
                  {u"検査員"_s, inspector},
                  {u"職種区分"_s, u"土木"_s},
                  {u"工事区分"_s, constructionClass},
                  {u"検査区分"_s, kind},
                  {u"合格月"_s, passMonth},
                  {u"請負金額"_s, amount}});
}

// One inspector per trade and 中村 of a trade in no list; cases of every kind that counts
// only somewhere or nowhere.
void fillLedger(const LedgerFolder &f) {
    f.insertInspector(2011, u"山田"_s, u"土木"_s, 1);
    f.insertInspector(2011, u"中村"_s, u"事務"_s, 2);
    f.insertInspector(2011, u"鈴木"_s, u"建築"_s, 3);
    f.insertInspector(2011, u"高橋"_s, u"設備"_s, 4);

    addCase(f, u"山田"_s, u"土木"_s, u"完成検査"_s, 4, 12345678);
    addCase(f, u"山田"_s, u"舗装"_s, u"中間検査"_s, 4, 5000000); // counts, no amount
    addCase(f, u"山田"_s, u"舗装"_s, u"完成検査"_s, 5, 3000000);
    addCase(f, u"山田"_s, u"その他"_s, u"完成検査"_s, 4, 1000000); // row total only
    addCase(f, u"山田"_s, u"土木"_s, u"完成検査"_s, 0, 900000);    // not passed
    addCase(f, u"山田"_s, u"土木"_s, u"完成検査"_s, 4, 900000, 2012);
    addCase(f, u"鈴木"_s, u"建築"_s, u"清算出来高検査"_s, 1, 8000000);
    addCase(f, u"鈴木"_s, u"建築"_s, u"出来高検査"_s, 1, 2000000);
    addCase(f, u"鈴木"_s, u""_s, u"完成検査"_s, 6, 1500000); // no class: row total only
    addCase(f, u"高橋"_s, u"電気設備"_s, u"完成検査"_s, 12, 4000000);
    addCase(f, u"高橋"_s, u"機械設備"_s, u"部分完成検査"_s, 3, 6000000);
    addCase(f, u"中村"_s, u"造園"_s, u"完成検査"_s, 5, 2500000); // no row of his own
    addCase(f, u"伊藤"_s, u"土木"_s, u"完成検査"_s, 4, 7000000); // not on the roster
}

// The fourteen value columns, counts then amounts.
QStringList valueColumns() {
    QStringList columns;
    for (const QString &suffix : {u"c"_s, u"p"_s}) {
        for (const QString &c : Classes::construction)
            columns << c + suffix;
        columns << u"横計"_s + suffix;
    }
    return columns;
}

QList<qint64> values(const ReportRows &rows, int row) {
    QList<qint64> v;
    for (const QString &c : valueColumns())
        v << rows.value(row, c).toLongLong();
    return v;
}

} // namespace

class TestForm13 : public QObject {
    Q_OBJECT

private slots:
    void init() { shared().reset(); }

    void statements_data();
    void statements();
    void insertLines();
    void runShape_data();
    void runShape();
    void form13Golden();
    void form14Golden();
    void totalsAgree();
    void pdf_data();
    void pdf();
};

void TestForm13::statements_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    const QString fy = u"2011"_s;
    const int year = Form1_3::WholeYear;

    // Form 1-3: three blanks before the year in the month rows, one in the total row.
    QTest::newRow("1-3 class, May amount")
        << Form1_3::classStatement(Figure::Amount, u"舗装"_s, 5, fy)
        << u"SELECT Count(検査区分) as A,Sum(請負金額) as B FROM 10工事検査台帳 WHERE "
           u"((工事区分='舗装') AND (合格月=5) AND   (年度=2011) AND (検査区分 "
           u"IN('完成検査','清算出来高検査')))"_s;
    QTest::newRow("1-3 class, month count")
        << Form1_3::classStatement(Figure::Count, u"土木"_s, 4, fy)
        << Sel + u"WHERE ((工事区分='土木') AND (合格月=4) AND   (年度=2011))"_s;
    QTest::newRow("1-3 month count") << Form1_3::classStatement(Figure::Count, QString(), 12, fy)
                                     << Sel + u"WHERE ((合格月=12) AND   (年度=2011))"_s;
    QTest::newRow("1-3 month amount")
        << Form1_3::classStatement(Figure::Amount, QString(), 12, fy)
        << Sel + u"WHERE ((合格月=12) AND   (年度=2011)"_s + InCompletion;
    QTest::newRow("1-3 class, year count")
        << Form1_3::classStatement(Figure::Count, u"機械設備"_s, year, fy)
        << Sel + u"WHERE ((工事区分='機械設備') AND (合格月>0) AND (年度=2011))"_s;
    QTest::newRow("1-3 class, year amount")
        << Form1_3::classStatement(Figure::Amount, u"機械設備"_s, year, fy)
        << Sel + u"WHERE ((工事区分='機械設備') AND (合格月>0) AND (年度=2011)"_s + InCompletion;
    QTest::newRow("1-3 year count") << Form1_3::classStatement(Figure::Count, QString(), year, fy)
                                    << Sel + u"WHERE ((合格月>0) AND (年度=2011))"_s;
    QTest::newRow("1-3 year amount") << Form1_3::classStatement(Figure::Amount, QString(), year, fy)
                                     << Sel + u"WHERE ((合格月>0) AND (年度=2011)"_s + InCompletion;

    // Form 1-4: the inspector's row total names the column in parentheses.
    QTest::newRow("1-4 inspector, class count")
        << Form1_3::inspectorStatement(Figure::Count, u"造園"_s, 1, u"山田"_s, fy)
        << Sel + u"WHERE ((工事区分='造園') AND (合格月=1) AND (検査員='山田') AND (年度=2011))"_s;
    QTest::newRow("1-4 inspector, class amount")
        << Form1_3::inspectorStatement(Figure::Amount, u"造園"_s, 1, u"山田"_s, fy)
        << Sel + u"WHERE ((工事区分='造園') AND (合格月=1) AND (検査員='山田') AND (年度=2011)"_s +
               InCompletion;
    QTest::newRow("1-4 inspector, month count")
        << Form1_3::inspectorStatement(Figure::Count, QString(), 1, u"山田"_s, fy)
        << Sel + u"WHERE ((合格月=1) AND ((検査員)='山田') AND (年度=2011))"_s;
    QTest::newRow("1-4 inspector, month amount")
        << Form1_3::inspectorStatement(Figure::Amount, QString(), 1, u"山田"_s, fy)
        << Sel + u"WHERE ((合格月=1) AND ((検査員)='山田') AND (年度=2011)"_s + InCompletion;
    QTest::newRow("1-4 inspector name with a quote")
        << Form1_3::inspectorStatement(Figure::Count, QString(), 3, u"O'Neil"_s, u"2012"_s)
        << Sel + u"WHERE ((合格月=3) AND ((検査員)='O''Neil') AND (年度=2012))"_s;
    QTest::newRow("1-4 subtotal, class count")
        << Form1_3::subtotalStatement(Figure::Count, u"建築"_s, 9, fy)
        << Sel + u"WHERE ((工事区分='建築') AND (合格月=9) AND (年度=2011))"_s;
    QTest::newRow("1-4 subtotal, class amount")
        << Form1_3::subtotalStatement(Figure::Amount, u"建築"_s, 9, fy)
        << Sel + u"WHERE ((工事区分='建築') AND (合格月=9) AND (年度=2011)"_s + InCompletion;
    QTest::newRow("1-4 subtotal, month count")
        << Form1_3::subtotalStatement(Figure::Count, QString(), 9, fy)
        << Sel + u"WHERE ((合格月=9) AND (年度=2011))"_s;
    QTest::newRow("1-4 subtotal, month amount")
        << Form1_3::subtotalStatement(Figure::Amount, QString(), 9, fy)
        << Sel + u"WHERE ((合格月=9) AND (年度=2011)"_s + InCompletion;
}

void TestForm13::statements() {
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(statement, expected);
}

// The statements a run sends, in order, with the inserts as the lines join them.
void TestForm13::insertLines() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    db.setLogging(true);
    NoProgress progress;

    runForm(db, u"2011"_s, progress, &calcForm1_3);
    QStringList log = db.statementLog();
    // April: six class counts, six class amounts, the month's two figures, the insert.
    QCOMPARE(log.at(0), u"Delete From 様式3：業種別検査集計表"_s);
    QCOMPARE(log.at(1), Sel + u"WHERE ((工事区分='土木') AND (合格月=4) AND   (年度=2011))"_s);
    QCOMPARE(log.at(12), Sel + u"WHERE ((工事区分='機械設備') AND (合格月=4) AND   (年度=2011)"_s +
                             InCompletion);
    QCOMPARE(log.at(13), Sel + u"WHERE ((合格月=4) AND   (年度=2011))"_s);
    QCOMPARE(log.at(14), Sel + u"WHERE ((合格月=4) AND   (年度=2011)"_s + InCompletion);
    QCOMPARE(log.at(15), SqlText::joinLines({
                             u"Insert Into 様式3：業種別検査集計表 ("_s,
                             u"月,"_s,
                             u"土木c,舗装c,造園c,建築c,電気設備c,機械設備c,横計c,"_s,
                             u"土木p,舗装p,造園p,建築p,電気設備p,機械設備p,横計p"_s,
                             u")"_s,
                             u"VALUES ("_s,
                             u"'4',"_s,
                             u"'2','1','0','0',"_s,
                             u"'0','0','4',"_s,
                             u"'19345678','0','0','0',"_s,
                             u"'0','0','20345678'"_s,
                             u")"_s,
                         }));
    QVERIFY(log.last().contains(u"VALUES (\n'<合計>',\n"_s));

    runForm(db, u"2011"_s, progress, &calcForm1_4);
    log = db.statementLog();
    QCOMPARE(log.at(0), u"Delete From 様式3：業種別検査集計表"_s);
    QCOMPARE(log.at(1),
             Sel +
                 u"WHERE ((工事区分='土木') AND (合格月=4) AND (検査員='山田') AND (年度=2011))"_s);
    QCOMPARE(log.at(13), Sel + u"WHERE ((合格月=4) AND ((検査員)='山田') AND (年度=2011))"_s);
    QCOMPARE(log.at(15), SqlText::joinLines({
                             u"Insert Into 様式3：業種別検査集計表 ("_s,
                             u"月,"_s,
                             u"検査員,"_s,
                             u"職種区分,"_s,
                             u"土木c,舗装c,造園c,建築c,電気設備c,機械設備c,横計c,"_s,
                             u"土木p,舗装p,造園p,建築p,電気設備p,機械設備p,横計p"_s,
                             u")"_s,
                             u"VALUES ("_s,
                             u"'4',"_s,
                             u"'山田',"_s,
                             u"'土木',"_s,
                             u"'1','1','0','0',"_s,
                             u"'0','0','3',"_s,
                             u"'12345678','0','0','0',"_s,
                             u"'0','0','13345678'"_s,
                             u")"_s,
                         }));
    // 鈴木 and 高橋 follow (16 … 45), then April's subtotal over every case of the month.
    QCOMPARE(log.at(46), Sel + u"WHERE ((工事区分='土木') AND (合格月=4) AND (年度=2011))"_s);
    QCOMPARE(log.at(59), Sel + u"WHERE ((合格月=4) AND (年度=2011)"_s + InCompletion);
    QVERIFY(log.at(60).contains(u"VALUES (\n'<小計>',\n' ****',\n' ',\n'2','1','0','0',\n"_s));
    QCOMPARE(log.size(), 1 + 12 * 4 * 15);
}

void TestForm13::runShape_data() {
    QTest::addColumn<QStringList>("trades"); // of the roster, in order
    QTest::addColumn<bool>("form14");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("queries");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("steps");

    const QStringList office{u"土木"_s, u"事務"_s, u"建築"_s, u"設備"_s, u"土木"_s};
    QTest::newRow("1-3") << office << false << 13 << 182 << 5 << 12;
    QTest::newRow("1-3, no inspector") << QStringList() << false << 13 << 182 << 0 << 12;
    // The inspector of another trade gets no rows and no steps.
    QTest::newRow("1-4") << office << true << 12 * 5 << 168 * 5 << 60 << 48;
    QTest::newRow("1-4, no inspector") << QStringList() << true << 12 << 168 << 0 << 0;
}

void TestForm13::runShape() {
    QFETCH(QStringList, trades);
    QFETCH(bool, form14);
    QFETCH(int, rows);
    QFETCH(int, queries);
    QFETCH(int, maximum);
    QFETCH(int, steps);

    ScopedClock clock(Today);
    LedgerFolder f;
    for (int i = 0; i < trades.size(); ++i)
        f.insertInspector(2011, u"検査員%1"_s.arg(i + 1), trades[i], i + 1);
    f.exec(u"INSERT INTO 様式3：業種別検査集計表 (月) VALUES ('前回の行')"_s);
    Database db;
    db.open(f.file());
    db.setLogging(true);
    RecordingProgress progress;
    runForm(db, u"2011"_s, progress, form14 ? &calcForm1_4 : &calcForm1_3);
    const QStringList log = db.statementLog();

    const ReportRows table = readTable(db, Form1_3::TableName);
    QCOMPARE(table.rowCount(), rows);
    QVERIFY(!column(table, u"月"_s).contains(u"前回の行"_s));
    QCOMPARE(log.filter(QRegularExpression(u"^SELECT"_s)).size(), queries);
    QCOMPARE(log.filter(QRegularExpression(u"^Insert Into"_s)).size(), rows);
    QCOMPARE(progress.events.first(), u"begin %1"_s.arg(maximum));
    QCOMPARE(progress.events.count(u"step"_s), steps);
    QCOMPARE(progress.events.last(), u"end"_s);
    if (form14 && trades.isEmpty())
        QCOMPARE(column(table, u"月"_s), QStringList(12, u"<小計>"_s));
}

void TestForm13::form13Golden() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm(db, u"2011"_s, progress, &calcForm1_3);

    const ReportRows rows = readTable(db, Form1_3::TableName);
    QCOMPARE(column(rows, u"月"_s),
             QStringList({u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"10"_s, u"11"_s, u"12"_s,
                          u"1"_s, u"2"_s, u"3"_s, u"<合計>"_s}));
    // No name on form 1-3's second lines.
    QCOMPARE(f.scalar(u"SELECT Count(*) FROM 様式3：業種別検査集計表 "
                      u"WHERE 検査員 IS NULL AND 職種区分 IS NULL"_s)
                 .toInt(),
             13);
    QCOMPARE(rows.value(0, u"横計p"_s).typeId(), QMetaType::LongLong);
    compareGolden(csvLines(rows), u"form1_3.csv"_s);
}

void TestForm13::form14Golden() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm(db, u"2011"_s, progress, &calcForm1_4);

    const ReportRows rows = readTable(db, Form1_3::TableName);
    QCOMPARE(rows.rowCount(), 48);
    // Civil, building, equipment; 中村 of another trade has no row.
    QCOMPARE(column(rows, u"検査員"_s).mid(0, 4),
             QStringList({u"山田"_s, u"鈴木"_s, u"高橋"_s, u" ****"_s}));
    QCOMPARE(column(rows, u"職種区分"_s).mid(0, 4),
             QStringList({u"土木"_s, u"建築"_s, u"設備"_s, u" "_s}));
    QCOMPARE(rows.value(0, u"土木c"_s).typeId(), QMetaType::LongLong);
    compareGolden(csvLines(rows), u"form1_4.csv"_s);
}

// Form 1-3's total is the sum of its months; form 1-4's subtotal of a month is form 1-3's
// row of that month, cases of inspectors without a row included.
void TestForm13::totalsAgree() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm(db, u"2011"_s, progress, &calcForm1_3);
    const ReportRows form13 = readTable(db, Form1_3::TableName);
    runForm(db, u"2011"_s, progress, &calcForm1_4);
    const ReportRows form14 = readTable(db, Form1_3::TableName);

    QList<qint64> sum(valueColumns().size(), 0);
    for (int m = 0; m < 12; ++m) {
        const QList<qint64> month = values(form13, m);
        for (int i = 0; i < sum.size(); ++i)
            sum[i] += month[i];
        QCOMPARE(values(form14, m * 4 + 3), month);
    }
    QCOMPARE(values(form13, 12), sum);
    // The cases of no construction class count in the row total only.
    qint64 classes = 0;
    for (int i = 0; i < 6; ++i)
        classes += sum[i];
    QCOMPARE(classes, 9);
    QCOMPARE(sum[6], 11);
}

void TestForm13::pdf_data() {
    QTest::addColumn<bool>("form14");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("counts");  // April's first row, first line
    QTest::addColumn<QString>("amounts"); // and second line

    QTest::newRow("1-3") << false << Form1_3::Form13Title << 2 << u"\n42100004\n"_s
                         << u"\n19,345,6780000020,345,678\n"_s;
    QTest::newRow("1-4") << true << Form1_3::Form14Title << 6 << u"\n41100003\n"_s
                         << u"\n山田12,345,6780000013,345,678\n"_s;
}

void TestForm13::pdf() {
    QFETCH(bool, form14);
    QFETCH(QString, title);
    QFETCH(int, pages);
    QFETCH(QString, counts);
    QFETCH(QString, amounts);
    if (!havePdftotext())
        QSKIP("poppler-utils are not installed");

    ScopedClock clock(Today);
    LedgerFolder f;
    fillLedger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm(db, u"2011"_s, progress, form14 ? &calcForm1_4 : &calcForm1_3);

    Page page = makeQuickRep2();
    QCOMPARE(page.caption(u"QRLabel17"_s), Form1_3::Form13Title);
    QCOMPARE(page.caption(u"QRLabel117"_s), u"西暦年度"_s);
    QVERIFY(page.setCaption(u"QRLabel17"_s, title));
    QVERIFY(page.setCaption(u"QRLabel117"_s, yearText(u"2011"_s)));
    const QString file = QDir(f.dir()).filePath(u"form1_3.pdf"_s);
    QVERIFY(writePdf(page, readTable(db, Form1_3::TableName), file, Today));
    const QString text = pdfText(file);

    QVERIFY2(text.contains(QString(title).remove(u'\u3000')), qPrintable(text));
    QCOMPARE(text.count(u"2011年度"_s), pages);
    QVERIFY(text.contains(u"金額：円"_s));
    // The heads: class names with 件数 on the first line, 月 and 備考 between the two,
    // 金額 on the second.
    QVERIFY2(text.contains(u"\n土木件数舗装件数造園件数建築件数電気設備件数機械設備件数横計件数\n"
                           u"月備考\n金額金額金額金額金額金額金額\n"_s),
             qPrintable(text));
    QVERIFY2(text.contains(counts), qPrintable(text));
    QVERIFY2(text.contains(amounts), qPrintable(text));
    QVERIFY(text.contains(u"２．主管課執行工事の検査は、完了検査に含まれる。"_s));
    QCOMPARE(text.count(u'\f'), pages);
}

QTEST_MAIN(TestForm13)
#include "tst_form1_3.moc"
