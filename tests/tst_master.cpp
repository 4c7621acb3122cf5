// The settings window: the statements of its writes, the checks and messages, the grids
// with their navigators, and when the rest of the program sees what was changed.
#include "EngineError.h"
#include "Kanri.h"
#include "LedgerWindow.h"
#include "TableDataset.h"
#include "RecordNavigator.h"
#include "SettingsWindow.h"
#include "TestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {
const QPoint AskOffset(150, 120);
const QPoint MessageOffset(245, 130);

QString failure(const QString &operation) {
    return u"DB書込みが失敗しました。("_s + operation +
           u" Methodのエラー)\r\rゾルテまで連絡して下さい。"_s;
}

// A started ledger window with its settings window open over the fixture's file.
struct Settings {
    LedgerWindow ledger;
    SettingsWindow window{ledger};

    Settings() {
        ledger.move(120, 80);
        ledger.show();
        window.openSettings();
    }
    QLineEdit *box(const QString &name) { return window.findChild<QLineEdit *>(name); }
    void fill(const QString &name, const QString &text) { box(name)->setText(text); }
    void click(const QString &button) {
        auto *b = window.findChild<QToolButton *>(button);
        QVERIFY2(b, qPrintable(button));
        b->click();
    }
    void navigate(const QString &navigator, RecordNavigator::Button which) {
        auto *nav = window.findChild<RecordNavigator *>(navigator);
        QVERIFY2(nav && nav->button(which), qPrintable(navigator));
        nav->button(which)->click();
    }
    QTableView *grid(const QString &name) { return window.findChild<QTableView *>(name); }
    // Releases the mouse button over a row of a grid, as a click does.
    void clickRow(const QString &gridName, int row) {
        QTableView *view = grid(gridName);
        const QRect cell = view->visualRect(view->model()->index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QPoint at(QPoint offset) const { return window.pos() + offset; }
};

void fillInspector(Settings &s, const QStringList &texts) {
    for (int i = 0; i < texts.size(); ++i)
        s.fill(u"LabeledEdit%1"_s.arg(i + 1), texts.at(i));
}
} // namespace

class TestMaster : public QObject {
    Q_OBJECT
private slots:
    void statements_data();
    void statements();
    void rawValuesRefused_data();
    void rawValuesRefused();
    void opensAtLedgerWindow();
    void emptyBoxesRefused_data();
    void emptyBoxesRefused();
    void addStoresBlankAndApostrophe();
    void navigatorMovesWithoutLoading();
    void gridsLoadTheirBoxes();
    void refusedTextWritesNothing_data();
    void refusedTextWritesNothing();
    void failureNamesOperation_data();
    void failureNamesOperation();
    void deleteAsksFirst();
    void startNumbersAfterRestart();
    void closeButtonClosesTables();
};

void TestMaster::statements_data() {
    QTest::addColumn<QStringList>("built");
    QTest::addColumn<QStringList>("expected");

    const InspectorBoxes yamada{u"2011"_s, u"3"_s, u" 山田太郎 "_s, u"土木"_s, u"A-102"_s};
    QTest::newRow("Ken_Add") << TKanri::kenAddLines(yamada)
                             << QStringList{u"Insert Into 20検査員 ("_s,
                                            u"年度,"_s,
                                            u"検査員番号,"_s,
                                            u"検査員,"_s,
                                            u"職種区分,"_s,
                                            u"職員コード"_s,
                                            u")"_s,
                                            u"VALUES ("_s,
                                            u"2011,"_s,
                                            u"3,"_s,
                                            u"'山田太郎',"_s,
                                            u"'土木',"_s,
                                            u"'A-102'"_s,
                                            u")"_s};
    const InspectorBoxes oneil{u" 2012"_s, u"12 "_s, u"O'Neil"_s, u"設備"_s, u""_s};
    QTest::newRow("Ken_Edit, trimmed numbers, no staff code")
        << TKanri::kenEditLines(oneil, u"7"_s)
        << QStringList{u"UpDate 20検査員"_s,    u" set 年度 =2012,"_s,
                       u"検査員番号=12,"_s,     u"検査員    ='O''Neil',"_s,
                       u"職種区分  ='設備',"_s, u"職員コード=' '"_s,
                       u" where ID=7"_s};
    QTest::newRow("Stp_Add") << TKanri::stpAddLines(u"副市長印"_s)
                             << QStringList{
                                    u"Insert Into 21公印 ("_s, u"公印種類"_s, u")"_s, u"VALUES ("_s,
                                    u"'副市長印'"_s,           u")"_s};
    QTest::newRow("Stp_Edit") << TKanri::stpEditLines(u"会計管理者印"_s, u"2"_s)
                              << QStringList{u"UpDate 21公印"_s, u" set 公印種類 ='会計管理者印'"_s,
                                             u" where ID=2"_s};
    QTest::newRow("Uke_Edit, empty names")
        << TKanri::ukeEditLines({u""_s, u"500"_s, u"  "_s, u"800"_s})
        << QStringList{u"UpDate 22諸定義"_s,   u" set 収受名 =' ',"_s, u"収受開始番号=500,"_s,
                       u"発送名      =' ',"_s, u"発送開始番号=800"_s,  u" where ID=1"_s};
}

void TestMaster::statements() {
    QFETCH(QStringList, built);
    QFETCH(QStringList, expected);
    QCOMPARE(built, expected);
}

void TestMaster::rawValuesRefused_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("text");
    QTest::newRow("year with a statement") << "add"
                                           << "2011; drop table 20検査員";
    QTest::newRow("year with a condition") << "edit"
                                           << "2011 or 1=1";
    QTest::newRow("year in full-width digits") << "add"
                                               << "２０１１";
    QTest::newRow("year with a comment") << "edit"
                                         << "2011--";
    QTest::newRow("receipt start with a subquery") << "books"
                                                   << "(select 1)";
    QTest::newRow("receipt start with a decimal") << "books"
                                                  << "1.5";
}

