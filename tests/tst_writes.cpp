// The ledger writes: statement lines, receipt and dispatch numbers, and the four buttons
// against a real file.
#include "LedgerStatements.h"
#include "LedgerWindow.h"
#include "RadioGroup.h"
#include "SharedState.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using LedgerStatements::BoxTexts;

namespace {
const QString AppendFailed = QStringLiteral(
    "DB書込みが失敗しました。(Dat_Append Methodのエラー)\r\rゾルテまで連絡して下さい。");
const QString EditFailed = QStringLiteral(
    "DB書込みが失敗しました。(Dat_Edit Methodのエラー)\r\rゾルテまで連絡して下さい。");

void clickTab(LedgerWindow &w, int index) {
    QTabBar *tabs = w.inspectorTabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

void clickButton(LedgerWindow &w, const char *name) {
    auto *b = w.findChild<QToolButton *>(QString::fromLatin1(name));
    QVERIFY(b && b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
}

void clickGridRow(LedgerWindow &w, int row) {
    auto *view = w.findChild<QTableView *>(QStringLiteral("DBGrid1"));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(row, 1)).center());
}

void setNumbering(const LedgerFolder &f, const QString &book, int receiptStart,
                  const QString &dispatchBook, int dispatchStart) {
    f.exec(QStringLiteral("UPDATE 22諸定義 SET "
                          "収受名='%1',収受開始番号=%2,発送名='%3',発送開始番号=%4 WHERE ID=1")
               .arg(book)
               .arg(receiptStart)
               .arg(dispatchBook)
               .arg(dispatchStart));
}

QStringList receiptNumbers(const LedgerFolder &f, int year) {
    QStringList out;
    for (const QStringList &r :
         f.rows(QStringLiteral(
                    "select 受付番号,発送番号 from 10工事検査台帳 where 年度=%1 order by ID")
                    .arg(year)))
        out << r.at(0) + QLatin1Char('/') + r.at(1);
    return out;
}
} // namespace

class TestWrites : public QObject {
    Q_OBJECT
private slots:
    void init() { shared().reset(); }
    void appendLines();
    void editLines();
    void resultAndDispatchLines();
    void numbers_data();
    void numbers();
    void registrationNumbers_data();
    void registrationNumbers();
    void registeringLoadedCaseAsks();
    void appendRefusals();
    void resultAndItsRemoval();
    void dispatchDefaultsAndBadCount();
    void writesGoToCurrentRow();
    void editMovesCaseToTabInspector();
};

void TestWrites::appendLines() {
    BoxTexts b{
        {"Edit2", "06/10"},         {"Edit24", "6"},           {"Edit3", ""},
        {"Edit37", "123-00"},       {"Edit38", "繰越"},        {"Edit6", " O'Neil橋補修工事 "},
        {"Edit36", "　　"},         {"Edit7", "土木一式工事"}, {"Edit21", "12345678"},
        {"Edit9", "H23/04/01"},     {"Edit10", "H24/03/31"},   {"Edit11", ""},
        {"Edit12", "建設部道路課"}, {"Edit13", "田中"},        {"Edit14", "0.0"},
        {"Edit15", "0.0"},          {"Edit16", "0.0"},         {"Edit17", "0.0"},
        {"Edit20", "契約依頼"},     {"Edit18", "完成検査"},    {"Edit19", "土木"}};
    const QStringList lines =
        LedgerStatements::appendLines(b, "工検0112", "工検発0112", "2011", "O'Neil", "土木");
    QCOMPARE(lines.first(), QStringLiteral("Insert Into 10工事検査台帳 ("));
    QCOMPARE(lines.at(1), QStringLiteral("受付番号,"));
    QCOMPARE(lines.at(35), QStringLiteral("財務チェック"));
    QCOMPARE(lines.at(36), QStringLiteral(")"));
    QCOMPARE(lines.at(37), QStringLiteral("VALUES ("));
    const QStringList values = lines.mid(38, 35);
    const QStringList expected = {"'工検0112',",
                                  "'工検発0112',",
                                  "'06/10',",
                                  "'6',",
                                  "' ',",
                                  "'123-00',",
                                  "'繰越',",
                                  "'O''Neil橋補修工事',",
                                  "'　　',",
                                  "'土木一式工事',",
                                  "'12345678',",
                                  "'H23/04/01',",
                                  "'H24/03/31',",
                                  "' ',",
                                  "' ',",
                                  "' ',",
                                  "'建設部道路課',",
                                  "'田中',",
                                  "'0.0',",
                                  "'0.0',",
                                  "'0.0',",
                                  "'0.0',",
                                  "'2011',",
                                  "'0',",
                                  "'0',",
                                  "'O''Neil',",
                                  "'土木',",
                                  "'契約依頼',",
                                  "'完成検査',",
                                  "'土木',",
                                  "'完成検査等',",
                                  "'市長印',",
                                  "'1',",
                                  "'2',",
                                  "'×'"};
    QCOMPARE(values, expected);
    QCOMPARE(lines.last(), QStringLiteral(")"));
    QCOMPARE(lines.size(), 74);
}

