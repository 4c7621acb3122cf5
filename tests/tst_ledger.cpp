// The ledger window: start-up, inspector tabs, the list's filter and orders, loading and
// clearing the entry pages.
#include "LedgerWindow.h"
#include "RadioGroup.h"
#include "SharedState.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {
QVariantMap caseOf(int year, const QString &name, const QString &inspector, qint64 amount,
                   int month = 4) {
    return {{"年度", year},
            {"工事名", name},
            {"検査員", inspector},
            {"請負金額", amount},
            {"受付月", month},
            {"受付日", QStringLiteral("%1/01").arg(month, 2, 10, QLatin1Char('0'))},
            {"合格年", 0},
            {"合格月", 0},
            {"評定合計", 0.0},
            {"職種区分", "土木"},
            {"契約区分", "契約依頼"},
            {"検査区分", "完成検査"}};
}

void clickTab(LedgerWindow &w, int index) {
    QTabBar *tabs = w.inspectorTabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

void clickGridRow(LedgerWindow &w, const char *grid, int row) {
    auto *view = w.findChild<QTableView *>(QString::fromLatin1(grid));
    QVERIFY(view);
    const QRect r = view->visualRect(view->model()->index(row, 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

QList<qint64> listedIds(LedgerWindow &w) {
    QList<qint64> ids;
    for (int r = 0; r < w.list().recordCount(); ++r)
        ids << w.list().value(r, QStringLiteral("ID")).toLongLong();
    return ids;
}
} // namespace

class TestLedger : public QObject {
    Q_OBJECT
private slots:
    void init() { shared().reset(); }
    void startUpFiscalYear_data();
    void startUpFiscalYear();
    void tabWidths_data();
    void tabWidths();
    void missingFile();
    void missingTableEndsStartUp();
    void exitAsks();
    void filtersFollowTabMonthBand();
    void sortReturnsToIdOrder();
    void yearChangeAndTypedYear();
    void loadCase();
    void clearEntry();
};

void TestLedger::startUpFiscalYear_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("status");
    QTest::newRow("15 March 2012") << QDate(2012, 3, 15) << "2011"
                                   << "今日は 2012/03/15 (木曜日)";
    QTest::newRow("1 April 2012") << QDate(2012, 4, 1) << "2012"
                                  << "今日は 2012/04/01 (日曜日)";
}

void TestLedger::startUpFiscalYear() {
    QFETCH(QDate, today);
    QFETCH(QString, year);
    QFETCH(QString, status);
    ScopedClock clock(today);
    LedgerFolder f;
    f.insertCase(caseOf(2011, "市道1号線改良工事", "山田", 1000000));
    f.insertCase(caseOf(2012, "公園整備工事", "佐藤", 2000000));
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    QCOMPARE(shared().fiscalYear, year);
    QCOMPARE(w.findChild<QComboBox *>("ComboBox1")->currentText(), year);
    QCOMPARE(w.list().recordCount(), 1);
    QCOMPARE(w.list().filter(), QStringLiteral("年度='%1' and 請負金額>=0").arg(year));
    QCOMPARE(w.findChild<QGroupBox *>("GroupBox2")->title(),
             QStringLiteral("一覧表( 登録件数=1件 )"));
    bool found = false;
    for (QLabel *l : w.statusBar()->findChildren<QLabel *>())
        found = found || l->text() == status;
    QVERIFY2(found, qPrintable(status));
    QCOMPARE(QDir::toNativeSeparators(QDir::currentPath()), shared().workDir);
    QVERIFY(prompts.prompts.isEmpty());
}

void TestLedger::tabWidths_data() {
    QTest::addColumn<int>("inspectors");
    QTest::addColumn<int>("width");
    QTest::newRow("none") << 0 << 999;
    QTest::newRow("three") << 3 << 249;
    QTest::newRow("thirty") << 30 << 40;
}

void TestLedger::tabWidths() {
    QFETCH(int, inspectors);
    QFETCH(int, width);
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    for (int i = 1; i <= inspectors; ++i)
        f.insertInspector(2011, QStringLiteral("検査員%1").arg(i), QStringLiteral("土木"), i);
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    QTabBar *tabs = w.inspectorTabs();
    QCOMPARE(tabs->count(), inspectors + 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("全検査員"));
    QCOMPARE(tabs->property("tabWidth").toInt(), width);
    QCOMPARE(tabs->tabRect(0).width(), width);
    QCOMPARE(tabs->tabRect(0).height(), 22);
}

void TestLedger::missingFile() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f(false);
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    QCOMPARE(prompts.texts(), QStringList{QStringLiteral("サーバへの接続が出来ていません。")});
    QCOMPARE(w.list().recordCount(), 0);
    QVERIFY(!QFile::exists(f.file()));
}

void TestLedger::missingTableEndsStartUp() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertCase(caseOf(2011, "市道1号線改良工事", "山田", 1000000));
    f.exec(QStringLiteral("DROP TABLE 22諸定義"));
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    QCOMPARE(prompts.prompts.size(), 1);
    QCOMPARE(prompts.prompts.at(0).kind, Prompt::Kind::Error);
    QVERIFY2(prompts.lastText().contains(QStringLiteral("22諸定義")),
             qPrintable(prompts.lastText()));
    // The sequence ended at the numbering read: the list was never opened.
    QCOMPARE(shared().fiscalYear, QStringLiteral("2011"));
    QVERIFY(!w.list().isOpen());
}