void TestMaster::rawValuesRefused() {
    QFETCH(QString, op);
    QFETCH(QString, text);
    const InspectorBoxes boxes{text, u"1"_s, u"山田"_s, u"土木"_s, u""_s};
    if (op == u"add")
        QVERIFY_THROWS_EXCEPTION(EngineError, TKanri::kenAddLines(boxes));
    else if (op == u"edit")
        QVERIFY_THROWS_EXCEPTION(EngineError, TKanri::kenEditLines(boxes, u"1"_s));
    else
        QVERIFY_THROWS_EXCEPTION(EngineError,
                                 TKanri::ukeEditLines({u"工検"_s, text, u"工検発"_s, u"0"_s}));
}

void TestMaster::opensAtLedgerWindow() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2010, u"佐藤"_s, u"建築"_s);
    f.insertInspector(2011, u"山田"_s, u"土木"_s);
    ScriptedPrompter p;
    LedgerWindow ledger;
    SettingsWindow window(ledger);
    connect(&ledger, &LedgerWindow::settingsRequested, &window, &SettingsWindow::openSettings);
    ledger.move(150, 60);
    ledger.show();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.objectName(), u"Form6"_s);
    QCOMPARE(window.windowTitle(), u"工事検査員等の設定"_s);
    QCOMPARE(window.size(), QSize(399, 501));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(window.windowModality(), Qt::NonModal);

    ledger.findChild<QAction *>(u"MenuSettings"_s)->trigger();
    QVERIFY(window.isVisible());
    QCOMPARE(window.pos(), ledger.pos() + QPoint(0, 40));
    // Every fiscal year's inspectors, the seal and the one numbering row.
    QCOMPARE(window.inspectors().recordCount(), 2);
    QCOMPARE(window.findChild<QTableView *>(u"DBGrid1"_s)->model()->rowCount(), 2);
    QCOMPARE(window.seals().recordCount(), 1);
    QCOMPARE(window.books().recordCount(), 1);
    QVERIFY(p.prompts.isEmpty());
    // The books have no delete button; the other two navigators do.
    QVERIFY(
        !window.findChild<RecordNavigator *>(u"DBNavigator3"_s)->button(RecordNavigator::Delete));
    QVERIFY(
        window.findChild<RecordNavigator *>(u"DBNavigator2"_s)->button(RecordNavigator::Delete));
}