void TestWrites::editLines() {
    BoxTexts b{{"Edit2", "06/10"}, {"Edit24", "0"}, {"Edit3", " 10:30 "},
               {"Edit6", "工事"},  {"Edit21", "0"}, {"Edit19", "舗装"}};
    const QStringList lines = LedgerStatements::editLines(b, "2011", "山田", "土木", "12");
    const QStringList expected = {
        "UpDate 10工事検査台帳", " Set 受付日='06/10',", "受付月='0',",        "時間  ='10:30',",
        "工事番号=' ',",         "備考    =' ',",        "工事名    ='工事',", "請負業者名=' ',",
        "業種名称=' ',",         "請負金額='0',",        "工期自=' ',",        "工期至=' ',",
        "変更工期=' ',",         "担当局=' ',",          "担当部=' ',",        "担当課=' ',",
        "監督員=' ',",           "年度='2011',",         "検査員='山田',",     "職種区分='土木',",
        "契約区分=' ',",         "検査区分=' ',",        "工事区分='舗装'",    " where ID= 12"};
    QCOMPARE(lines, expected);
}

void TestWrites::resultAndDispatchLines() {
    BoxTexts b{{"Edit26", ""},     {"Edit27", "特になし"}, {"Edit4", "06/10"}, {"Edit5", "06/10"},
               {"Edit14", "80.0"}, {"Edit15", "70.0"},     {"Edit16", "90.0"}, {"Edit17", "82.0"},
               {"Edit22", "2011"}, {"Edit23", "6"},        {"Edit75", ""},     {"Edit92", "市長印"},
               {"Edit90", "1"},    {"Edit79", " 2 "},      {"Edit34", "○"}};
    QCOMPARE(
        LedgerStatements::resultLines(b, "7"),
        (QStringList{"UpDate 10工事検査台帳", " Set 立入点検日=' ',", "立入点検結果='特になし',",
                     "検査日='06/10',", "合格日='06/10',", "発送日='06/10',", "評定監督員='80.0',",
                     "評定係長='70.0',", "評定検査員='90.0',", "評定合計='82.0',", "合格年='2011',",
                     "合格月='6'", " where ID= 7"}));
    QCOMPARE(LedgerStatements::dispatchLines(b, ""),
             (QStringList{"UpDate 10工事検査台帳", " Set 発送日=' ',", "公印種類='市長印',",
                          "件数='1',", "押印数='2',", "財務チェック='○'", " where ID= "}));
}

void TestWrites::numbers_data() {
    QTest::addColumn<bool>("hasCase");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("number");
    QTest::newRow("fresh year") << false << 0 << 0 << 100 << "工検0100";
    QTest::newRow("501 to 512") << true << 501 << 512 << 100 << "工検0112";
    QTest::newRow("above 9999") << true << 1 << 20 << 9990 << "工検10010";
    QTest::newRow("start 0, one case") << true << 7 << 7 << 0 << "工検0001";
}

void TestWrites::numbers() {
    QFETCH(bool, hasCase);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, start);
    QFETCH(QString, number);
    QCOMPARE(LedgerStatements::bookNumber("工検", start,
                                          LedgerStatements::sequence(hasCase, first, last)),
             number);
}

