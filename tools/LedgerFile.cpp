#include "LedgerFile.h"

#include "EngineError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

namespace {

// ---------------------------------------------------------------------------------------
// The tables of the file, described once.

enum class ColumnType {
    Key,      // ascending, never reused: ordering by ID is the order of registration
    FixedKey, // numbered by whoever inserts the row
    Integer,
    Real,
    Text,
};

struct Column {
    QString name;
    ColumnType type;
};

struct Table {
    QString name;
    QList<Column> columns;
};

// The forms print their month columns from April to March.
constexpr int kFiscalMonths[12] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3};

void addColumns(QList<Column> &columns, ColumnType type, const QStringList &names) {
    for (const QString &name : names)
        columns.append({name, type});
}

// "4月c" … "3月c" followed by the row total, e.g. "横計c".
void addMonthColumns(QList<Column> &columns, const QString &suffix, ColumnType type,
                     const QString &total) {
    for (int month : kFiscalMonths)
        columns.append({QString::number(month) + u"月"_s + suffix, type});
    columns.append({total, type});
}

Table ledgerTable() {
    using T = ColumnType;
    Table t{u"10工事検査台帳"_s, {{u"ID"_s, T::Key}}};
    addColumns(t.columns, T::Text, {u"受付番号"_s, u"発送番号"_s, u"受付日"_s});
    addColumns(t.columns, T::Integer, {u"受付月"_s});
    addColumns(t.columns, T::Text,
               {u"時間"_s, u"工事番号"_s, u"備考"_s, u"工事名"_s, u"請負業者名"_s, u"業種名称"_s});
    addColumns(t.columns, T::Integer, {u"請負金額"_s});
    addColumns(t.columns, T::Text,
               {u"工期自"_s, u"工期至"_s, u"変更工期"_s, u"担当局"_s, u"担当部"_s, u"担当課"_s,
                u"監督員"_s});
    addColumns(t.columns, T::Real,
               {u"評定監督員"_s, u"評定係長"_s, u"評定検査員"_s, u"評定合計"_s});
    addColumns(t.columns, T::Integer, {u"年度"_s, u"合格年"_s, u"合格月"_s});
    addColumns(t.columns, T::Text,
               {u"検査員"_s, u"職種区分"_s, u"契約区分"_s, u"検査区分"_s, u"工事区分"_s, u"件名"_s,
                u"公印種類"_s});
    addColumns(t.columns, T::Integer, {u"件数"_s, u"押印数"_s});
    addColumns(t.columns, T::Text,
               {u"財務チェック"_s, u"立入点検日"_s, u"立入点検結果"_s, u"検査日"_s, u"合格日"_s,
                u"発送日"_s});
    return t;
}

QList<Table> allTables() {
    using T = ColumnType;
    QList<Table> tables;
    tables.append(ledgerTable());

    Table inspectors{u"20検査員"_s, {{u"ID"_s, T::Key}}};
    addColumns(inspectors.columns, T::Integer, {u"年度"_s, u"検査員番号"_s});
    addColumns(inspectors.columns, T::Text, {u"検査員"_s, u"職種区分"_s, u"職員コード"_s});
    tables.append(inspectors);

    tables.append({u"21公印"_s, {{u"ID"_s, T::Key}, {u"公印種類"_s, T::Text}}});

    tables.append({u"22諸定義"_s,
                   {{u"ID"_s, T::Key},
                    {u"収受名"_s, T::Text},
                    {u"収受開始番号"_s, T::Integer},
                    {u"発送名"_s, T::Text},
                    {u"発送開始番号"_s, T::Integer}}});

    // The report tables have no key of their own: their rows come back in the order they
    // were inserted, which is the order the pages print.
    Table form1{u"様式1：工事検査件数調書"_s, {}};
    addColumns(form1.columns, T::Text, {u"職種区分"_s, u"見出しc"_s});
    addMonthColumns(form1.columns, u"c"_s, T::Integer, u"横計c"_s);
    addColumns(form1.columns, T::Text, {u"見出しp"_s});
    addMonthColumns(form1.columns, u"p"_s, T::Real, u"横計p"_s); // percentages
    tables.append(form1);

    Table form2{u"様式2：月別検査調書"_s, {}};
    addColumns(form2.columns, T::Text, {u"検査員"_s, u"職種区分"_s, u"見出しc"_s});
    addMonthColumns(form2.columns, u"c"_s, T::Integer, u"横計c"_s);
    addColumns(form2.columns, T::Text, {u"見出しp"_s});
    addMonthColumns(form2.columns, u"p"_s, T::Integer, u"横計p"_s); // amounts in yen
    tables.append(form2);

    const QStringList classes{u"土木"_s,     u"舗装"_s,     u"造園"_s, u"建築"_s,
                              u"電気設備"_s, u"機械設備"_s, u"横計"_s};
    Table form3{u"様式3：業種別検査集計表"_s, {}};
    addColumns(form3.columns, T::Text, {u"月"_s, u"検査員"_s, u"職種区分"_s});
    for (const QString &c : classes)
        form3.columns.append({c + u"c"_s, T::Integer});
    for (const QString &c : classes)
        form3.columns.append({c + u"p"_s, T::Integer});
    tables.append(form3);

    Table form5{u"様式5：工事完成検査集計表"_s, {}};
    addColumns(form5.columns, T::Text, {u"月"_s, u"検査員"_s, u"職種区分"_s});
    addColumns(form5.columns, T::Integer,
               {u"完成検査c"_s, u"中間検査c"_s, u"主管課c"_s, u"完成検査p"_s, u"中間検査p"_s,
                u"主管課p"_s});
    tables.append(form5);

    tables.append({u"40工事成績評定点総括"_s,
                   {{u"職種区分"_s, T::Text},
                    {u"件数"_s, T::Integer},
                    {u"平均点数"_s, T::Real},
                    {u"内50点未満"_s, T::Integer}}});

    // Form 2-2 overwrites the cells of eighteen fixed rows by ID; the cells hold sums,
    // counts and averages alike.
    Table form22{u"41工事成績評定点集計表"_s, {{u"ID"_s, T::FixedKey}}};
    addColumns(form22.columns, T::Text, {u"表示"_s, u"見出"_s});
    addMonthColumns(form22.columns, QString(), T::Real, u"合計"_s);
    tables.append(form22);

    Table form31{u"31部署別集計表"_s, {}};
    addColumns(form31.columns, T::Text, {u"検査員"_s, u"合格月"_s, u"工事区分"_s, u"担当課"_s});
    addColumns(form31.columns, T::Integer,
               {u"完成検査"_s, u"中間検査"_s, u"出来高検査"_s, u"部分完成検査"_s,
                u"清算出来高検査"_s, u"合計件数"_s, u"合計金額"_s, u"設計協議件数"_s,
                u"設計協議金額"_s});
    tables.append(form31);

    return tables;
}

