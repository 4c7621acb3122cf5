#include "Database.h"
#include "EngineError.h"
#include "Form1_1.h"
#include "LedgerWindow.h"
#include "PageRenderer.h"
#include "Previewer.h"
#include "PrintMenu.h"
#include "RadioGroup.h"
#include "RecordingPreviewer.h"
#include "Registers.h"
#include "ReportPageDefs.h"
#include "ReportPages.h"
#include "ReportRun.h"
#include "ReportTestSupport.h"
#include "SharedState.h"
#include "SqlText.h"
#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDate Today(2011, 6, 10);

QString kensaProgram() {
    const QString fromBuild = qEnvironmentVariable("KENSA_BIN");
    if (!fromBuild.isEmpty())
        return fromBuild;
    return QCoreApplication::applicationDirPath() + u"/../tools/kensa"_s;
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run kensa(const QStringList &arguments) {
    QProcess process;
    process.start(kensaProgram(), arguments);
    Run run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// A passed case of the fixture: 年度, trade, inspection class (null: none) and pass month.
qint64 passedCase(const LedgerFolder &f, int year, const QVariant &trade, const QVariant &kind,
                  const QVariant &passMonth) {
    return f.insertCase({{u"年度"_s, year},
                         {u"工事名"_s, u"市道工事"_s},
                         {u"職種区分"_s, trade},
                         {u"検査区分"_s, kind},
                         {u"合格月"_s, passMonth},
                         {u"請負金額"_s, 10000000}});
}

// Two fiscal years: 2011 with eight passed cases that count (one of 8 is 12.5 %), 2012 with
// three (one of 3 is 33.3 %), and cases that must count nowhere.
void fillForm11Ledger(const LedgerFolder &f) {
    const QVariant none;
    // 2011.
    passedCase(f, 2011, u"土木"_s, u"完成検査"_s, 4);
    passedCase(f, 2011, u"土木"_s, u"中間検査"_s, 4);
    passedCase(f, 2011, u"土木"_s, u"出来高検査"_s, 12);
    passedCase(f, 2011, u"建築"_s, u"完成検査"_s, 6);
    passedCase(f, 2011, u"建築"_s, u"清算出来高検査"_s, 10);
    passedCase(f, 2011, u"設備"_s, u"部分完成検査"_s, 1); // January of the fiscal year 2011
    passedCase(f, 2011, u"設備"_s, u"完成検査"_s, 3);
    passedCase(f, 2011, u"未定義"_s, u"完成検査"_s, 9);  // only in <合計>
    passedCase(f, 2011, u"土木"_s, none, 4);             // no inspection class: nowhere
    passedCase(f, 2011, u"土木"_s, u"完成検査"_s, 0);    // not passed
    passedCase(f, 2011, u"建築"_s, u"完成検査"_s, none); // not passed
    // 2012.
    passedCase(f, 2012, u"土木"_s, u"完成検査"_s, 5);
    passedCase(f, 2012, u"建築"_s, u"中間検査"_s, 5);
    passedCase(f, 2012, u"設備"_s, u"完成検査"_s, 2);
}

// Runs Calc_Form1_1 for a year without a window, as the companion does.
void runForm11(Database &db, const QString &year, ProgressSink &progress) {
    runForm(db, year, progress, [](ReportContext &context) {
        TDat dat;
        dat.Calc_Form1_1(context);
    });
}

// The window set of a print run: the main window started up, the pages and the menu.
struct MenuFixture {
    LedgerWindow ledger;
    ReportPages pages{ledger};
    PrintMenu menu{ledger, pages};

    MenuFixture() { ledger.show(); }
    template <typename T> T *inMenu(const QString &name) { return menu.findChild<T *>(name); }
    void open() { ledger.findChild<QToolButton *>(u"ToolButton7"_s)->click(); }
    void click(const QString &button) { inMenu<QToolButton>(button)->click(); }
    void choose(int tab, int item) {
        inMenu<QTabWidget>(u"PageControl1"_s)->setCurrentIndex(tab);
        inMenu<RadioGroup>(u"RadioGroup%1"_s.arg(tab + 1))->button(item)->click();
    }
    void selectInspectorTab(const QString &name) {
        QTabBar *tabs = ledger.inspectorTabs();
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == name) {
                tabs->setCurrentIndex(i);
                ledger.tabChanged(i);
                return;
            }
        }
        QFAIL("no such inspector tab");
    }
    void selectReceptionMonth(int item) {
        ledger.findChild<RadioGroup *>(u"RadioGroup1"_s)->button(item)->click();
    }
};

// Passes the prompts on to a scripted prompter, noting whether the menu was visible when
// each was shown. Installed for its lifetime.
class MenuWatch : public Prompter {
public:
    MenuWatch(ScriptedPrompter &script, QWidget &menu)
        : m_script(script)
        , m_menu(menu) {
        Prompter::install(this);
    }
    ~MenuWatch() override { Prompter::install(&m_script); }
    bool show(const Prompt &prompt) override {
        visibleWhenAsked << m_menu.isVisible();
        return m_script.show(prompt);
    }
    QList<bool> visibleWhenAsked;

private:
    ScriptedPrompter &m_script;
    QWidget &m_menu;
};