void TestWrites::registrationNumbers_data() {
    QTest::addColumn<int>("existingFrom"); // first ID of the year's existing cases, 0: none
    QTest::addColumn<int>("existingCount");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("chooseNextYear");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("fresh year") << 0 << 0 << 100 << false
                                << QStringList{"工検0100/発0200", "工検0101/発0201",
                                               "工検0102/発0202"};
    QTest::newRow("cases 501 to 512")
        << 501 << 12 << 100 << false
        << QStringList{"工検0112/発0212", "工検0113/発0213", "工検0114/発0214"};
    QTest::newRow("above 9999") << 1 << 9 << 9990 << false
                                << QStringList{"工検9999/発10099", "工検10000/発10100",
                                               "工検10001/発10101"};
    QTest::newRow("year chosen in the box")
        << 1 << 5 << 100 << true
        << QStringList{"工検0100/発0200", "工検0101/発0201", "工検0102/発0202"};
}

void TestWrites::registrationNumbers() {
    QFETCH(int, existingFrom);
    QFETCH(int, existingCount);
    QFETCH(int, start);
    QFETCH(bool, chooseNextYear);
    QFETCH(QStringList, numbers);
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    setNumbering(f, "工検", start, "発", start + 100);
    f.insertInspector(2011, "山田", "土木");
    f.insertInspector(2012, "山田", "土木");
    for (int i = 0; i < existingCount; ++i)
        f.exec(QStringLiteral("INSERT INTO 10工事検査台帳 (ID,年度,工事名,請負金額,受付番号) "
                              "VALUES (%1,2011,'既存',0,'x')")
                   .arg(existingFrom + i));
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    const int year = chooseNextYear ? 2012 : 2011;
    if (chooseNextYear)
        emit w.findChild<QComboBox *>("ComboBox1")->activated(1);
    clickTab(w, 1);
    for (int i = 0; i < 3; ++i) {
        w.setBoxText("Edit6", QStringLiteral("登録工事%1").arg(i));
        clickButton(w, "SpeedButton12");
    }
    QCOMPARE(prompts.texts().count(QStringLiteral("台帳に新規登録しました")), 3);
    QStringList got = receiptNumbers(f, year);
    if (!chooseNextYear)
        got = got.mid(existingCount);
    QCOMPARE(got, numbers);
    const QList<QStringList> ids = f.rows(QStringLiteral(
        "select ID from 10工事検査台帳 where 工事名 like '登録工事%' order by 工事名"));
    QVERIFY(ids.at(0).at(0).toInt() < ids.at(1).at(0).toInt());
    QVERIFY(ids.at(1).at(0).toInt() < ids.at(2).at(0).toInt());
    QCOMPARE(prompts.prompts.at(0).text, QStringLiteral("工事検査台帳に[新規登録]しますか。"));
    QCOMPARE(prompts.prompts.at(0).pos, std::optional<QPoint>(w.pos() + QPoint(750, 300)));
    // The list is refreshed after each registration and shows the new cases in ID order.
    QCOMPARE(w.list().text(w.list().recordCount() - 1, "工事名"), QStringLiteral("登録工事2"));
}

void TestWrites::registeringLoadedCaseAsks() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, "山田", "土木");
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    clickTab(w, 1);
    w.setBoxText("Edit6", "最初の工事");
    w.setBoxText("Edit14", "80.0");
    clickButton(w, "SpeedButton12");
    // A fresh entry (Edit1 empty) was not asked about.
    QCOMPARE(prompts.texts(),
             (QStringList{"工事検査台帳に[新規登録]しますか。", "台帳に新規登録しました"}));
    clickGridRow(w, 0);
    QCOMPARE(w.boxText("Edit1"), QStringLiteral("1"));
    prompts.clear();
    prompts.answers = {true, false};
    clickButton(w, "SpeedButton12");
    QCOMPARE(prompts.texts().last(),
             QStringLiteral(
                 "既にこのIDは登録されています。\r\r別のIDで新規登録します。\r\rいいですか。"));
    QCOMPARE(f.scalar("select count(*) from 10工事検査台帳").toInt(), 1);
    prompts.clear();
    clickButton(w, "SpeedButton12");
    QCOMPARE(prompts.texts().size(), 3);
    QCOMPARE(
        f.rows("select 工事名,評定監督員,受付番号 from 10工事検査台帳 order by ID"),
        (QList<QStringList>{{"最初の工事", "80", "工検0000"}, {"最初の工事", "80", "工検0001"}}));
}