// SQLite takes a bare name only when it starts with a letter and holds ASCII letters,
// digits and underscores; "10工事検査台帳", "4月c" and "様式1：…" need brackets.
QString sqlName(const QString &name) {
    bool bare = !name.isEmpty() && !name.front().isDigit();
    for (QChar c : name) {
        if (c.unicode() > 0x7f || !(c.isLetterOrNumber() || c == u'_'))
            bare = false;
    }
    return bare ? name : u'[' + name + u']';
}

QString columnDefinition(const Column &column) {
    static const QString types[] = {u"INTEGER PRIMARY KEY AUTOINCREMENT"_s,
                                    u"INTEGER PRIMARY KEY"_s, u"INTEGER"_s, u"REAL"_s, u"TEXT"_s};
    return sqlName(column.name) + u' ' + types[int(column.type)];
}

QString createStatement(const Table &table) {
    QStringList definitions;
    for (const Column &column : table.columns)
        definitions.append(columnDefinition(column));
    return u"CREATE TABLE "_s + sqlName(table.name) + u" ("_s + definitions.join(u", "_s) +
           u") STRICT"_s;
}

QString insertStatement(const QString &table, const QStringList &columns) {
    QStringList names;
    QStringList marks;
    for (const QString &column : columns) {
        names.append(sqlName(column));
        marks.append(u"?"_s);
    }
    return u"INSERT INTO "_s + sqlName(table) + u" ("_s + names.join(u", "_s) + u") VALUES ("_s +
           marks.join(u", "_s) + u')';
}

QString shownPath(const QString &path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// ---------------------------------------------------------------------------------------
// One connection of its own on the file, removed again when done.

class FileConnection {
public:
    explicit FileConnection(const QString &path)
        : m_name(u"kensa-file-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
        bool opened = false;
        QString failure;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
            db.setDatabaseName(path);
            opened = db.open();
            if (!opened)
                failure = db.lastError().text();
        }
        if (!opened) {
            QSqlDatabase::removeDatabase(m_name);
            throw EngineError(failure);
        }
    }

    ~FileConnection() {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (m_inTransaction)
                db.rollback();
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }

    FileConnection(const FileConnection &) = delete;
    FileConnection &operator=(const FileConnection &) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    void exec(const QString &statement) {
        QSqlQuery query(db());
        if (!query.exec(statement))
            throw EngineError(query.lastError().text());
    }

    void exec(const QString &statement, const QVariantList &values) {
        QSqlQuery query(db());
        if (!query.prepare(statement))
            throw EngineError(query.lastError().text());
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (!query.exec())
            throw EngineError(query.lastError().text());
    }

    void begin() {
        QSqlDatabase d = db();
        if (!d.transaction())
            throw EngineError(d.lastError().text());
        m_inTransaction = true;
    }

    void commit() {
        QSqlDatabase d = db();
        if (!d.commit())
            throw EngineError(d.lastError().text());
        m_inTransaction = false;
    }

private:
    QString m_name;
    bool m_inTransaction = false;
};

