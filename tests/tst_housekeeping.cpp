// The housekeeping commands of the ledger window: backup, the delete switch and the paste
// of one spreadsheet row into page ①.
#include "LedgerWindow.h"
#include "RadioGroup.h"
#include "RecordNavigator.h"
#include "TestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString BackupQuestion = u"バックアップしますか。\r\r[注意：データベースは切断されます。]"
                               u"\r\r 終了するまで、電源を切らないで下さい。"_s;
const QString BackupName = u"DB(2011年06月10日).MDB"_s;

void trigger(LedgerWindow &w, const QString &action) {
    auto *a = w.findChild<QAction *>(action);
    QVERIFY2(a, qPrintable(action));
    a->trigger();
}

QByteArray contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString caption(LedgerWindow &w) {
    return w.findChild<QGroupBox *>(u"GroupBox2"_s)->title();
}

void clickMonth(LedgerWindow &w, int item) {
    QTest::mouseClick(w.findChild<RadioGroup *>(u"RadioGroup1"_s)->button(item), Qt::LeftButton);
}

void selectTab(LedgerWindow &w, int index) {
    w.inspectorTabs()->setCurrentIndex(index);
    w.tabChanged(index);
}
} // namespace

class TestHousekeeping : public QObject {
    Q_OBJECT
private slots:
    void backupOncePerDay();
    void backupWithoutLedgerFile();
    void listComesBackAfterBackup();
    void deleteKeepsCaptionCount();
    void pasteBoxOnInspectorTabOnly();
    void pasteRow_data();
    void pasteRow();
};

void TestHousekeeping::backupOncePerDay() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertCase({{u"年度"_s, 2011},
                  {u"工事名"_s, u"市道工事"_s},
                  {u"受付月"_s, 6},
                  {u"請負金額"_s, 1000000}});
    ScriptedPrompter p;
    LedgerWindow w;
    w.show();
    const QString backup = QDir(f.dir()).filePath(BackupName);

    // No: nothing is closed or copied.
    p.answers = {false};
    trigger(w, u"MenuBackup"_s);
    QCOMPARE(p.texts(), QStringList{BackupQuestion});
    QCOMPARE(p.prompts.at(0).kind, Prompt::Kind::Question);
    QCOMPARE(p.prompts.at(0).pos, QPoint(0, 73));
    QVERIFY(!QFile::exists(backup));
    QCOMPARE(w.list().recordCount(), 1);

    p.clear();
    trigger(w, u"MenuBackup"_s);
    QCOMPARE(p.texts(), QStringList({BackupQuestion, u"「バックアップ」終了しました。"_s}));
    QCOMPARE(p.prompts.at(1).kind, Prompt::Kind::YesOnly);
    QCOMPARE(p.prompts.at(1).pos, QPoint(0, 95));
    const QByteArray made = contents(backup);
    QCOMPARE(made, contents(f.file()));

    // The same day again, with the ledger changed since: the first copy stays as it was.
    f.insertCase({{u"年度"_s, 2011},
                  {u"工事名"_s, u"県道工事"_s},
                  {u"受付月"_s, 6},
                  {u"請負金額"_s, 1000000}});
    QVERIFY(contents(f.file()) != made);
    p.clear();
    trigger(w, u"MenuBackup"_s);
    QCOMPARE(p.texts(), QStringList({BackupQuestion,
                                     u"本日のバックアップ「DB(2011年06月10日).MDB」は既に"
                                     u"あります。\r\r既存のファイルはそのまま残しました。"_s}));
    QCOMPARE(p.prompts.at(1).pos, QPoint(0, 95));
    QCOMPARE(contents(backup), made);
    // No half-written copy is left behind.
    QCOMPARE(QDir(f.dir()).entryList(QDir::Files, QDir::Name),
             QStringList({BackupName, u"DB.mdb"_s}));
}

void TestHousekeeping::backupWithoutLedgerFile() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f(false);
    ScriptedPrompter p;
    LedgerWindow w;
    w.show();
    p.clear();
    trigger(w, u"MenuBackup"_s);
    QCOMPARE(p.prompts.size(), 2);
    QCOMPARE(p.prompts.at(1).kind, Prompt::Kind::Message);
    QVERIFY2(p.prompts.at(1).text.startsWith(u"「バックアップ」できませんでした。"_s),
             qPrintable(p.prompts.at(1).text));
    QVERIFY(p.prompts.at(1).text.contains(BackupName));
    QVERIFY(!p.texts().contains(u"「バックアップ」終了しました。"_s));
    QCOMPARE(QDir(f.dir()).entryList(QDir::Files), QStringList());
}