// A register case: receipt number, reception date and month, inspector; dispatched unless
// the dispatch date is null.
qint64 registerCase(const LedgerFolder &f, const QString &number, const QString &date, int month,
                    const QString &inspector, const QVariant &dispatched) {
    return f.insertCase({{u"年度"_s, 2011},
                         {u"受付番号"_s, number},
                         {u"受付日"_s, date},
                         {u"受付月"_s, month},
                         {u"時間"_s, u"10:30"_s},
                         {u"工事番号"_s, u"123-45"_s},
                         {u"担当課"_s, u"道路課"_s},
                         {u"請負業者名"_s, u"業者"_s + number},
                         {u"検査員"_s, inspector},
                         {u"職種区分"_s, u"土木"_s},
                         {u"件名"_s, u"完成検査等"_s},
                         {u"公印種類"_s, u"市長印"_s},
                         {u"件数"_s, 1},
                         {u"押印数"_s, 2},
                         {u"発送番号"_s, u"発"_s + number},
                         {u"発送日"_s, dispatched},
                         {u"請負金額"_s, 30000000},
                         {u"備考"_s, u"***"_s}});
}

// Yamada's April cases come in ID order K-3, K-1, K-4 but in date order K-1, K-3, K-4.
void fillRegisterLedger(const LedgerFolder &f) {
    f.insertInspector(2011, u"山田"_s, u"土木"_s, 1);
    f.insertInspector(2011, u"佐藤"_s, u"土木"_s, 2);
    f.insertInspector(2011, u"鈴木"_s, u"建築"_s, 3);
    registerCase(f, u"K-3"_s, u"04/20"_s, 4, u"山田"_s, u"05/10"_s);
    registerCase(f, u"K-1"_s, u"04/05"_s, 4, u"山田"_s, QVariant()); // not dispatched yet
    registerCase(f, u"K-2"_s, u"04/06"_s, 4, u"佐藤"_s, u"05/02"_s);
    registerCase(f, u"K-4"_s, u"04/25"_s, 4, u"山田"_s, u"05/20"_s);
    registerCase(f, u"K-5"_s, u"05/07"_s, 5, u"山田"_s, u"06/01"_s);
}

} // namespace

class TestReports : public QObject {
    Q_OBJECT

private slots:
    void init() { shared().reset(); }

    void percentText_data();
    void percentText();
    void form11Statements();
    void form11Golden();
    void form11ZeroYear();
    void form11Pdf();
    void reportCommandFailures_data();
    void reportCommandFailures();

    void menuRunsForm11();
    void menuRunsEveryTab1Form();
    void menuClosesAndKeepsChoices_data();
    void menuClosesAndKeepsChoices();
    void menuConfirmations_data();
    void menuConfirmations();
    void failingRunRestoresMenu_data();
    void failingRunRestoresMenu();
    void printPreviewReturnsWhenClosed();

    void registersFollowList_data();
    void registersFollowList();
    void undispatchedCaseHasEmptyDate();
    void emptyListGivesHeadersOnly();
    void registerPdf_data();
    void registerPdf();
};

void TestReports::percentText_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("yearTotal");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one of eight") << u"1"_s << u"8"_s << u"12.5"_s;
    QTest::newRow("one of three") << u"1"_s << u"3"_s << u"33.3"_s;
    QTest::newRow("two of three") << u"2"_s << u"3"_s << u"66.7"_s;
    QTest::newRow("a half rounds up") << u"1"_s << u"16"_s << u"6.3"_s;
    QTest::newRow("the whole year") << u"3"_s << u"3"_s << u"100.0"_s;
    QTest::newRow("none of five") << u"0"_s << u"5"_s << u"0.0"_s;
    QTest::newRow("empty count") << QString() << u"5"_s << u"0.0"_s;
    QTest::newRow("year without passes") << u"0"_s << u"0"_s << u"0.0"_s;
}

void TestReports::percentText() {
    QFETCH(QString, count);
    QFETCH(QString, yearTotal);
    QFETCH(QString, expected);
    QCOMPARE(PercentText(count, *Formats::Fixed::parse(yearTotal)), expected);
}