// A prepared insert, run once per row.
class RowWriter {
public:
    RowWriter(const FileConnection &file, const QString &table, const QStringList &columns)
        : m_query(file.db()) {
        if (!m_query.prepare(insertStatement(table, columns)))
            throw EngineError(m_query.lastError().text());
    }

    void write(const QVariantList &values) {
        for (int i = 0; i < values.size(); ++i)
            m_query.bindValue(i, values[i]);
        if (!m_query.exec())
            throw EngineError(m_query.lastError().text());
    }

private:
    QSqlQuery m_query;
};

void seedFixedRows(FileConnection &file) {
    file.exec(u"INSERT INTO [22諸定義] ([ID], [収受名], [収受開始番号], [発送名], [発送開始番号]) "
              "VALUES (1, '工検', 0, '工検発', 0)"_s);
    file.exec(u"INSERT INTO [21公印] ([公印種類]) VALUES ('市長印')"_s);

    // Rank r owns the rows 3(r-1)+1 … 3(r-1)+3: sum, number and average of the total score.
    // The rank label stands on the first row of its three.
    const QStringList ranks{u"85～100点未満"_s, u"70～85点未満"_s, u"50～70点未満"_s,
                            u"35～50点未満"_s,  u"0～35点未満"_s,  u"全体"_s};
    const QStringList measures{u"合計点"_s, u"件数"_s, u"平均点"_s};
    RowWriter rows(file, u"41工事成績評定点集計表"_s, {u"ID"_s, u"表示"_s, u"見出"_s});
    int id = 1;
    for (const QString &rank : ranks) {
        for (int m = 0; m < measures.size(); ++m)
            rows.write({id++, m == 0 ? rank : QString(u""_s), measures[m]});
    }
}

} // namespace

void createLedgerFile(const QString &path) {
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        throw EngineError(u"既にファイルがあります: "_s + shownPath(path));
    if (!info.absoluteDir().exists())
        throw EngineError(u"フォルダがありません: "_s +
                          QDir::toNativeSeparators(info.absolutePath()));
    try {
        FileConnection file(path);
        file.begin();
        for (const Table &table : allTables())
            file.exec(createStatement(table));
        seedFixedRows(file);
        file.commit();
    } catch (const EngineError &error) {
        // The file did not exist before: whatever was made of it is ours to remove.
        QFile::remove(path);
        throw EngineError(u"データベースファイルを作成できませんでした: "_s + shownPath(path) +
                          u"\n"_s + error.message());
    }
}

// =======================================================================================
// The demonstration office.

namespace {

// A small generator of our own: std::mt19937 is portable, but the standard distributions
// are not, and the same `today` must give the same file on every machine.
class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed)
        : m_state(seed) {}

    std::uint64_t next() {
        // splitmix64
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // A whole number from lo to hi, both included.
    qint64 between(qint64 lo, qint64 hi) {
        return lo + qint64(next() % std::uint64_t(hi - lo + 1));
    }

    bool percent(int chance) { return between(1, 100) <= chance; }

    // An index chosen with the given weights.
    int weighted(const QList<int> &weights) {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = int(between(1, total));
        for (int i = 0; i < weights.size(); ++i) {
            r -= weights[i];
            if (r <= 0)
                return i;
        }
        return int(weights.size()) - 1;
    }

    template <typename T> const T &pick(const QList<T> &items) {
        return items[between(0, items.size() - 1)];
    }

private:
    std::uint64_t m_state;
};

struct Inspector {
    QString name;
    QString trade;
    QString staffCode; // " " when not given
};

// The roster of the year before and of the year of `today`: two inspectors moved on in
// April and two newcomers took their numbers.
QList<Inspector> rosterOf(bool currentYear) {
    QList<Inspector> roster{
        {u"佐藤"_s, u"土木"_s, u"30112"_s}, {u"鈴木"_s, u"土木"_s, u"30145"_s},
        {u"高橋"_s, u"土木"_s, u"30187"_s}, {u"田中"_s, u"土木"_s, u"30203"_s},
        {u"渡辺"_s, u"土木"_s, u" "_s},     {u"伊藤"_s, u"土木"_s, u"30268"_s},
        {u"中村"_s, u"土木"_s, u"30291"_s}, {u"山本"_s, u"建築"_s, u"31034"_s},
        {u"加藤"_s, u"建築"_s, u"31056"_s}, {u"吉田"_s, u"建築"_s, u" "_s},
        {u"松本"_s, u"設備"_s, u"32011"_s}, {u"井上"_s, u"設備"_s, u"32040"_s},
    };
    if (currentYear) {
        roster[3] = {u"小林"_s, u"土木"_s, u" "_s};
        roster[9] = {u"山口"_s, u"建築"_s, u"31102"_s};
    }
    return roster;
}

// The trade class whose inspectors inspect a construction class.
QString tradeOf(const QString &constructionClass) {
    if (constructionClass == u"建築"_s)
        return u"建築"_s;
    if (constructionClass == u"電気設備"_s || constructionClass == u"機械設備"_s)
        return u"設備"_s;
    return u"土木"_s;
}