void TestHousekeeping::listComesBackAfterBackup() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertCase({{u"年度"_s, 2011},
                  {u"工事名"_s, u"市道工事"_s},
                  {u"受付月"_s, 6},
                  {u"請負金額"_s, 1000000}});
    f.insertCase({{u"年度"_s, 2011},
                  {u"工事名"_s, u"県道工事"_s},
                  {u"受付月"_s, 5},
                  {u"請負金額"_s, 1000000}});
    ScriptedPrompter p;
    LedgerWindow w;
    w.show();
    QCOMPARE(w.list().recordCount(), 2);
    trigger(w, u"MenuBackup"_s);
    QVERIFY(!w.database().isOpen());
    QCOMPARE(w.list().recordCount(), 0);
    QCOMPARE(w.findChild<QTableView *>(u"DBGrid1"_s)->model()->rowCount(), 0);

    // June: the connection opens again for the refresh.
    clickMonth(w, 2);
    QCOMPARE(w.list().recordCount(), 1);
    QCOMPARE(w.list().fieldText(u"工事名"_s), u"市道工事"_s);
    clickMonth(w, 12);
    QCOMPARE(w.list().recordCount(), 2);
    QCOMPARE(caption(w), u"一覧表( 登録件数=2件 )"_s);
}

void TestHousekeeping::deleteKeepsCaptionCount() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, u"山田"_s, u"土木"_s);
    f.insertCase({{u"年度"_s, 2011},
                  {u"工事名"_s, u"市道工事"_s},
                  {u"受付月"_s, 6},
                  {u"検査員"_s, u"山田"_s},
                  {u"請負金額"_s, 1000000}});
    f.insertCase({{u"年度"_s, 2011},
                  {u"工事名"_s, u"県道工事"_s},
                  {u"受付月"_s, 5},
                  {u"検査員"_s, u"山田"_s},
                  {u"請負金額"_s, 1000000}});
    ScriptedPrompter p;
    LedgerWindow w;
    w.show();
    auto *panel = w.findChild<QWidget *>(u"Panel2"_s);
    QVERIFY(!panel->isVisible());
    trigger(w, u"MenuDeleteOn"_s);
    QVERIFY(panel->isVisible());

    clickMonth(w, 2);
    QCOMPARE(caption(w), u"一覧表( 登録件数=1件 )"_s);
    w.LoadCase();
    QCOMPARE(w.boxText(u"Edit6"_s), u"市道工事"_s);
    QToolButton *deleteButton =
        w.findChild<RecordNavigator *>(u"DBNavigator2"_s)->button(RecordNavigator::Delete);

    p.answers = {false};
    deleteButton->click();
    QCOMPARE(p.prompts.size(), 1);
    QCOMPARE(p.prompts.at(0).kind, Prompt::Kind::OkCancel);
    QCOMPARE(p.prompts.at(0).text, u"レコードを削除してもよいですか？"_s);
    QCOMPARE(f.scalar(u"select count(*) from 10工事検査台帳"_s).toInt(), 2);

    deleteButton->click();
    QCOMPARE(f.rows(u"select 工事名 from 10工事検査台帳"_s), QList<QStringList>({{u"県道工事"_s}}));
    QCOMPARE(w.list().recordCount(), 0);
    // The captions and the boxes stay until the next refresh.
    QCOMPARE(caption(w), u"一覧表( 登録件数=1件 )"_s);
    QCOMPARE(w.boxText(u"Edit6"_s), u"市道工事"_s);
    clickMonth(w, 12);
    QCOMPARE(caption(w), u"一覧表( 登録件数=1件 )"_s);
    QCOMPARE(w.list().fieldText(u"工事名"_s), u"県道工事"_s);
    clickMonth(w, 2);
    QCOMPARE(caption(w), u"一覧表( 登録件数=0件 )"_s);

    trigger(w, u"MenuDeleteOff"_s);
    QVERIFY(!panel->isVisible());
}