void TestMaster::emptyBoxesRefused_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("boxes"); // LabeledEdit1.. of the button's group
    QTest::addColumn<int>("firstBox");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("refusal");
    const QString addInspector = u"工事検査員を[新規登録]しますか。"_s;
    QTest::newRow("year") << "SpeedButton3" << QStringList{"", "", "", "", ""} << 1 << addInspector
                          << "年度が入力されていません";
    QTest::newRow("number") << "SpeedButton3" << QStringList{"2011", " \t", "", "", ""} << 1
                            << addInspector << "検査員番号が入力されていません";
    QTest::newRow("name") << "SpeedButton2" << QStringList{"2011", "1", "  ", "土木", ""} << 1
                          << "工事検査員を[修正]しますか。"
                          << "検査員の氏名が入力されていません";
    QTest::newRow("trade") << "SpeedButton3" << QStringList{"2011", "1", "山田", "", "X"} << 1
                           << addInspector << "職種区分が入力されていません";
    QTest::newRow("seal add") << "SpeedButton5" << QStringList{" "} << 6
                              << "公印を[新規登録]しますか。"
                              << "公印の種類が入力されていません";
    QTest::newRow("seal edit") << "SpeedButton4" << QStringList{""} << 6
                               << "公印の種類を[修正]しますか。"
                               << "公印の種類が入力されていません";
    QTest::newRow("receipt start") << "SpeedButton6" << QStringList{"工検", " ", "工検発", ""} << 7
                                   << "収発簿の定義を[修正]しますか。"
                                   << "収受開始番号が入力されていません";
    QTest::newRow("dispatch start")
        << "SpeedButton6" << QStringList{"", "10", "", ""} << 7 << "収発簿の定義を[修正]しますか。"
        << "発送開始番号が入力されていません";
}

void TestMaster::emptyBoxesRefused() {
    QFETCH(QString, button);
    QFETCH(QStringList, boxes);
    QFETCH(int, firstBox);
    QFETCH(QString, question);
    QFETCH(QString, refusal);
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, u"山田"_s, u"土木"_s);
    ScriptedPrompter p;
    Settings s;
    const auto before = f.rows(u"select * from 20検査員"_s) + f.rows(u"select * from 21公印"_s) +
                        f.rows(u"select * from 22諸定義"_s);
    for (int i = 0; i < boxes.size(); ++i)
        s.fill(u"LabeledEdit%1"_s.arg(firstBox + i), boxes.at(i));
    s.click(button);

    QCOMPARE(p.prompts.size(), 2);
    QCOMPARE(p.prompts.at(0).kind, Prompt::Kind::Question);
    QCOMPARE(p.prompts.at(0).text, question);
    QCOMPARE(p.prompts.at(0).pos, s.at(AskOffset));
    QCOMPARE(p.prompts.at(1).kind, Prompt::Kind::Message);
    QCOMPARE(p.prompts.at(1).text, refusal);
    QCOMPARE(p.prompts.at(1).pos, s.at(MessageOffset));
    QCOMPARE(f.rows(u"select * from 20検査員"_s) + f.rows(u"select * from 21公印"_s) +
                 f.rows(u"select * from 22諸定義"_s),
             before);
}

void TestMaster::addStoresBlankAndApostrophe() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, u"山田"_s, u"土木"_s);
    ScriptedPrompter p;
    Settings s;
    fillInspector(s, {u"2011"_s, u"2"_s, u"O'Neil"_s, u"建築"_s, u"   "_s});
    s.click(u"SpeedButton3"_s);

    QCOMPARE(p.texts(),
             QStringList({u"工事検査員を[新規登録]しますか。"_s, u"台帳に新規登録しました"_s}));
    QCOMPARE(p.prompts.at(1).pos, s.at(MessageOffset));
    QCOMPARE(
        f.rows(u"select 年度, 検査員番号, 検査員, 職種区分, 職員コード, typeof(年度) from "
               "20検査員 where ID=2"_s),
        QList<QStringList>({{u"2011"_s, u"2"_s, u"O'Neil"_s, u"建築"_s, u" "_s, u"integer"_s}}));
    // The grid shows the table afresh from its first row.
    QCOMPARE(s.window.inspectors().recordCount(), 2);
    QCOMPARE(s.window.inspectors().currentRow(), 0);

    // Answering no writes nothing.
    p.clear();
    p.answers = {false};
    s.click(u"SpeedButton3"_s);
    QCOMPARE(p.prompts.size(), 1);
    QCOMPARE(f.scalar(u"select count(*) from 20検査員"_s).toInt(), 2);
}