void TestReports::form11Statements() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillForm11Ledger(f);
    for (int i = 1; i <= 4; ++i)
        f.insertInspector(2011, u"検査員%1"_s.arg(i), u"土木"_s, i);

    Database db;
    db.open(f.file());
    db.setLogging(true);
    RecordingProgress progress;
    runForm11(db, u"2011"_s, progress);
    const QStringList log = db.statementLog();

    // Delete, year total, then per row 13 counts and the insert: 1 + 1 + 4 × 14.
    QCOMPARE(log.size(), 58);
    QCOMPARE(log.filter(QRegularExpression(u"^SELECT"_s)).size(), 53);
    QCOMPARE(log.filter(QRegularExpression(u"^Insert Into"_s)).size(), 4);
    QCOMPARE(log.at(0), u"Delete From 様式1：工事検査件数調書"_s);
    QCOMPARE(
        log.at(1),
        u"SELECT Count(検査区分) as A FROM 10工事検査台帳 WHERE ((合格月>0) and (年度=2011))"_s);
    // April of 土木, the example of the statement.
    QCOMPARE(log.at(5), u"SELECT Count(検査区分) as A FROM 10工事検査台帳 WHERE ((合格月=4) AND   "
                        u"(年度=2011) AND   (職種区分='土木'))"_s);
    QCOMPARE(log.at(14), u"SELECT Count(検査区分) as A FROM 10工事検査台帳 WHERE ((合格月>0) AND   "
                         u"(年度=2011) AND   (職種区分='土木'))"_s);
    QCOMPARE(log.at(30), u"SELECT Count(検査区分) as A FROM 10工事検査台帳 WHERE ((合格月=1) AND   "
                         u"(年度=2011) AND   (職種区分='設備'))"_s);
    // The total row has no trade part.
    QCOMPARE(
        log.at(47),
        u"SELECT Count(検査区分) as A FROM 10工事検査台帳 WHERE ((合格月=4) AND   (年度=2011))"_s);
    QCOMPARE(
        log.at(56),
        u"SELECT Count(検査区分) as A FROM 10工事検査台帳 WHERE ((合格月>0) AND   (年度=2011))"_s);

    // 土木 of 2011: two passes in April, one in December, three in the year, of eight.
    const QStringList civilInsert{
        u"Insert Into 様式1：工事検査件数調書 ("_s,
        u"職種区分,"_s,
        u"見出しc,4月c,5月c,6月c,7月c,8月c,9月c,10月c,11月c,12月c,1月c,2月c,3月c,横計c,"_s,
        u"見出しp,4月p,5月p,6月p,7月p,8月p,9月p,10月p,11月p,12月p,1月p,2月p,3月p,横計p"_s,
        u")"_s,
        u"VALUES ("_s,
        u"'土木',"_s,
        u"'件数',"_s,
        u"'2','0','0','0',"_s,
        u"'0','0','0','0',"_s,
        u"'1','0','0','0','3',"_s,
        u"'(%)',"_s,
        u"'25.0','0.0','0.0','0.0',"_s,
        u"'0.0','0.0','0.0','0.0',"_s,
        u"'12.5','0.0','0.0','0.0','37.5'"_s,
        u")"_s,
    };
    QCOMPARE(log.at(15), SqlText::joinLines(civilInsert));
    QVERIFY(log.at(57).startsWith(u"Insert Into 様式1：工事検査件数調書 (\n"_s));
    QVERIFY(log.at(57).contains(u"VALUES (\n'<合計>',\n'件数',\n"_s));

    // The bar is set to the number of inspectors and advances once per trade.
    QCOMPARE(progress.events,
             QStringList({u"begin 4"_s, u"step"_s, u"step"_s, u"step"_s, u"end"_s}));
}

void TestReports::form11Golden() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillForm11Ledger(f);
    Database db;
    db.open(f.file());
    NoProgress progress;

    QStringList lines;
    for (const QString &year : {u"2011"_s, u"2012"_s}) {
        runForm11(db, year, progress);
        const ReportRows rows = readTable(db, Form1_1::TableName);
        if (lines.isEmpty())
            lines << u"run,"_s + rows.columns.join(u',');
        lines << csvLines(year, rows);
        // The page's masks format numbers only: counts and shares must read back as such.
        QCOMPARE(rows.value(0, u"4月c"_s).typeId(), QMetaType::LongLong);
        QCOMPARE(rows.value(0, u"4月p"_s).typeId(), QMetaType::Double);
    }

    compareGolden(lines, u"form1_1.csv"_s);
}

void TestReports::form11ZeroYear() {
    ScopedClock clock(Today);
    LedgerFolder f;
    passedCase(f, 2013, u"土木"_s, u"完成検査"_s, 0); // received, not passed
    Database db;
    db.open(f.file());
    NoProgress progress;
    runForm11(db, u"2013"_s, progress);

    const ReportRows rows = readTable(db, Form1_1::TableName);
    QCOMPARE(column(rows, u"職種区分"_s),
             QStringList({u"土木"_s, u"建築"_s, u"設備"_s, u"<合計>"_s}));
    for (const QVariantList &row : rows.rows) {
        for (int c = 0; c < rows.columns.size(); ++c) {
            if (rows.columns[c].endsWith(u'c') && rows.columns[c] != u"見出しc"_s)
                QCOMPARE(row[c].toLongLong(), 0);
            if (rows.columns[c].endsWith(u'p') && rows.columns[c] != u"見出しp"_s)
                QCOMPARE(row[c].toDouble(), 0.0);
        }
    }
}