void TestHousekeeping::pasteBoxOnInspectorTabOnly() {
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, u"山田"_s, u"土木"_s);
    ScriptedPrompter p;
    LedgerWindow w;
    w.show();
    auto *box = w.findChild<QLineEdit *>(u"LabeledEdit1"_s);
    auto *button = w.findChild<QToolButton *>(u"SpeedButton13"_s);
    trigger(w, u"MenuPaste"_s);
    QVERIFY(!box->isVisible());
    QVERIFY(!button->isVisible());

    selectTab(w, 1);
    trigger(w, u"MenuPaste"_s);
    QVERIFY(box->isVisible());
    QVERIFY(button->isVisible());
    QVERIFY(!w.findChild<QListWidget *>(u"ListBox1"_s)->isVisible());
    // Any tab change hides them again.
    selectTab(w, 0);
    QVERIFY(!box->isVisible());
    selectTab(w, 1);
    QVERIFY(!button->isVisible());
    QVERIFY(p.prompts.isEmpty());
}

void TestHousekeeping::pasteRow_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QVariantMap>("boxes");
    QTest::addColumn<bool>("complete"); // reached the section: box emptied, picker reset
    QTest::addColumn<QString>("error"); // the error box that ends the paste, if any

    // A row copied from the office's spreadsheet: tab-separated cells, the amount shown
    // with the yen mark and separators, the construction period as era dates.
    QTest::newRow("spreadsheet row")
        << u"2011\t123\t00\t市道1号線改良工事\t土木一式工事\t\\12,345,000\tH23/04/01\t"
           "H23/09/30\t道路課\t田中一郎\tO'Neil建設\r\n"_s
        << QStringList{u"2011"_s,         u"123"_s,       u"00"_s,     u"市道1号線改良工事"_s,
                       u"土木一式工事"_s, u"\\12"_s,      u"345"_s,    u"000"_s,
                       u"H23/04/01"_s,    u"H23/09/30"_s, u"道路課"_s, u"田中一郎"_s,
                       u"O'Neil建設"_s}
        << QVariantMap{{u"Edit37"_s, u"123-00"_s},      {u"Edit6"_s, u"市道1号線改良工事"_s},
                       {u"Edit7"_s, u"土木一式工事"_s}, {u"Edit21"_s, u"12345000"_s},
                       {u"Edit8"_s, u"1,235"_s},        {u"Edit9"_s, u"H23/04/01"_s},
                       {u"Edit42"_s, u"H23/04/01"_s},   {u"Edit10"_s, u"H23/09/30"_s},
                       {u"Edit11"_s, u"H23/09/30"_s},   {u"Edit12"_s, u"道路課"_s},
                       {u"Edit13"_s, u"田中一郎"_s},    {u"Edit36"_s, u"O'Neil建設"_s},
                       {u"Edit3"_s, u"？？？？"_s},     {u"Edit19"_s, u"？？？？"_s},
                       {u"Edit2"_s, u"06/10"_s},        {u"Edit24"_s, u"6"_s}}
        << true << QString();
    // Saved as CSV: quoted cells, doubled quotes, an empty cell, a changed period end.
    QTest::newRow("csv with a changed period")
        << u"\"45\",00,\"県道\"\"南\"\"線\",,\"¥24999999\"\n"
           "H23/05/10,H23/12/20, H24/02/28 ,\"建設課 2係\",佐藤"_s
        << QStringList{u"45"_s,         u"00"_s,        u"県道\"南\"線"_s, u""_s,
                       u"¥24999999"_s,  u"H23/05/10"_s, u"H23/12/20"_s,    u"H24/02/28"_s,
                       u"建設課 2係"_s, u"佐藤"_s}
        << QVariantMap{{u"Edit37"_s, u"45-00"_s},     {u"Edit6"_s, u"県道\"南\"線"_s},
                       {u"Edit7"_s, u""_s},           {u"Edit21"_s, u"24999999"_s},
                       {u"Edit8"_s, u"2,500"_s},      {u"Edit9"_s, u"H23/05/10"_s},
                       {u"Edit42"_s, u"H23/05/10"_s}, {u"Edit10"_s, u"H23/12/20"_s},
                       {u"Edit11"_s, u"H24/02/28"_s}, {u"Edit12"_s, u"建設課 2係"_s},
                       {u"Edit13"_s, u"佐藤"_s},      {u"Edit36"_s, u""_s},
                       {u"Edit2"_s, u"06/10"_s}}
        << true << QString();
    // The row stops after the name: nothing past the end is taken, the page keeps its
    // defaults, and the box keeps the text.
    QTest::newRow("row that ends early")
        << u"00\t市道工事"_s << QStringList{u"00"_s, u"市道工事"_s}
        << QVariantMap{{u"Edit37"_s, u"-00"_s},  {u"Edit6"_s, u"市道工事"_s}, {u"Edit7"_s, u""_s},
                       {u"Edit8"_s, u"0"_s},     {u"Edit9"_s, u""_s},         {u"Edit3"_s, u""_s},
                       {u"Edit19"_s, u"土木"_s}, {u"Edit2"_s, u"06/10"_s},    {u"Edit24"_s, u"6"_s}}
        << false << QString();
    QTest::newRow("row that ends at the section")
        << u"7 00 橋梁補修 \\980,000 H23/06/01 H23/08/31 道路課"_s
        << QStringList{u"7"_s,   u"00"_s,        u"橋梁補修"_s,  u"\\980"_s,
                       u"000"_s, u"H23/06/01"_s, u"H23/08/31"_s, u"道路課"_s}
        << QVariantMap{{u"Edit37"_s, u"7-00"_s}, {u"Edit6"_s, u"橋梁補修"_s},
                       {u"Edit7"_s, u"\\980"_s}, {u"Edit21"_s, u"980000"_s},
                       {u"Edit8"_s, u"98"_s},    {u"Edit12"_s, u"道路課"_s},
                       {u"Edit13"_s, u""_s},     {u"Edit36"_s, u""_s}}
        << true << QString();
    // An amount that is no number ends the paste with the error box, where it stood.
    QTest::newRow("amount that is no number")
        << u"1\t00\t側溝工事\t\\12万円\tH23/06/01\tH23/08/31\t道路課"_s
        << QStringList{u"1"_s,         u"00"_s,        u"側溝工事"_s, u"\\12万円"_s,
                       u"H23/06/01"_s, u"H23/08/31"_s, u"道路課"_s}
        << QVariantMap{{u"Edit37"_s, u"1-00"_s}, {u"Edit21"_s, u"12万円"_s}, {u"Edit8"_s, u"0"_s},
                       {u"Edit9"_s, u""_s},      {u"Edit12"_s, u""_s},       {u"Edit2"_s, u""_s}}
        << false << u"'12万円' は有効な浮動小数点数ではありません"_s;
}