void TestWrites::appendRefusals() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, "O'Neil", "建築");
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    clickTab(w, 1);
    w.setBoxText("Edit6", " \t");
    clickButton(w, "SpeedButton12");
    QCOMPARE(prompts.lastText(), QStringLiteral("工事名が入力されていません"));
    // A blank score is refused by the engine: the operation's message, nothing written.
    w.setBoxText("Edit6", "O'Neil邸改修工事");
    w.setBoxText("Edit15", "");
    clickButton(w, "SpeedButton12");
    QCOMPARE(prompts.lastText(), AppendFailed);
    QCOMPARE(f.scalar("select count(*) from 10工事検査台帳").toInt(), 0);
    w.setBoxText("Edit15", "0.0");
    clickButton(w, "SpeedButton12");
    QCOMPARE(f.rows("select "
                    "工事名,検査員,職種区分,受付日,件名,公印種類,件数,押印数,財務チェック,"
                    "立入点検日 from 10工事検査台帳"),
             (QList<QStringList>{{"O'Neil邸改修工事", "O'Neil", "建築", " ", "完成検査等", "市長印",
                                  "1", "2", "×", ""}}));
    QVERIFY(f.scalar("select 立入点検日 from 10工事検査台帳").isNull());
}

void TestWrites::resultAndItsRemoval() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, "山田", "土木");
    const qint64 id = f.insertCase({{"年度", 2011},
                                    {"工事名", "市道工事"},
                                    {"請負金額", 1000},
                                    {"検査員", "山田"},
                                    {"合格年", 0},
                                    {"合格月", 0},
                                    {"発送日", "05/01"},
                                    {"評定監督員", 0.0},
                                    {"評定係長", 0.0},
                                    {"評定検査員", 0.0},
                                    {"評定合計", 0.0}});
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    clickTab(w, 1);
    clickGridRow(w, 0);
    // The inspection date of 10 June 2011 as the calendar writes it.
    w.setBoxText("Edit4", "06/10");
    w.setBoxText("Edit5", "06/10");
    w.setBoxText("Edit22", "2011");
    w.setBoxText("Edit23", "6");
    clickButton(w, "SpeedButton8");
    QCOMPARE(prompts.texts(),
             (QStringList{"工事検査台帳を[上書登録]します。\r\rいいですか。",
                          QStringLiteral("修正対象の ID は[ %1 ]です。\r\rいいですか？").arg(id),
                          "台帳を上書登録しました"}));
    QCOMPARE(prompts.prompts.at(1).pos, std::optional<QPoint>(w.pos() + QPoint(750, 280)));
    QCOMPARE(f.rows("select 検査日,合格日,合格年,合格月,発送日,立入点検日,立入点検結果 from "
                    "10工事検査台帳"),
             (QList<QStringList>{{"06/10", "06/10", "2011", "6", "06/10", " ", " "}}));
    // The inspection date removed with its caption: pass year and month back to 0.
    w.setBoxText("Edit4", "");
    w.setBoxText("Edit5", "");
    w.setBoxText("Edit22", "0");
    w.setBoxText("Edit23", "0");
    clickButton(w, "SpeedButton8");
    QCOMPARE(f.scalar("select 合格月 from 10工事検査台帳").toInt(), 0);
    QCOMPARE(f.scalar("select count(*) from 10工事検査台帳 where 合格月>0").toInt(), 0);
    QCOMPARE(w.list().currentRow(), 0);
}

void TestWrites::dispatchDefaultsAndBadCount() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, "山田", "土木");
    f.insertCase({{"年度", 2011},
                  {"工事名", "市道工事"},
                  {"請負金額", 1000},
                  {"検査員", "山田"},
                  {"件数", 5},
                  {"押印数", 7},
                  {"公印種類", "副市長印"}});
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    clickTab(w, 1); // the tab change clears the boxes to their defaults
    clickGridRow(w, 0);
    w.ClearEntry();
    w.setBoxText("Edit6", "市道工事");
    clickButton(w, "SpeedButton11");
    QCOMPARE(f.rows("select 発送日,公印種類,件数,押印数,財務チェック from 10工事検査台帳"),
             (QList<QStringList>{{" ", "市長印", "1", "2", "×"}}));
    for (const QString &bad : {QStringLiteral("abc"), QString()}) {
        prompts.clear();
        w.setBoxText("Edit90", bad);
        w.setBoxText("Edit79", "9");
        w.setBoxText("Edit34", "○");
        clickButton(w, "SpeedButton11");
        QCOMPARE(prompts.lastText(), EditFailed);
        QCOMPARE(f.rows("select 件数,押印数,財務チェック from 10工事検査台帳"),
                 (QList<QStringList>{{"1", "2", "×"}}));
    }
}