struct Section {
    QString name;
    QStringList supervisors;
    QString seal; // the seal of the section's result notices
};

const QList<Section> &sections() {
    static const QList<Section> list{
        {u"建設部道路課"_s, {u"大野健一"_s, u"石井誠"_s, u"今井浩二"_s}, u"市長印"_s},
        {u"建設部河川課"_s, {u"原田修"_s, u"森田隆"_s}, u"市長印"_s},
        {u"建設部土木管理課"_s, {u"藤井茂"_s, u"小松康弘"_s}, u"市長印"_s},
        {u"都市整備部公園緑地課"_s, {u"野口智子"_s, u"菅原直樹"_s}, u"市長印"_s},
        {u"都市整備部建築課"_s, {u"岡本哲也"_s, u"長谷川聡"_s, u"村上陽介"_s}, u"市長印"_s},
        {u"都市整備部住宅課"_s, {u"近藤正人"_s, u"坂本美香"_s}, u"市長印"_s},
        {u"教育委員会学校施設課"_s, {u"西村和也"_s, u"福田純一"_s}, u"教育長印"_s},
        {u"上下水道局水道工務課"_s, {u"太田博之"_s, u"松田洋平"_s}, u"上下水道事業管理者印"_s},
        {u"上下水道局下水道施設課"_s, {u"中島勇"_s, u"三浦拓也"_s}, u"上下水道事業管理者印"_s},
        {u"環境部清掃施設課"_s, {u"原口剛"_s, u"小島淳"_s}, u"市長印"_s},
    };
    return list;
}

// A kind of work the office sees again and again: its construction class, the section
// that orders it, the industry names it is let under and how its name is made ("{p}" a
// place, "{n}" a route number).
struct WorkKind {
    QString constructionClass;
    int section; // index into sections()
    QStringList industries;
    QString nameTemplate;
    int weight;
};

const QList<WorkKind> &workKinds() {
    static const QList<WorkKind> list{
        {u"土木"_s, 0, {u"土木一式工事"_s}, u"市道{p}{n}号線道路改良工事"_s, 8},
        {u"土木"_s, 0, {u"土木一式工事"_s, u"とび土工"_s}, u"{p}地区側溝整備工事"_s, 5},
        {u"土木"_s, 1, {u"土木一式工事"_s}, u"{p}川護岸改修工事"_s, 5},
        {u"土木"_s, 1, {u"土木一式工事"_s}, u"{p}地区雨水管渠築造工事"_s, 4},
        {u"土木"_s, 0, {u"橋梁補修工事"_s, u"塗装工事"_s}, u"{p}橋橋梁補修工事"_s, 3},
        {u"土木"_s, 7, {u"水道施設工事"_s}, u"{p}地区配水管布設替工事"_s, 6},
        {u"土木"_s, 8, {u"土木一式工事"_s}, u"{p}地区汚水管渠築造工事"_s, 5},
        {u"土木"_s, 7, {u"さく井工事"_s}, u"{p}水源地深井戸改修工事"_s, 1},
        {u"舗装"_s, 2, {u"ほ装工事"_s}, u"市道{p}{n}号線舗装補修工事"_s, 8},
        {u"舗装"_s, 0, {u"ほ装工事"_s}, u"{p}地区歩道整備工事"_s, 5},
        {u"舗装"_s, 2, {u"安全施設工事"_s}, u"{p}地区交通安全施設整備工事"_s, 4},
        {u"造園"_s, 3, {u"造園工事"_s}, u"{p}公園整備工事"_s, 3},
        {u"造園"_s, 3, {u"造園工事"_s}, u"{p}緑地植栽工事"_s, 2},
        {u"造園"_s, 3, {u"造園工事"_s, u"とび土工"_s}, u"{p}児童遊園遊具更新工事"_s, 2},
        {u"建築"_s, 6, {u"建築一式工事"_s, u"建築工事"_s}, u"{p}小学校校舎大規模改修工事"_s, 4},
        {u"建築"_s, 6, {u"建築工事"_s, u"内装仕上工事"_s}, u"{p}中学校体育館改修工事"_s, 3},
        {u"建築"_s, 4, {u"建築工事"_s, u"塗装工事"_s}, u"{p}市民センター外壁改修工事"_s, 3},
        {u"建築"_s, 5, {u"防水工事"_s}, u"市営{p}住宅屋上防水工事"_s, 3},
        {u"建築"_s, 4, {u"建築一式工事"_s}, u"{p}保育所改築工事"_s, 2},
        {u"建築"_s, 5, {u"解体工事"_s}, u"市営{p}住宅解体工事"_s, 2},
        {u"建築"_s, 4, {u"建具工事"_s, u"内装仕上工事"_s}, u"{p}出張所内部改修工事"_s, 2},
        {u"電気設備"_s, 6, {u"電気工事"_s}, u"{p}小学校照明設備改修工事"_s, 3},
        {u"電気設備"_s, 7, {u"電気工事"_s}, u"{p}浄水場受変電設備更新工事"_s, 2},
        {u"電気設備"_s, 8, {u"電気工事"_s}, u"{p}ポンプ場電気設備工事"_s, 2},
        {u"電気設備"_s,
         4,
         {u"電気工事"_s, u"電気通信工事"_s},
         u"{p}市民センター防災設備改修工事"_s,
         2},
        {u"電気設備"_s, 9, {u"電気工事"_s}, u"清掃工場中央制御設備更新工事"_s, 1},
        {u"機械設備"_s, 6, {u"管工事"_s}, u"{p}中学校空調設備設置工事"_s, 3},
        {u"機械設備"_s, 7, {u"機械器具設置工事"_s}, u"{p}浄水場送水ポンプ更新工事"_s, 2},
        {u"機械設備"_s, 8, {u"機械器具設置工事"_s}, u"{p}処理場脱水機更新工事"_s, 2},
        {u"機械設備"_s, 4, {u"管工事"_s}, u"{p}市民センター給排水設備改修工事"_s, 2},
        {u"機械設備"_s, 9, {u"清掃施設工事"_s}, u"清掃工場焼却炉設備補修工事"_s, 2},
        {u"機械設備"_s, 5, {u"管工事"_s}, u"市営{p}住宅給水設備改修工事"_s, 1},
    };
    return list;
}