void TestReports::form11Pdf() {
    if (!havePoppler())
        QSKIP("poppler-utils are not installed");
    ScopedClock clock(Today);
    LedgerFolder f;
    fillForm11Ledger(f);
    f.exec(u"INSERT INTO 様式1：工事検査件数調書 (職種区分) VALUES ('前回の行')"_s);
    const QString pdf = QDir(f.dir()).filePath(u"form1_1.pdf"_s);

    const Run run = kensa(
        {u"report"_s, u"1-1"_s, u"--year"_s, u"2011"_s, u"--db"_s, f.file(), u"--pdf"_s, pdf});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    // The table is rewritten as the menu rewrites it.
    QCOMPARE(f.rows(u"SELECT 職種区分, 横計c FROM 様式1：工事検査件数調書 ORDER BY rowid"_s),
             QList<QStringList>({{u"土木"_s, u"3"_s},
                                 {u"建築"_s, u"2"_s},
                                 {u"設備"_s, u"2"_s},
                                 {u"<合計>"_s, u"8"_s}}));

    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(u"様式1-１：月別検査調書（職種別、月別件数・割合）"_s),
             qPrintable(text));
    QVERIFY(text.contains(u"2011年度"_s));
    QVERIFY(text.contains(
        u"件数は、全検査(完成検査、中間検査、出来高検査、部分完成検査、清算出来高検査)の合計"_s));
    QVERIFY(text.contains(u"職種４月５月６月７月８月９月10月11月12月１月２月３月横計"_s));
    // 土木: April 2 of 8, December 1 of 8, the year 3 of 8.
    QVERIFY2(text.contains(u"(%)25.0%0.0%0.0%0.0%0.0%0.0%0.0%0.0%12.5%0.0%0.0%0.0%37.5%"_s),
             qPrintable(text));
    QVERIFY(text.contains(u"100.0%"_s));
    QVERIFY(!text.contains(u"前回の行"_s));

    const QString fonts = runTool(u"pdffonts"_s, {pdf});
    static const QRegularExpression mincho(u"IPAPMincho\\s.*\\syes\\s"_s);
    static const QRegularExpression gothic(u"IPAPGothic\\s.*\\syes\\s"_s);
    QVERIFY2(fonts.contains(mincho), qPrintable(fonts));
    QVERIFY2(fonts.contains(gothic), qPrintable(fonts));
}

void TestReports::reportCommandFailures_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("dropTable");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown form") << QStringList{u"9-9"_s} << false << 2
                                  << u"不明な様式です: 9-9"_s;
    QTest::newRow("month out of range")
        << QStringList{u"seal-register"_s, u"--month"_s, u"13"_s} << false << 2 << u"--month"_s;
    QTest::newRow("list choice for a form")
        << QStringList{u"1-1"_s, u"--inspector"_s, u"山田"_s} << false << 2 << u"--inspector"_s;
    QTest::newRow("no such ledger file") << QStringList{u"1-1"_s, u"--db"_s, u"nowhere/DB.mdb"_s}
                                         << false << 1 << u"データベースファイルが見つかりません"_s;
    QTest::newRow("report table missing")
        << QStringList{u"1-1"_s} << true << 1 << u"no such table"_s;
}

void TestReports::reportCommandFailures() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, dropTable);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    LedgerFolder f; // the working directory holds DB.mdb
    if (dropTable)
        f.exec(u"DROP TABLE 様式1：工事検査件数調書"_s);
    const Run run = kensa(QStringList{u"report"_s} + arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

void TestReports::menuRunsForm11() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillForm11Ledger(f);
    for (int i = 1; i <= 4; ++i)
        f.insertInspector(2011, u"検査員%1"_s.arg(i), u"土木"_s, i);
    ScriptedPrompter prompter;
    RecordingPreviewer previewer;
    MenuFixture m;
    m.open();
    QVERIFY(m.menu.isVisible());

    bool menuHidden = false, tableOpen = false, progressHidden = false;
    previewer.onPreview = [&](const Page &, const ReportRows &) {
        menuHidden = !m.menu.isVisible();
        tableOpen = m.pages.ADOTable_Ksum1().isOpen();
        progressHidden = !m.ledger.findChild<QLabel *>(u"Label25"_s)->isVisible();
    };
    m.choose(0, 0);
    m.click(u"SpeedButton1"_s);

    QCOMPARE(prompter.texts(), QStringList());
    QCOMPARE(previewer.count(), 1);
    const Page &page = previewer.last().page;
    QCOMPARE(page.name(), u"QuickRep7"_s);
    QCOMPARE(page.caption(u"QRLabel149"_s), u"2011年度"_s);
    QCOMPARE(column(previewer.last().rows, u"職種区分"_s),
             QStringList({u"土木"_s, u"建築"_s, u"設備"_s, u"<合計>"_s}));
    QCOMPARE(column(previewer.last().rows, u"横計c"_s),
             QStringList({u"3"_s, u"2"_s, u"2"_s, u"8"_s}));
    QVERIFY(menuHidden);
    QVERIFY(tableOpen);
    QVERIFY(progressHidden);
    // After the preview: the table closed, the menu back.
    QVERIFY(!m.pages.ADOTable_Ksum1().isOpen());
    QVERIFY(m.menu.isVisible());
    // The bar was given InspectorCount as its maximum and stepped once per trade.
    auto *bar = m.ledger.findChild<QProgressBar *>(u"ProgressBar1"_s);
    QCOMPARE(bar->maximum(), 4);
    QCOMPARE(bar->value(), 3);
    QVERIFY(!bar->isVisible());
}