void TestMaster::navigatorMovesWithoutLoading() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, u"山田"_s, u"土木"_s, 1);
    f.insertInspector(2011, u"佐藤"_s, u"建築"_s, 2);
    f.insertInspector(2011, u"鈴木"_s, u"設備"_s, 3);
    ScriptedPrompter p;
    Settings s;
    s.clickRow(u"DBGrid1"_s, 0);
    QCOMPARE(s.box(u"LabeledEdit3"_s)->text(), u"山田"_s);

    s.navigate(u"DBNavigator1"_s, RecordNavigator::Next);
    s.navigate(u"DBNavigator1"_s, RecordNavigator::Last);
    QCOMPARE(s.window.inspectors().currentRow(), 2);
    QCOMPARE(s.grid(u"DBGrid1"_s)->currentIndex().row(), 2);
    // The boxes still hold the first row.
    QCOMPARE(s.box(u"LabeledEdit2"_s)->text(), u"1"_s);
    QCOMPARE(s.box(u"LabeledEdit3"_s)->text(), u"山田"_s);

    s.fill(u"LabeledEdit3"_s, u"山田一郎"_s);
    s.click(u"SpeedButton2"_s);
    QCOMPARE(p.texts(), QStringList({u"工事検査員を[修正]しますか。"_s, u"台帳を修正しました"_s}));
    // The row the grid showed took the boxes; the row they came from is as it was.
    QCOMPARE(f.rows(u"select ID, 検査員番号, 検査員, 職種区分 from 20検査員 order by ID"_s),
             QList<QStringList>({{u"1"_s, u"1"_s, u"山田"_s, u"土木"_s},
                                 {u"2"_s, u"2"_s, u"佐藤"_s, u"建築"_s},
                                 {u"3"_s, u"1"_s, u"山田一郎"_s, u"土木"_s}}));
    // The grid is back on the row edited, read afresh.
    QCOMPARE(s.window.inspectors().currentRow(), 2);
    QCOMPARE(s.window.inspectors().fieldText(u"検査員"_s), u"山田一郎"_s);
    QCOMPARE(s.grid(u"DBGrid1"_s)->currentIndex().row(), 2);

    s.navigate(u"DBNavigator1"_s, RecordNavigator::Prior);
    s.navigate(u"DBNavigator1"_s, RecordNavigator::First);
    QCOMPARE(s.window.inspectors().currentRow(), 0);
    QCOMPARE(s.box(u"LabeledEdit3"_s)->text(), u"山田一郎"_s);
}

void TestMaster::gridsLoadTheirBoxes() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.exec(u"INSERT INTO 21公印 (公印種類) VALUES ('副市長印')"_s);
    f.exec(u"UPDATE 22諸定義 SET 収受開始番号=120, 発送名=' ' WHERE ID=1"_s);
    ScriptedPrompter p;
    Settings s;
    s.clickRow(u"DBGrid2"_s, 1);
    QCOMPARE(s.box(u"LabeledEdit6"_s)->text(), u"副市長印"_s);
    // A key released in the seal grid loads the row it moved to.
    QTableView *seals = s.grid(u"DBGrid2"_s);
    seals->setFocus();
    QTest::keyClick(seals, Qt::Key_Up);
    QCOMPARE(s.window.seals().currentRow(), 0);
    QCOMPARE(s.box(u"LabeledEdit6"_s)->text(), u"市長印"_s);

    // The books grid loads on a click only.
    QTableView *books = s.grid(u"DBGrid3"_s);
    books->setFocus();
    QTest::keyClick(books, Qt::Key_Down);
    QCOMPARE(s.box(u"LabeledEdit8"_s)->text(), QString());
    s.clickRow(u"DBGrid3"_s, 0);
    QCOMPARE(s.box(u"LabeledEdit7"_s)->text(), u"工検"_s);
    QCOMPARE(s.box(u"LabeledEdit8"_s)->text(), u"120"_s);
    QCOMPARE(s.box(u"LabeledEdit9"_s)->text(), u" "_s);
    QCOMPARE(s.box(u"LabeledEdit10"_s)->text(), u"0"_s);

    // An empty inspector table loads nothing.
    s.fill(u"LabeledEdit3"_s, u"そのまま"_s);
    s.window.Ken_Load();
    QCOMPARE(s.box(u"LabeledEdit3"_s)->text(), u"そのまま"_s);
    QVERIFY(p.prompts.isEmpty());
}