const QStringList &placeNames() {
    static const QStringList list{
        u"中央"_s, u"北町"_s, u"南台"_s, u"東山"_s, u"西原"_s,   u"桜ケ丘"_s, u"緑町"_s,
        u"若葉"_s, u"本町"_s, u"旭"_s,   u"栄町"_s, u"川端"_s,   u"大橋"_s,   u"新田"_s,
        u"宮前"_s, u"松原"_s, u"高田"_s, u"日吉"_s, u"青葉台"_s, u"港"_s,
    };
    return list;
}

QStringList contractorsFor(const QString &constructionClass) {
    if (constructionClass == u"土木"_s || constructionClass == u"舗装"_s)
        return {u"株式会社大成土建"_s,  u"山中建設株式会社"_s, u"株式会社北斗組"_s,
                u"有限会社川村組"_s,    u"東和建設株式会社"_s, u"三協道路株式会社"_s,
                u"日進舗道株式会社"_s,  u"株式会社青木建設"_s, u"中央土木株式会社"_s,
                u"株式会社丸山工務店"_s};
    if (constructionClass == u"造園"_s)
        return {u"株式会社緑景園"_s, u"有限会社松風造園"_s, u"株式会社みどり造園土木"_s};
    if (constructionClass == u"建築"_s)
        return {u"株式会社松井工務店"_s, u"大和建設株式会社"_s,   u"株式会社平和建設"_s,
                u"三栄建築株式会社"_s,   u"株式会社ひかり防水"_s, u"株式会社中川組"_s};
    if (constructionClass == u"電気設備"_s)
        return {u"株式会社光電社"_s, u"東邦電気工業株式会社"_s, u"有限会社新星電設"_s,
                u"株式会社三和電機"_s};
    return {u"株式会社日の出設備"_s, u"協和管工株式会社"_s, u"株式会社水道テクノ"_s,
            u"株式会社環境プラント工業"_s};
}

// Weights of four amount bands (2–8, 8–30, 30–100 and 100–350 million yen) by class.
QList<int> amountBandWeights(const QString &constructionClass) {
    if (constructionClass == u"土木"_s)
        return {30, 35, 25, 10};
    if (constructionClass == u"舗装"_s)
        return {50, 35, 15, 0};
    if (constructionClass == u"造園"_s)
        return {55, 35, 10, 0};
    if (constructionClass == u"建築"_s)
        return {25, 30, 30, 15};
    if (constructionClass == u"電気設備"_s)
        return {40, 35, 20, 5};
    return {35, 35, 22, 8};
}

// The era form the calendar writes: "H" + (year − 1988) + "/mm/dd", the count simply
// continued after 2019 so that stored dates sort in time order.
QString eraDate(const QDate &date) {
    return u"H%1/%2/%3"_s.arg(date.year() - 1988, 2, 10, QChar(u'0'))
        .arg(date.month(), 2, 10, QChar(u'0'))
        .arg(date.day(), 2, 10, QChar(u'0'));
}

QString monthDay(const QDate &date) {
    return u"%1/%2"_s.arg(date.month(), 2, 10, QChar(u'0')).arg(date.day(), 2, 10, QChar(u'0'));
}

bool isOfficeDay(const QDate &date) {
    if (date.dayOfWeek() >= 6)
        return false;
    // The year-end closing, 29 December to 3 January.
    const int md = date.month() * 100 + date.day();
    return !(md >= 1229 || md <= 103);
}

// The first office day from `date` on that is not after `last`; else the last office day
// before it, but never before `first`.
QDate officeDay(QDate date, const QDate &first, const QDate &last) {
    date = std::clamp(date, first, last);
    QDate d = date;
    while (d <= last && !isOfficeDay(d))
        d = d.addDays(1);
    if (d <= last)
        return d;
    d = date;
    while (d > first && !isOfficeDay(d))
        d = d.addDays(-1);
    return d;
}