void TestLedger::exitAsks() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    w.move(100, 50);
    QSignalSpy closed(&w, &LedgerWindow::closed);
    prompts.answers = {false};
    QTest::mouseClick(w.findChild<QToolButton *>("ToolButton1"), Qt::LeftButton);
    QCOMPARE(prompts.lastText(), QStringLiteral("終了しますか。"));
    QCOMPARE(prompts.prompts.last().pos, std::optional<QPoint>(w.pos() + QPoint(6, 85)));
    QCOMPARE(closed.count(), 0);
    QVERIFY(w.database().isOpen());
    prompts.answers = {true};
    QTest::mouseClick(w.findChild<QToolButton *>("ToolButton1"), Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!w.database().isOpen());
}

void TestLedger::filtersFollowTabMonthBand() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, QStringLiteral("山田"), QStringLiteral("土木"));
    f.insertInspector(2011, QStringLiteral("O'Neil"), QStringLiteral("建築"));
    const qint64 edge = f.insertCase(caseOf(2011, "境界工事", "山田", 25000000, 6));
    f.insertCase(caseOf(2011, "境界未満工事", "山田", 24999999, 6));
    const qint64 jan = f.insertCase(caseOf(2011, "一月工事", "O'Neil", 50000000, 1));
    const qint64 dec = f.insertCase(caseOf(2011, "十二月工事", "O'Neil", 100, 12));
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    QCOMPARE(w.list().recordCount(), 4);
    auto *band = w.findChild<RadioGroup *>("RadioGroup2");
    auto *month = w.findChild<RadioGroup *>("RadioGroup1");

    clickTab(w, 1);
    QCOMPARE(w.findChild<QLabel *>("Label21")->text(), QStringLiteral("山田 検査員"));
    QCOMPARE(w.findChild<QLabel *>("Label26")->text(), QStringLiteral("土木"));
    QVERIFY(w.findChild<QToolButton *>("SpeedButton12")->isEnabled());
    QTest::mouseClick(month->button(2), Qt::LeftButton);
    QTest::mouseClick(band->button(1), Qt::LeftButton);
    QCOMPARE(w.list().filter(),
             QStringLiteral("年度='2011' and 検査員='山田' and 受付月=6 and 請負金額>=25000000"));
    QCOMPARE(listedIds(w), QList<qint64>{edge});
    QCOMPARE(w.findChild<QGroupBox *>("GroupBox8")->title(),
             QStringLiteral("一覧表( 登録件数=1件 )"));

    clickTab(w, 2);
    QCOMPARE(
        w.list().filter(),
        QStringLiteral("年度='2011' and 検査員='O''Neil' and 受付月=6 and 請負金額>=25000000"));
    QCOMPARE(w.list().recordCount(), 0);
    QTest::mouseClick(month->button(9), Qt::LeftButton); // 1月
    QCOMPARE(listedIds(w), QList<qint64>{jan});
    QTest::mouseClick(month->button(8), Qt::LeftButton); // 12月
    QTest::mouseClick(band->button(0), Qt::LeftButton);
    QCOMPARE(listedIds(w), QList<qint64>{dec});

    clickTab(w, 0);
    QCOMPARE(w.findChild<QLabel *>("Label26")->text(), QStringLiteral("***"));
    QVERIFY(!w.findChild<QToolButton *>("SpeedButton12")->isEnabled());
    QVERIFY(!w.findChild<QToolButton *>("SpeedButton11")->isEnabled());
}