void TestReports::menuRunsEveryTab1Form() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillForm11Ledger(f);
    ScriptedPrompter prompter;
    RecordingPreviewer previewer;
    MenuFixture m;
    m.open();
    const QStringList pages{u"QuickRep7"_s, u"QuickRep1"_s, u"QuickRep2"_s,
                            u"QuickRep2"_s, u"QuickRep3"_s, u"QuickRep4"_s};
    for (int item = 0; item < pages.size(); ++item) {
        m.choose(0, item);
        m.click(u"SpeedButton1"_s);
        QCOMPARE(previewer.count(), item + 1);
        QCOMPARE(previewer.last().page.name(), pages.at(item));
        QVERIFY(m.menu.isVisible());
    }
    // Forms 1-3 and 1-4 print on one page; its title is the form that ran.
    QCOMPARE(previewer.shown.at(2).page.caption(u"QRLabel17"_s),
             u"様式1-3：工事区分別検査集計表（月別、工事区分別　件数・金額）"_s);
    QCOMPARE(previewer.shown.at(3).page.caption(u"QRLabel17"_s),
             u"様式1-4：工事区分別検査集計表（月別、検査員別、工事区分別　件数・金額）"_s);
    for (const RecordingPreviewer::Shown &shown : previewer.shown) {
        bool labelled = false;
        for (const ReportForm &form : reportForms())
            labelled = labelled || (form.pageName == shown.page.name() &&
                                    shown.page.caption(form.yearLabel) == u"2011年度"_s);
        QVERIFY2(labelled, qPrintable(shown.page.name()));
    }
    QCOMPARE(prompter.prompts.size(), 0);
}

void TestReports::menuClosesAndKeepsChoices_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("closeButton");

    QTest::newRow("tab 1") << 0 << 5 << u"SpeedButton2"_s;
    QTest::newRow("tab 2") << 1 << 3 << u"SpeedButton4"_s;
    QTest::newRow("tab 3") << 2 << 2 << u"SpeedButton5"_s;
    QTest::newRow("tab 4") << 3 << 1 << u"SpeedButton7"_s;
}

void TestReports::menuClosesAndKeepsChoices() {
    QFETCH(int, tab);
    QFETCH(int, item);
    QFETCH(QString, closeButton);

    ScopedClock clock(Today);
    LedgerFolder f;
    ScriptedPrompter prompter;
    RecordingPreviewer previewer;
    MenuFixture m;
    QCOMPARE(m.menu.objectName(), u"Form4"_s);
    QCOMPARE(m.menu.windowTitle(), u"印刷メニュー"_s);
    QVERIFY(m.menu.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!m.menu.isVisible());

    m.ledger.move(40, 30);
    m.open();
    QVERIFY(m.menu.isVisible());
    QVERIFY(!m.menu.isModal());
    QCOMPARE(m.menu.pos(), m.ledger.pos() + QPoint(300, 85));

    m.choose(tab, item);
    m.click(closeButton);
    QVERIFY(!m.menu.isVisible());
    QCOMPARE(previewer.count(), 0);
    QCOMPARE(prompter.texts(), QStringList());

    m.open();
    QVERIFY(m.menu.isVisible());
    QCOMPARE(m.inMenu<QTabWidget>(u"PageControl1"_s)->currentIndex(), tab);
    QCOMPARE(m.inMenu<RadioGroup>(u"RadioGroup%1"_s.arg(tab + 1))->itemIndex(), item);
    // The other tabs keep their first items.
    for (int other = 0; other < 4; ++other) {
        if (other != tab)
            QCOMPARE(m.inMenu<RadioGroup>(u"RadioGroup%1"_s.arg(other + 1))->itemIndex(), 0);
    }
}