// Total score in tenths: 0.4·a + 0.2·b + 0.4·c, half away from zero, from the three
// scores in tenths; computed on whole numbers so that 80.0, 70.0, 90.0 give exactly 82.0.
int totalScoreTenths(int a, int b, int c) {
    return (4 * a + 2 * b + 4 * c + 5) / 10;
}

enum class CaseState { Received, Passed, Dispatched };

struct DemoCase {
    QDate received;
    int minutes = 0; // time of day, for the order of registration
    QString time;
    QString workNumber;
    QString remark;
    QString workName;
    QString contractor;
    QString industry;
    qint64 amount = 0;
    QString periodFrom;
    QString periodTo;
    QString periodChanged;
    QString section;
    QString supervisor;
    QString inspector;
    QString trade;
    QString contractClass;
    QString inspectionClass;
    QString constructionClass;
    // Results and dispatch as they will be once the dates have come.
    QDate checked; // on-site check; invalid when there was none
    QString checkResult;
    QDate inspected;
    QDate passed;
    QDate dispatched;
    int scoreA = 0, scoreB = 0, scoreC = 0; // tenths
    QString seal;
    int documents = 1;
    int impressions = 2;
    QString financeCheck;
    bool postponed = false;  // requested, but the inspection has not taken place
    bool notSentYet = false; // passed, notice still on the desk
};

class DemoOffice {
public:
    DemoOffice(FileConnection &file, const QDate &today)
        : m_file(file)
        , m_today(today)
        , m_fiscalYear(today.month() >= 4 ? today.year() : today.year() - 1) {}

    void write() {
        writeMasters();
        // The year before first, so that IDs ascend in the order of registration.
        writeYear(m_fiscalYear - 1, rosterOf(false));
        writeYear(m_fiscalYear, rosterOf(true));
    }

private:
    // The numbering books of the office; numbers restart with every fiscal year.
    inline static const QString kReceiptBook = u"工検"_s;
    inline static const QString kDispatchBook = u"工検発"_s;
    static constexpr int kReceiptStart = 0;
    static constexpr int kDispatchStart = 0;

    void writeMasters() {
        m_file.exec(u"UPDATE [22諸定義] SET [収受名] = ?, [収受開始番号] = ?, [発送名] = ?, "
                    "[発送開始番号] = ? WHERE [ID] = 1"_s,
                    {kReceiptBook, kReceiptStart, kDispatchBook, kDispatchStart});
        for (const QString &seal :
             {u"市長印"_s, u"副市長印"_s, u"上下水道事業管理者印"_s, u"教育長印"_s}) {
            m_file.exec(u"INSERT INTO [21公印] ([公印種類]) SELECT ? WHERE NOT EXISTS "
                        "(SELECT 1 FROM [21公印] WHERE [公印種類] = ?)"_s,
                        {seal, seal});
        }
    }

    void writeYear(int year, const QList<Inspector> &roster) {
        RowWriter inspectors(
            m_file, u"20検査員"_s,
            {u"年度"_s, u"検査員番号"_s, u"検査員"_s, u"職種区分"_s, u"職員コード"_s});
        for (int i = 0; i < roster.size(); ++i)
            inspectors.write({year, i + 1, roster[i].name, roster[i].trade, roster[i].staffCode});

        // Each year has its own sequence, so the year before stays the same whatever day
        // the file is made on; `today` only decides how far the cases have come.
        DemoRandom random(0x4b656e7361ULL ^ (std::uint64_t(year) * 0x100000001b3ULL));
        const int count = int(random.between(280, 340));
        QList<DemoCase> cases;
        for (int i = 0; i < count; ++i)
            cases.append(makeCase(random, year, roster, i));
        // No request is received after the day the file is made on.
        cases.removeIf([this](const DemoCase &c) { return c.received > m_today; });
        std::stable_sort(cases.begin(), cases.end(), [](const DemoCase &a, const DemoCase &b) {
            return a.received != b.received ? a.received < b.received : a.minutes < b.minutes;
        });

        RowWriter ledger(m_file, u"10工事検査台帳"_s, ledgerColumns());
        for (int i = 0; i < cases.size(); ++i)
            ledger.write(ledgerRow(cases[i], year, i + 1));
    }