void TestLedger::sortReturnsToIdOrder() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    QVariantMap high = caseOf(2011, "高得点工事", "山田", 1000);
    high["合格年"] = 2011;
    high["評定合計"] = 90.0;
    QVariantMap low = caseOf(2011, "低得点工事", "山田", 1000);
    low["合格年"] = 2011;
    low["評定合計"] = 60.0;
    const qint64 a = f.insertCase(high);
    const qint64 b = f.insertCase(low);
    const qint64 c = f.insertCase(caseOf(2011, "未合格工事", "山田", 1000));
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    QTest::mouseClick(w.findChild<QToolButton *>("ToolButton4"), Qt::LeftButton); // 評定点でソート
    QCOMPARE(listedIds(w), (QList<qint64>{c, b, a}));
    QTest::mouseClick(w.findChild<RadioGroup *>("RadioGroup1")->button(0), Qt::LeftButton);
    QTest::mouseClick(w.findChild<RadioGroup *>("RadioGroup1")->button(12), Qt::LeftButton);
    QCOMPARE(listedIds(w), (QList<qint64>{a, b, c}));
    w.findChild<QAction *>("MenuSort11")->trigger();
    QCOMPARE(listedIds(w), (QList<qint64>{c, b, a}));
}

void TestLedger::yearChangeAndTypedYear() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, QStringLiteral("山田"), QStringLiteral("土木"));
    f.insertInspector(2012, QStringLiteral("佐藤"), QStringLiteral("建築"));
    f.insertInspector(2012, QStringLiteral("鈴木"), QStringLiteral("設備"));
    f.insertCase(caseOf(2011, "一年目工事", "山田", 1000));
    f.insertCase(caseOf(2012, "二年目工事A", "佐藤", 1000));
    f.insertCase(caseOf(2012, "二年目工事B", "鈴木", 1000));
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    auto *year = w.findChild<QComboBox *>("ComboBox1");
    QCOMPARE(year->itemText(0), QStringLiteral("2011"));
    QCOMPARE(year->itemText(year->count() - 1), QStringLiteral("2020"));

    // Typing a year and pressing Enter chooses nothing.
    year->lineEdit()->selectAll();
    QTest::keyClicks(year->lineEdit(), QStringLiteral("2012"));
    QTest::keyClick(year->lineEdit(), Qt::Key_Return);
    QCOMPARE(shared().fiscalYear, QStringLiteral("2011"));
    QCOMPARE(w.list().recordCount(), 1);

    clickTab(w, 1);
    w.setBoxText(QStringLiteral("Edit6"), QStringLiteral("入力途中"));
    emit year->activated(1);
    QCOMPARE(shared().fiscalYear, QStringLiteral("2012"));
    QCOMPARE(w.tabIndex(), 0);
    QCOMPARE(w.inspectorTabs()->count(), 3);
    QCOMPARE(w.inspectorTabs()->tabText(2), QStringLiteral("鈴木"));
    QVERIFY(!w.findChild<QToolButton *>("SpeedButton9")->isEnabled());
    QCOMPARE(w.findChild<QLabel *>("Label26")->text(), QStringLiteral("***"));
    QCOMPARE(w.list().recordCount(), 2);
    QCOMPARE(w.boxText(QStringLiteral("Edit6")), QString());
    // FirstYearId is the start-up year's.
    QCOMPARE(shared().firstYearId, 1);
}