void TestMaster::refusedTextWritesNothing_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("operation");
    QTest::newRow("added year with a statement") << "SpeedButton3"
                                                 << "LabeledEdit1"
                                                 << "2011); delete from 20検査員; --"
                                                 << "Ken_Add";
    QTest::newRow("edited year with a condition") << "SpeedButton2"
                                                  << "LabeledEdit1"
                                                  << "2011 or 1=1"
                                                  << "Ken_Edit";
    QTest::newRow("inspector number in words") << "SpeedButton3"
                                               << "LabeledEdit2"
                                               << "三"
                                               << "Ken_Add";
    QTest::newRow("receipt start with a condition") << "SpeedButton6"
                                                    << "LabeledEdit8"
                                                    << "1 where 1=1 --"
                                                    << "Uke_Edit";
    QTest::newRow("dispatch start with an expression") << "SpeedButton6"
                                                       << "LabeledEdit10"
                                                       << "10+ID"
                                                       << "Uke_Edit";
}

void TestMaster::refusedTextWritesNothing() {
    QFETCH(QString, button);
    QFETCH(QString, boxName);
    QFETCH(QString, text);
    QFETCH(QString, operation);
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, u"山田"_s, u"土木"_s, 1);
    f.insertInspector(2011, u"佐藤"_s, u"建築"_s, 2);
    ScriptedPrompter p;
    Settings s;
    const auto before = f.rows(u"select * from 20検査員"_s) + f.rows(u"select * from 22諸定義"_s);
    fillInspector(s, {u"2011"_s, u"5"_s, u"鈴木"_s, u"設備"_s, u""_s});
    for (int b = 7; b <= 10; ++b)
        s.fill(u"LabeledEdit%1"_s.arg(b), u"10"_s);
    s.fill(boxName, text);
    s.window.inspectors().last();
    s.click(button);

    QCOMPARE(p.prompts.size(), 2);
    QCOMPARE(p.prompts.at(1).text, failure(operation));
    QCOMPARE(p.prompts.at(1).pos, s.at(MessageOffset));
    QCOMPARE(f.rows(u"select * from 20検査員"_s) + f.rows(u"select * from 22諸定義"_s), before);
    QCOMPARE(s.window.inspectors().recordCount(), 2);
}

void TestMaster::failureNamesOperation_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("operation");
    QTest::newRow("seal insert") << "BEFORE INSERT ON 21公印"
                                 << "SpeedButton5"
                                 << "Ken_Add";
    QTest::newRow("seal update") << "BEFORE UPDATE ON 21公印"
                                 << "SpeedButton4"
                                 << "Stp_Edit";
    QTest::newRow("inspector insert") << "BEFORE INSERT ON 20検査員"
                                      << "SpeedButton3"
                                      << "Ken_Add";
    QTest::newRow("books update") << "BEFORE UPDATE ON 22諸定義"
                                  << "SpeedButton6"
                                  << "Uke_Edit";
}

void TestMaster::failureNamesOperation() {
    QFETCH(QString, trigger);
    QFETCH(QString, button);
    QFETCH(QString, operation);
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.exec(u"CREATE TRIGGER refuse "_s + trigger + u" BEGIN SELECT RAISE(ABORT, 'refused'); END"_s);
    ScriptedPrompter p;
    Settings s;
    const auto before = f.rows(u"select * from 20検査員"_s) + f.rows(u"select * from 21公印"_s) +
                        f.rows(u"select * from 22諸定義"_s);
    fillInspector(s, {u"2011"_s, u"1"_s, u"山田"_s, u"土木"_s, u""_s});
    s.fill(u"LabeledEdit6"_s, u"副市長印"_s);
    s.fill(u"LabeledEdit8"_s, u"1"_s);
    s.fill(u"LabeledEdit10"_s, u"1"_s);
    s.click(button);

    QCOMPARE(p.prompts.size(), 2);
    QCOMPARE(p.prompts.at(1).kind, Prompt::Kind::Message);
    QCOMPARE(p.prompts.at(1).text, failure(operation));
    QCOMPARE(p.prompts.at(1).pos, s.at(MessageOffset));
    QCOMPARE(f.rows(u"select * from 20検査員"_s) + f.rows(u"select * from 21公印"_s) +
                 f.rows(u"select * from 22諸定義"_s),
             before);
}