void TestReports::menuConfirmations_data() {
    QTest::addColumn<QStringList>("trades"); // the inspectors of the year by trade
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("kind"); // Prompt::Kind of the first prompt
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("subtitles"); // of the previews that follow, in order

    const int message = int(Prompt::Kind::Message);
    const int warning = int(Prompt::Kind::Warning);
    const QStringList six{u"土木"_s, u"土木"_s, u"土木"_s, u"建築"_s, u"設備"_s, u"設備"_s};
    const QString perInspector =
        u"検査員毎に全工事合計の集計・印刷をします。\rこの集計には、大変時間がかかります。\r\r"
        u"本当に印刷しますか。\r途中で、印刷の中止は出来ません。\r"
        u"尚、集計・印刷は検査員の人数分[ %1人 ]繰り返されます。"_s;

    const QStringList byClass{u"(土木)"_s, u"(舗装)"_s,     u"(造園)"_s,
                              u"(建築)"_s, u"(電気設備)"_s, u"(機械設備)"_s};
    const QStringList perClass{u"(検査員1 検査員：土木)"_s,     u"(検査員1 検査員：舗装)"_s,
                               u"(検査員1 検査員：造園)"_s,     u"(検査員2 検査員：土木)"_s,
                               u"(検査員2 検査員：舗装)"_s,     u"(検査員2 検査員：造園)"_s,
                               u"(検査員3 検査員：土木)"_s,     u"(検査員3 検査員：舗装)"_s,
                               u"(検査員3 検査員：造園)"_s,     u"(検査員4 検査員：建築)"_s,
                               u"(検査員5 検査員：電気設備)"_s, u"(検査員5 検査員：機械設備)"_s,
                               u"(検査員6 検査員：電気設備)"_s, u"(検査員6 検査員：機械設備)"_s};
    QTest::newRow("tab 2, by class")
        << six << 1 << 2 << true << message
        << u"[土木,舗装,造園,建築,電気設備,機械設備]の集計・印刷をします。\r\r"
           u"この集計には、時間がかかります。\r\r尚、集計・印刷は６回繰り返されます。"_s
        << byClass;
    QTest::newRow("tab 2, per inspector, no inspector")
        << QStringList() << 1 << 3 << true << warning << perInspector.arg(0) << QStringList();
    QTest::newRow("tab 2, per inspector, answered No")
        << six << 1 << 3 << false << warning << perInspector.arg(6) << QStringList();
    QTest::newRow("tab 2, per inspector and class, 3/1/2 inspectors")
        << six << 1 << 4 << true << warning
        << u"検査員毎に全工事区分の集計・印刷をします。\rこの集計には、大変時間がかかります。\r\r"
           u"本当に印刷しますか。\r途中で、印刷の中止は出来ません。\r"
           u"尚、集計・印刷は[ 12回程 ]繰り返されます。"_s
        << perClass;
    QTest::newRow("tab 3, by class")
        << six << 2 << 1 << true << message << u"集計が６回繰り返されます。"_s
        << QStringList{u"工事区分別の年間集計"_s};
    QTest::newRow("tab 3, by inspector and class, five inspectors")
        << QStringList{u"土木"_s, u"土木"_s, u"建築"_s, u"設備"_s, u"設備"_s} << 2 << 2 << true
        << warning
        << u"検査員別、工事区分別の集計・印刷をします。\rこの集計には、大変時間がかかります。\r\r"
           u"本当に印刷しますか。\r\r途中で、印刷の中止は出来ません。\r"
           u"尚、集計は[ 30回 ]繰り返されます。"_s
        << QStringList{u"検査員別、工事区分別の年間集計"_s};
}

void TestReports::menuConfirmations() {
    QFETCH(QStringList, trades);
    QFETCH(int, tab);
    QFETCH(int, item);
    QFETCH(bool, answer);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QStringList, subtitles);

    ScopedClock clock(Today);
    LedgerFolder f;
    for (int i = 0; i < trades.size(); ++i)
        f.insertInspector(2011, u"検査員%1"_s.arg(i + 1), trades[i], i + 1);
    ScriptedPrompter prompter;
    RecordingPreviewer previewer;
    MenuFixture m;
    QCOMPARE(shared().inspectorCount(), trades.size());
    m.open();
    m.choose(tab, item);

    prompter.answers = {answer};
    const QStringList runButtons{u"SpeedButton1"_s, u"SpeedButton3"_s, u"SpeedButton6"_s};
    // The menu hides itself before it asks.
    MenuWatch watch(prompter, m.menu);
    m.click(runButtons.at(tab));

    QCOMPARE(watch.visibleWhenAsked, QList<bool>(prompter.prompts.size(), false));
    QVERIFY(!prompter.prompts.isEmpty());
    QCOMPARE(int(prompter.prompts.first().kind), kind);
    QCOMPARE(prompter.prompts.first().text, text);
    QCOMPARE(prompter.texts(), QStringList{text});
    // One preview per run of the series, each with its own subtitle.
    QStringList shownSubtitles;
    for (const RecordingPreviewer::Shown &shown : previewer.shown)
        shownSubtitles << shown.page.caption(tab == 1 ? u"QRLabel73"_s : u"QRLabel113"_s);
    QCOMPARE(shownSubtitles, subtitles);
    QVERIFY(m.menu.isVisible());
}