void TestLedger::loadCase() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, QStringLiteral("山田"), QStringLiteral("土木"));
    QVariantMap a = caseOf(2011, "市道1号線改良工事", "山田", 12345678);
    a["請負業者名"] = " ";
    a["工期自"] = "H23/04/01";
    a["変更工期"] = " ";
    a["評定監督員"] = 82.0;
    a["受付番号"] = "工検0001";
    QVariantMap b = caseOf(2011, "変更工期のある工事", "山田", 4999);
    b["工期自"] = "H23/05/01";
    b["変更工期"] = "H24/03/15";
    const qint64 idA = f.insertCase(a);
    f.insertCase(b);
    f.exec(QStringLiteral(
        "INSERT INTO 10工事検査台帳 (年度,工事名,請負金額) VALUES (2013,'別年度',0)"));
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    QCOMPARE(w.list().recordCount(), 2);

    // Moving with the navigator loads nothing.
    w.list().next();
    QCOMPARE(w.boxText(QStringLiteral("Edit1")), QString());
    clickGridRow(w, "DBGrid1", 0);
    QCOMPARE(w.boxText(QStringLiteral("Edit1")), QString::number(idA));
    QCOMPARE(w.boxText(QStringLiteral("Edit21")), QStringLiteral("12345678"));
    QCOMPARE(w.boxText(QStringLiteral("Edit8")), QStringLiteral("1,235"));
    QCOMPARE(w.boxText(QStringLiteral("Edit35")), QStringLiteral("1,235"));
    QCOMPARE(w.boxText(QStringLiteral("Edit36")), QStringLiteral(" "));
    QCOMPARE(w.boxText(QStringLiteral("Edit42")), QString());
    QCOMPARE(w.boxText(QStringLiteral("Edit14")), QStringLiteral("82"));
    QCOMPARE(w.boxText(QStringLiteral("Edit39")), QStringLiteral("工検0001"));
    QCOMPARE(w.boxText(QStringLiteral("Edit26")), QString()); // null reads empty
    auto *label33 = w.findChild<QLabel *>("Label33");
    QVERIFY(label33->isVisible());
    QCOMPARE(label33->text(), QStringLiteral("担当は[ 山田 検査員 ]です"));

    // A changed period end brings the period start into Edit42; a key release loads too.
    auto *grid3 = w.findChild<QTableView *>("DBGrid3");
    w.findChild<QTabWidget *>("PageControl1")->setCurrentIndex(1);
    grid3->setFocus();
    QTest::keyClick(grid3, Qt::Key_Down);
    QCOMPARE(w.list().currentRow(), 1);
    QCOMPARE(w.boxText(QStringLiteral("Edit42")), QStringLiteral("H23/05/01"));
    QCOMPARE(w.boxText(QStringLiteral("Edit8")), QStringLiteral("0"));

    // On an inspector's tab the label stays hidden. Loading puts the case's year into the
    // year box, whatever was typed there, and changes neither FiscalYear nor the list.
    clickTab(w, 1);
    QVERIFY(!label33->isVisible());
    w.findChild<QTabWidget *>("PageControl1")->setCurrentIndex(0);
    auto *yearBox = w.findChild<QComboBox *>("ComboBox1");
    yearBox->setEditText(QStringLiteral("2015"));
    clickGridRow(w, "DBGrid1", 1);
    QVERIFY(!label33->isVisible());
    QCOMPARE(yearBox->currentText(), QStringLiteral("2011"));
    QCOMPARE(shared().fiscalYear, QStringLiteral("2011"));
    QCOMPARE(w.list().recordCount(), 2);

    // An empty list: a click changes nothing.
    QTest::mouseClick(w.findChild<RadioGroup *>("RadioGroup1")->button(3), Qt::LeftButton);
    QCOMPARE(w.list().recordCount(), 0);
    const QString before = w.boxText(QStringLiteral("Edit6"));
    clickGridRow(w, "DBGrid1", 0);
    QCOMPARE(w.boxText(QStringLiteral("Edit6")), before);
    QVERIFY(prompts.prompts.isEmpty());
}

void TestLedger::clearEntry() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    QVariantMap a = caseOf(2011, "市道1号線改良工事", "山田", 12345678);
    a["評定合計"] = 75.5;
    a["件数"] = 3;
    a["受付番号"] = "工検0001";
    f.insertCase(a);
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    clickGridRow(w, "DBGrid1", 0);
    QCOMPARE(w.boxText(QStringLiteral("Edit17")), QStringLiteral("75.5"));
    QTest::mouseClick(w.findChild<QToolButton *>("ToolButton5"), Qt::LeftButton); // 入力欄を消去
    const QList<QPair<const char *, QString>> cleared = {
        {"Edit1", ""},
        {"Edit6", ""},
        {"Edit20", "契約依頼"},
        {"Edit18", "完成検査"},
        {"Edit7", "土木一式工事"},
        {"Edit19", "土木"},
        {"Edit21", "0"},
        {"Edit8", "0"},
        {"Edit24", "0"},
        {"Edit17", "0.0"},
        {"Edit22", "0"},
        {"Edit92", "市長印"},
        {"Edit90", "1"},
        {"Edit79", "2"},
        {"Edit34", "×"},
        // The grey boxes of pages ② and ③ keep the loaded case.
        {"Edit29", "市道1号線改良工事"},
        {"Edit35", "1,235"},
        {"Edit39", "工検0001"},
        {"Edit25", "1"},
    };
    for (const auto &[name, text] : cleared)
        QCOMPARE(w.boxText(QString::fromLatin1(name)), text);
    QVERIFY(w.findChild<QLabel *>("Label33")->isVisible());
}

QTEST_MAIN(TestLedger)
#include "tst_ledger.moc"