    DemoCase makeCase(DemoRandom &random, int year, const QList<Inspector> &roster, int index) {
        const QDate yearStart(year, 4, 1);
        const QDate yearEnd(year + 1, 3, 31);
        DemoCase c;

        // Requests grow towards the end of the fiscal year.
        static const QList<int> monthWeights{3, 5, 7, 8, 7, 9, 10, 11, 12, 10, 12, 14};
        const QDate monthStart = yearStart.addMonths(random.weighted(monthWeights));
        const int lastDay = monthStart.month() == 3 ? 24 : monthStart.daysInMonth();
        c.received = officeDay(monthStart.addDays(random.between(0, lastDay - 1)), monthStart,
                               QDate(monthStart.year(), monthStart.month(), lastDay));
        const int hour = int(random.pick(QList<int>{9, 9, 10, 10, 10, 11, 13, 14, 14, 15, 16}));
        const int minute = int(random.between(0, 5)) * 10;
        c.minutes = hour * 60 + minute;
        c.time = u"%1:%2"_s.arg(hour).arg(minute, 2, 10, QChar(u'0'));

        QList<int> weights;
        for (const WorkKind &kind : workKinds())
            weights.append(kind.weight);
        const WorkKind &kind = workKinds()[random.weighted(weights)];
        const Section &section = sections()[kind.section];
        c.constructionClass = kind.constructionClass;
        c.section = section.name;
        c.supervisor = random.pick(section.supervisors);
        c.industry = random.pick(kind.industries);
        c.workName = QString(kind.nameTemplate)
                         .replace(u"{p}"_s, random.pick(placeNames()))
                         .replace(u"{n}"_s, QString::number(random.between(1, 48)));
        c.contractor = random.pick(contractorsFor(c.constructionClass));

        QList<Inspector> ofTrade;
        for (const Inspector &inspector : roster) {
            if (inspector.trade == tradeOf(c.constructionClass))
                ofTrade.append(inspector);
        }
        const Inspector &inspector = random.pick(ofTrade);
        c.inspector = inspector.name;
        c.trade = inspector.trade;

        c.contractClass = random.percent(15) ? u"各課執行"_s : u"契約依頼"_s;
        static const QStringList inspectionClasses{u"完成検査"_s, u"出来高検査"_s, u"中間検査"_s,
                                                   u"部分完成検査"_s, u"清算出来高検査"_s};
        c.inspectionClass = inspectionClasses[random.weighted({64, 10, 14, 4, 8})];
        const bool completion =
            c.inspectionClass == u"完成検査"_s || c.inspectionClass == u"清算出来高検査"_s;

        // Contract amount: works executed by the sections themselves are small ones.
        static const qint64 bandLow[] = {2'000'000, 8'000'000, 30'000'000, 100'000'000};
        static const qint64 bandHigh[] = {8'000'000, 30'000'000, 100'000'000, 350'000'000};
        const int band = c.contractClass == u"各課執行"_s
                             ? 0
                             : random.weighted(amountBandWeights(c.constructionClass));
        c.amount = random.between(bandLow[band] / 100, bandHigh[band] / 100) * 100;

        // Construction period: a completion inspection is asked for as the work ends; a
        // change of contract moved the end and gave the contract number its suffix.
        const bool changed = random.percent(completion ? 20 : 10);
        QDate end =
            c.received.addDays(completion ? random.between(0, 14) : random.between(30, 240));
        c.periodChanged = u" "_s;
        if (changed) {
            c.periodChanged = eraDate(end);
            end = end.addDays(-random.between(14, 90));
        }
        c.periodTo = eraDate(end);
        c.periodFrom = eraDate(end.addDays(-random.between(60, 360)));
        c.workNumber = u"%1-%2"_s.arg(101 + index, 3, 10, QChar(u'0'))
                           .arg(changed ? 1 : 0, 2, 10, QChar(u'0'));
        c.remark = remarkFor(random, c);

        // The inspection within the fiscal year; the pass usually on the same day.
        c.inspected = officeDay(c.received.addDays(random.between(5, 25)), c.received, yearEnd);
        c.passed = random.percent(75)
                       ? c.inspected
                       : officeDay(c.inspected.addDays(random.between(1, 4)), c.inspected, yearEnd);
        c.dispatched =
            officeDay(c.passed.addDays(random.between(2, 9)), c.passed, c.passed.addDays(30));
        if (random.percent(55)) {
            c.checked = c.received.addDays(random.between(0, c.received.daysTo(c.inspected) / 2));
            static const QStringList results{u"特になし"_s, u"口頭指導"_s, u"口頭指示"_s,
                                             u"指示書指導"_s, u"指示書指示"_s};
            c.checkResult = results[random.weighted({70, 12, 8, 6, 4})];
        }

        // Only completion-type inspections are graded; one work in fifty fares badly.
        int quality = random.percent(2)
                          ? int(random.between(380, 480))
                          : 740 + int(random.between(-60, 60) + random.between(-60, 60) +
                                      random.between(-60, 60));
        if (completion) {
            c.scoreA = std::clamp(quality + int(random.between(-40, 40)), 300, 980);
            c.scoreB = std::clamp(quality + int(random.between(-30, 30)), 300, 980);
            c.scoreC = std::clamp(quality + int(random.between(-50, 50)), 300, 980);
        }

        c.seal =
            section.seal == u"市長印"_s && c.amount < 10'000'000 ? u"副市長印"_s : section.seal;
        c.documents = random.percent(10) ? 2 : 1;
        c.impressions = c.documents == 2 ? 4 : (random.percent(15) ? 1 : 2);
        c.financeCheck = random.percent(85) ? u"○"_s : u"×"_s;
        c.postponed = random.percent(3);
        c.notSentYet = random.percent(4);
        return c;
    }