void TestReports::failingRunRestoresMenu_data() {
    QTest::addColumn<QString>("sabotage");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("rowsLeft");

    QTest::newRow("report table missing")
        << u"DROP TABLE 様式1：工事検査件数調書"_s << u"no such table"_s << QStringList();
    QTest::newRow("third insert refused")
        << u"CREATE TRIGGER refuse BEFORE INSERT ON 様式1：工事検査件数調書 "
           u"WHEN NEW.職種区分 = '設備' BEGIN SELECT RAISE(ABORT, 'disk is full'); END"_s
        << u"disk is full"_s << QStringList{u"土木"_s, u"建築"_s};
}

void TestReports::failingRunRestoresMenu() {
    QFETCH(QString, sabotage);
    QFETCH(QString, message);
    QFETCH(QStringList, rowsLeft);

    ScopedClock clock(Today);
    LedgerFolder f;
    fillForm11Ledger(f);
    f.exec(sabotage);
    ScriptedPrompter prompter;
    RecordingPreviewer previewer;
    MenuFixture m;
    m.open();
    m.click(u"SpeedButton1"_s);

    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().kind, Prompt::Kind::Error);
    QVERIFY2(prompter.lastText().contains(message), qPrintable(prompter.lastText()));
    QCOMPARE(previewer.count(), 0);
    QVERIFY(!m.ledger.findChild<QLabel *>(u"Label25"_s)->isVisible());
    QVERIFY(!m.ledger.findChild<QProgressBar *>(u"ProgressBar1"_s)->isVisible());
    QVERIFY(m.menu.isVisible());
    QVERIFY(!m.pages.ADOTable_Ksum1().isOpen());
    if (!rowsLeft.isEmpty()) {
        QStringList trades;
        for (const QStringList &row :
             f.rows(u"SELECT 職種区分 FROM 様式1：工事検査件数調書 ORDER BY rowid"_s))
            trades << row.first();
        QCOMPARE(trades, rowsLeft);
    }
}

void TestReports::printPreviewReturnsWhenClosed() {
    ScopedClock clock(Today);
    Page page = makeQuickRep7();
    page.setCaption(u"QRLabel149"_s, u"2011年度"_s);
    int pages = -1;
    bool hasSaveAction = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!dialog) { // not what was expected: end the wait anyway
            if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                modal->reject();
            return;
        }
        if (auto *view = dialog->findChild<QPrintPreviewWidget *>())
            pages = view->pageCount();
        for (QAction *a : dialog->findChildren<QAction *>())
            hasSaveAction |= a->text() == u"PDFに保存..."_s;
        dialog->reject();
    });
    PrintPreviewer().preview(page, ReportRows());
    QCOMPARE(pages, 1);
    QVERIFY(hasSaveAction);
}

void TestReports::registersFollowList_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<QString>("yearLabel");

    QTest::newRow("receipt book") << 0 << u"QuickRep9"_s << u"QRLabel155"_s;
    QTest::newRow("seal-use book") << 1 << u"QuickRep10"_s << u"QRLabel156"_s;
    QTest::newRow("dispatch book") << 2 << u"QuickRep11"_s << u"QRLabel157"_s;
}

void TestReports::registersFollowList() {
    QFETCH(int, item);
    QFETCH(QString, pageName);
    QFETCH(QString, yearLabel);

    ScopedClock clock(Today);
    LedgerFolder f;
    fillRegisterLedger(f);
    ScriptedPrompter prompter;
    RecordingPreviewer previewer;
    MenuFixture m;
    m.selectInspectorTab(u"山田"_s);
    m.selectReceptionMonth(0); // April
    LedgerDataset &list = m.ledger.list();
    list.setCurrentRow(1);
    const QString filter = list.filter();

    bool menuHidden = false;
    previewer.onPreview = [&](const Page &, const ReportRows &) {
        menuHidden = !m.menu.isVisible();
    };
    m.open();
    m.choose(3, item);
    m.click(u"SpeedButton8"_s);

    QCOMPARE(prompter.texts(), QStringList());
    QCOMPARE(previewer.count(), 1);
    QCOMPARE(previewer.last().page.name(), pageName);
    QCOMPARE(previewer.last().page.caption(yearLabel), u"2011年度"_s);
    QCOMPARE(column(previewer.last().rows, u"受付番号"_s),
             QStringList({u"K-3"_s, u"K-1"_s, u"K-4"_s}));
    QVERIFY(menuHidden);
    QVERIFY(m.menu.isVisible());
    // The list is as it was.
    QCOMPARE(list.filter(), filter);
    QCOMPARE(list.sort(), u"ID"_s);
    QCOMPARE(list.currentRow(), 1);

    // Sorted by reception date in the main window, the register follows.
    m.ledger.SortList(2);
    m.click(u"SpeedButton8"_s);
    QCOMPARE(previewer.count(), 2);
    QCOMPARE(column(previewer.last().rows, u"受付番号"_s),
             QStringList({u"K-1"_s, u"K-3"_s, u"K-4"_s}));
    QCOMPARE(list.sort(), u"年度,受付日"_s);
}