void TestMaster::deleteAsksFirst() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.exec(u"INSERT INTO 21公印 (公印種類) VALUES ('副市長印')"_s);
    f.insertInspector(2011, u"山田"_s, u"土木"_s);
    ScriptedPrompter p;
    Settings s;
    s.window.seals().last();
    p.answers = {false};
    s.navigate(u"DBNavigator2"_s, RecordNavigator::Delete);
    QCOMPARE(p.prompts.size(), 1);
    QCOMPARE(p.prompts.at(0).kind, Prompt::Kind::OkCancel);
    QCOMPARE(p.prompts.at(0).text, u"レコードを削除してもよいですか？"_s);
    QCOMPARE(f.scalar(u"select count(*) from 21公印"_s).toInt(), 2);

    s.navigate(u"DBNavigator2"_s, RecordNavigator::Delete);
    QCOMPARE(f.rows(u"select 公印種類 from 21公印"_s), QList<QStringList>({{u"市長印"_s}}));
    QCOMPARE(s.grid(u"DBGrid2"_s)->model()->rowCount(), 1);

    s.navigate(u"DBNavigator1"_s, RecordNavigator::Delete);
    QCOMPARE(f.scalar(u"select count(*) from 20検査員"_s).toInt(), 0);
    // With nothing left there is nothing to ask about.
    p.clear();
    s.navigate(u"DBNavigator1"_s, RecordNavigator::Delete);
    QVERIFY(p.prompts.isEmpty());
}

void TestMaster::startNumbersAfterRestart() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, u"山田"_s, u"土木"_s);
    ScriptedPrompter p;
    auto registerCase = [](LedgerWindow &w, const QString &name) {
        w.inspectorTabs()->setCurrentIndex(1);
        w.tabChanged(1);
        w.setBoxText(u"Edit6"_s, name);
        w.findChild<QToolButton *>(u"SpeedButton12"_s)->click();
    };
    {
        Settings s;
        s.fill(u"LabeledEdit7"_s, u"検受"_s);
        s.fill(u"LabeledEdit8"_s, u"500"_s);
        s.fill(u"LabeledEdit9"_s, u"検発"_s);
        s.fill(u"LabeledEdit10"_s, u"800"_s);
        s.click(u"SpeedButton6"_s);
        QCOMPARE(p.lastText(), u"台帳を修正しました"_s);
        QCOMPARE(f.rows(u"select 収受名, 収受開始番号, 発送名, 発送開始番号 from 22諸定義"_s),
                 QList<QStringList>({{u"検受"_s, u"500"_s, u"検発"_s, u"800"_s}}));
        // This run still numbers from the books it read when it started.
        registerCase(s.ledger, u"市道1号線工事"_s);
        QCOMPARE(p.lastText(), u"台帳に新規登録しました"_s);
    }
    LedgerWindow restarted;
    restarted.show();
    registerCase(restarted, u"市道2号線工事"_s);
    QCOMPARE(f.rows(u"select 工事名, 受付番号, 発送番号 from 10工事検査台帳 order by ID"_s),
             QList<QStringList>({{u"市道1号線工事"_s, u"工検0000"_s, u"工検発0000"_s},
                                 {u"市道2号線工事"_s, u"検受0501"_s, u"検発0801"_s}}));
}

void TestMaster::closeButtonClosesTables() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, u"山田"_s, u"土木"_s);
    ScriptedPrompter p;
    Settings s;
    s.fill(u"LabeledEdit3"_s, u"入力中"_s);
    s.click(u"SpeedButton1"_s);
    QVERIFY(!s.window.isVisible());
    QVERIFY(!s.window.inspectors().isOpen());
    QCOMPARE(s.grid(u"DBGrid1"_s)->model()->rowCount(), 0);
    // Opened again: the tables are read afresh, the boxes keep what they held.
    f.insertInspector(2011, u"佐藤"_s, u"建築"_s);
    s.window.openSettings();
    QCOMPARE(s.window.inspectors().recordCount(), 2);
    QCOMPARE(s.box(u"LabeledEdit3"_s)->text(), u"入力中"_s);
    // The close box closes them too.
    s.window.close();
    QVERIFY(!s.window.isVisible());
    QVERIFY(!s.window.seals().isOpen());
    QVERIFY(!s.window.books().isOpen());
}

QTEST_MAIN(TestMaster)
#include "tst_master.moc"