void TestWrites::writesGoToCurrentRow() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, "山田", "土木");
    for (int i = 0; i < 3; ++i)
        f.insertCase({{"年度", 2011},
                      {"工事名", QStringLiteral("工事%1").arg(i)},
                      {"請負金額", 1000},
                      {"検査員", "山田"},
                      {"評定監督員", 0.0},
                      {"評定係長", 0.0},
                      {"評定検査員", 0.0},
                      {"評定合計", 0.0},
                      {"合格年", 0},
                      {"合格月", 0}});
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    clickTab(w, 1);
    clickGridRow(w, 0);
    w.list().next(); // the navigator moves the list, not the boxes
    w.list().next();
    w.setBoxText("Edit17", "75.0");
    clickButton(w, "SpeedButton8");
    QCOMPARE(prompts.prompts.at(1).text,
             QStringLiteral("修正対象の ID は[ 3 ]です。\r\rいいですか？"));
    QCOMPARE(f.rows("select 評定合計 from 10工事検査台帳 order by ID"),
             (QList<QStringList>{{"0"}, {"0"}, {"75"}}));
    // Afterwards the list stands on the case of the page's ID box.
    QCOMPARE(w.list().fieldText("ID"), QStringLiteral("1"));

    // No on the ID question writes nothing.
    prompts.clear();
    prompts.answers = {true, false};
    w.setBoxText("Edit17", "10.0");
    clickButton(w, "SpeedButton8");
    QCOMPARE(f.scalar("select 評定合計 from 10工事検査台帳 where ID=1").toDouble(), 0.0);

    // An empty list: the question names no case and Yes fails with the message.
    w.findChild<RadioGroup *>("RadioGroup1")->button(5)->click();
    QCOMPARE(w.list().recordCount(), 0);
    prompts.clear();
    clickButton(w, "SpeedButton9");
    QCOMPARE(prompts.texts(),
             (QStringList{"工事検査台帳を[修正登録]します。\r\rいいですか。",
                          "修正対象の ID は[  ]です。\r\rいいですか？", EditFailed}));
    QCOMPARE(prompts.prompts.at(2).pos, std::optional<QPoint>(w.pos() + QPoint(750, 235)));
}

void TestWrites::editMovesCaseToTabInspector() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, "山田", "土木");
    f.insertInspector(2011, "佐藤", "建築");
    f.insertCase({{"年度", 2011},
                  {"工事名", "市道工事"},
                  {"請負金額", 1000},
                  {"検査員", "山田"},
                  {"職種区分", "土木"},
                  {"受付番号", "工検0001"},
                  {"評定合計", 81.5},
                  {"受付月", 4}});
    ScriptedPrompter prompts;
    LedgerWindow w;
    w.show();
    clickGridRow(w, 0); // loaded on the first tab
    clickTab(w, 2);     // the tab change clears the boxes: load again on 佐藤's tab
    w.findChild<RadioGroup *>("RadioGroup1")->button(12)->click();
    QCOMPARE(w.list().recordCount(), 0);
    clickTab(w, 0);
    clickGridRow(w, 0);
    clickTab(w, 2);
    // Typing the case back: the boxes of a case loaded on another tab.
    w.setBoxText("Edit1", "1");
    w.setBoxText("Edit6", "市道工事（変更）");
    w.setBoxText("Edit24", "0");
    w.setBoxText("Edit21", "2000");
    // The list on 佐藤's tab is empty, so the write has no row; show 全検査員 for a row.
    w.list().setFilter("年度='2011'");
    w.list().open();
    clickButton(w, "SpeedButton9");
    QCOMPARE(prompts.lastText(), QStringLiteral("台帳を修正登録しました"));
    QCOMPARE(
        f.rows(
            "select 工事名,検査員,職種区分,受付番号,評定合計,受付月,請負金額 from 10工事検査台帳"),
        (QList<QStringList>{
            {"市道工事（変更）", "佐藤", "建築", "工検0001", "81.5", "0", "2000"}}));
    // After the refresh on 佐藤's tab the moved case is listed there.
    QCOMPARE(w.list().recordCount(), 1);
}

QTEST_MAIN(TestWrites)
#include "tst_writes.moc"