void TestReports::undispatchedCaseHasEmptyDate() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillRegisterLedger(f);
    ScriptedPrompter prompter;
    RecordingPreviewer previewer;
    MenuFixture m;
    m.open();
    m.choose(3, 2);
    m.click(u"SpeedButton8"_s);
    QCOMPARE(previewer.count(), 1);

    // The dispatch book prints every case of the list, dispatched or not.
    const ReportRows &rows = previewer.last().rows;
    QCOMPARE(column(rows, u"受付番号"_s),
             QStringList({u"K-3"_s, u"K-1"_s, u"K-2"_s, u"K-4"_s, u"K-5"_s}));
    const Band *detail = previewer.last().page.band(Band::Kind::Detail);
    QVERIFY(detail);
    const Element *dateField = nullptr;
    for (const Element &e : detail->elements) {
        if (e.kind == Element::Kind::Field && e.text == u"[発送日]"_s)
            dateField = &e;
    }
    QVERIFY(dateField);
    QCOMPARE(elementText(*dateField, rows, 0, Today), u"05/10"_s);
    QCOMPARE(elementText(*dateField, rows, 1, Today), QString());
}

void TestReports::emptyListGivesHeadersOnly() {
    ScopedClock clock(Today);
    LedgerFolder f;
    fillRegisterLedger(f);
    ScriptedPrompter prompter;
    RecordingPreviewer previewer;
    MenuFixture m;
    m.selectInspectorTab(u"鈴木"_s); // no case
    m.open();
    m.choose(3, 0);
    m.click(u"SpeedButton8"_s);
    QCOMPARE(previewer.count(), 1);
    QCOMPARE(previewer.last().rows.rowCount(), 0);

    if (!havePoppler())
        QSKIP("poppler-utils are not installed");
    const QString pdf = QDir(f.dir()).filePath(u"empty.pdf"_s);
    QVERIFY(writePdf(previewer.last().page, previewer.last().rows, pdf, Today));
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(u"工事検査依頼収受簿"_s), qPrintable(text));
    QVERIFY(text.contains(u"受付番号受付日受領時間工事番号工事担当課請負者名検査員名備考"_s));
    QVERIFY(!text.contains(u"K-"_s));
    QCOMPARE(text.count(u'\f'), 1);
}

void TestReports::registerPdf_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heads");
    QTest::addColumn<QString>("firstLine"); // Yamada's April cases by reception date

    QTest::newRow("receipt book")
        << u"receipt-register"_s << u"工事検査依頼収受簿"_s
        << u"受付番号受付日受領時間工事番号工事担当課請負者名検査員名備考"_s
        << u"K-104/0510:30123-45道路課業者K-1山田***"_s;
    QTest::newRow("seal-use book") << u"seal-register"_s << u"公印使用簿"_s
                                   << u"年月日件名あて先公印の種類件数押印数検査員名"_s
                                   << u"04/05完成検査等業者K-1市長印12山田"_s;
    QTest::newRow("dispatch book") << u"dispatch-register"_s << u"工事検査結果通知書発送簿"_s
                                   << u"発送番号発送日工事番号工事担当課請負者氏名検査員名備考"_s
                                   << u"発K-1123-45道路課業者K-1山田***"_s;
}

void TestReports::registerPdf() {
    QFETCH(QString, form);
    QFETCH(QString, title);
    QFETCH(QString, heads);
    QFETCH(QString, firstLine);
    if (!havePoppler())
        QSKIP("poppler-utils are not installed");

    ScopedClock clock(Today);
    LedgerFolder f;
    fillRegisterLedger(f);
    const QString pdf = QDir(f.dir()).filePath(form + u".pdf"_s);
    const Run run = kensa({u"report"_s, form, u"--year"_s, u"2011"_s, u"--inspector"_s, u"山田"_s,
                           u"--month"_s, u"4"_s, u"--sort"_s, u"2"_s, u"--pdf"_s, pdf});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(title), qPrintable(text));
    QVERIFY(text.contains(u"2011年度"_s));
    QVERIFY2(text.contains(heads), qPrintable(text));
    QVERIFY2(text.contains(firstLine), qPrintable(text));
    // Only Yamada's April cases, by reception date.
    QVERIFY(!text.contains(u"K-2"_s));
    QVERIFY(!text.contains(u"K-5"_s));
    const qsizetype k1 = text.indexOf(u"業者K-1"_s);
    const qsizetype k3 = text.indexOf(u"業者K-3"_s);
    const qsizetype k4 = text.indexOf(u"業者K-4"_s);
    QVERIFY(k1 >= 0 && k1 < k3 && k3 < k4);
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