void TestHousekeeping::pasteRow() {
    QFETCH(QString, pasted);
    QFETCH(QStringList, items);
    QFETCH(QVariantMap, boxes);
    QFETCH(bool, complete);
    QFETCH(QString, error);
    ScopedClock clock(QDate(2011, 6, 10));
    LedgerFolder f;
    f.insertInspector(2011, u"山田"_s, u"土木"_s);
    ScriptedPrompter p;
    LedgerWindow w;
    int resets = 0;
    w.setConstructionClassReset([&resets] { ++resets; });
    w.show();
    selectTab(w, 1);
    trigger(w, u"MenuPaste"_s);
    auto *box = w.findChild<QLineEdit *>(u"LabeledEdit1"_s);
    box->setText(pasted);
    w.findChild<QToolButton *>(u"SpeedButton13"_s)->click();

    QStringList listed;
    auto *list = w.findChild<QListWidget *>(u"ListBox1"_s);
    for (int i = 0; i < list->count(); ++i)
        listed << list->item(i)->text();
    QCOMPARE(listed, items);
    for (auto it = boxes.cbegin(); it != boxes.cend(); ++it)
        QCOMPARE(it.key() + u": "_s + w.boxText(it.key()),
                 it.key() + u": "_s + it.value().toString());
    QCOMPARE(box->text().isEmpty(), complete);
    QCOMPARE(resets, complete ? 1 : 0);
    QCOMPARE(p.texts(), error.isEmpty() ? QStringList() : QStringList{error});
}

QTEST_MAIN(TestHousekeeping)
#include "tst_housekeeping.moc"