    static QString remarkFor(DemoRandom &random, const DemoCase &c) {
        const int r = int(random.between(1, 100));
        if (c.inspectionClass == u"部分完成検査"_s)
            return u"部分完成"_s;
        if (c.inspectionClass == u"清算出来高検査"_s)
            return r <= 70 ? u"清算出来高"_s : u"繰越清算"_s;
        if (c.inspectionClass == u"出来高検査"_s)
            return r <= 60 ? u"＊＊＊"_s : u"繰越出来高"_s;
        if (c.inspectionClass == u"中間検査"_s)
            return r <= 40 ? u"中間出来高"_s : u"＊＊＊"_s;
        if (c.contractClass == u"各課執行"_s)
            return r <= 60 ? u"設計協議"_s : u"＊＊＊"_s;
        return r <= 8 ? u"繰越"_s : u"＊＊＊"_s;
    }

    CaseState stateOf(const DemoCase &c, int year) const {
        if (c.postponed || c.received > m_today || c.passed > m_today)
            return CaseState::Received;
        // A notice forgotten on the desk only in the running year.
        if (c.dispatched > m_today || (c.notSentYet && year == m_fiscalYear))
            return CaseState::Passed;
        return CaseState::Dispatched;
    }

    static QStringList ledgerColumns() {
        return {
            u"受付番号"_s,   u"発送番号"_s,     u"受付日"_s,   u"受付月"_s,     u"時間"_s,
            u"工事番号"_s,   u"備考"_s,         u"工事名"_s,   u"請負業者名"_s, u"業種名称"_s,
            u"請負金額"_s,   u"工期自"_s,       u"工期至"_s,   u"変更工期"_s,   u"担当局"_s,
            u"担当部"_s,     u"担当課"_s,       u"監督員"_s,   u"評定監督員"_s, u"評定係長"_s,
            u"評定検査員"_s, u"評定合計"_s,     u"年度"_s,     u"合格年"_s,     u"合格月"_s,
            u"検査員"_s,     u"職種区分"_s,     u"契約区分"_s, u"検査区分"_s,   u"工事区分"_s,
            u"件名"_s,       u"公印種類"_s,     u"件数"_s,     u"押印数"_s,     u"財務チェック"_s,
            u"立入点検日"_s, u"立入点検結果"_s, u"検査日"_s,   u"合格日"_s,     u"発送日"_s};
    }

    // The row as the ledger window would have left it: registration writes the defaults
    // of the dispatch page, result registration sets the dispatch date to the pass date,
    // and only the dispatch page writes its own values.
    QVariantList ledgerRow(const DemoCase &c, int year, int sequence) const {
        const CaseState state = stateOf(c, year);
        const bool passed = state != CaseState::Received;
        const bool sent = state == CaseState::Dispatched;
        const QVariant none(QMetaType::fromType<QString>());
        const auto score = [&](int tenths) { return passed ? tenths / 10.0 : 0.0; };
        const int total = totalScoreTenths(c.scoreA, c.scoreB, c.scoreC);

        QVariantList row;
        row << kReceiptBook + number(sequence + kReceiptStart)
            << kDispatchBook + number(sequence + kDispatchStart) << monthDay(c.received)
            << c.received.month() << c.time << c.workNumber << c.remark << c.workName
            << c.contractor << c.industry << c.amount << c.periodFrom << c.periodTo
            << c.periodChanged << u" "_s << u" "_s << c.section << c.supervisor << score(c.scoreA)
            << score(c.scoreB) << score(c.scoreC) << score(total) << year
            << (passed ? c.passed.year() : 0) << (passed ? c.passed.month() : 0) << c.inspector
            << c.trade << c.contractClass << c.inspectionClass << c.constructionClass
            << u"完成検査等"_s << (sent ? c.seal : u"市長印"_s) << (sent ? c.documents : 1)
            << (sent ? c.impressions : 2) << (sent ? c.financeCheck : u"×"_s);
        if (!passed) {
            row << none << none << none << none << none;
        } else {
            const bool checked = c.checked.isValid();
            row << (checked ? monthDay(c.checked) : u" "_s) << (checked ? c.checkResult : u" "_s)
                << monthDay(c.inspected) << monthDay(c.passed)
                << monthDay(sent ? c.dispatched : c.passed);
        }
        return row;
    }

    // Book numbers have at least four digits.
    static QString number(int n) { return u"%1"_s.arg(n, 4, 10, QChar(u'0')); }

    FileConnection &m_file;
    QDate m_today;
    int m_fiscalYear;
};

} // namespace

void fillDemo(const QString &path, const QDate &today) {
    if (!today.isValid())
        throw EngineError(u"日付が正しくありません。"_s);
    if (!QFileInfo(path).isFile())
        throw EngineError(u"データベースファイルがありません: "_s + shownPath(path));
    FileConnection file(path);
    file.begin();
    DemoOffice(file, today).write();
    file.commit();
}
