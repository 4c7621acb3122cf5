// The database file made by `kensa init` and `kensa demo`: its tables, the conversions the
// ledger relies on, the seeded rows, the refusal to touch an existing file, and the
// demonstration office.

#include "EngineError.h"
#include "LedgerFile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>
#include <QUuid>

using namespace Qt::Literals::StringLiterals;

namespace {

// A reading and writing connection of the test's own on one file.
class TestDb {
public:
    explicit TestDb(const QString &path)
        : m_name(u"tst-file-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        db.setDatabaseName(path);
        if (!db.open())
            QTest::qFail(qPrintable(db.lastError().text()), __FILE__, __LINE__);
    }
    ~TestDb() {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    TestDb(const TestDb &) = delete;
    TestDb &operator=(const TestDb &) = delete;

    // Runs one statement; returns the engine's error text, empty when it succeeded.
    QString exec(const QString &statement, QVariant *insertedId = nullptr) {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (!query.exec(statement))
            return query.lastError().text();
        if (insertedId)
            *insertedId = query.lastInsertId();
        return QString();
    }

    QList<QVariantList> rows(const QString &statement) {
        QList<QVariantList> result;
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (!query.exec(statement)) {
            QTest::qFail(qPrintable(statement + u": "_s + query.lastError().text()), __FILE__,
                         __LINE__);
            return result;
        }
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i)
                row.append(query.value(i));
            result.append(row);
        }
        return result;
    }

    QVariant value(const QString &statement) {
        const QList<QVariantList> r = rows(statement);
        return r.isEmpty() || r.first().isEmpty() ? QVariant() : r.first().first();
    }

    QStringList columnNames(const QString &table) {
        QStringList names;
        for (const QVariantList &row : rows(u"PRAGMA table_info([%1])"_s.arg(table)))
            names.append(row[1].toString());
        return names;
    }

private:
    QString m_name;
};

QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString native(const QString &path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

const QStringList kLedgerColumns =
    u"ID 受付番号 発送番号 受付日 受付月 時間 工事番号 備考 工事名 請負業者名 業種名称 請負金額 "
    "工期自 工期至 変更工期 担当局 担当部 担当課 監督員 評定監督員 評定係長 評定検査員 評定合計 "
    "年度 合格年 合格月 検査員 職種区分 契約区分 検査区分 工事区分 件名 公印種類 件数 押印数 "
    "財務チェック 立入点検日 立入点検結果 検査日 合格日 発送日"_s.split(u' ');

// A stored "mm/dd" as a calendar date: months from April on belong to the fiscal year's
// first calendar year. (QDate::fromString would take 1900 and refuse 02/29.)
QDate dateOf(const QString &monthDay, int fiscalYear) {
    static const QRegularExpression form(u"^([0-9]{2})/([0-9]{2})$"_s);
    const QRegularExpressionMatch m = form.match(monthDay);
    if (!m.hasMatch())
        return QDate();
    const int month = m.captured(1).toInt();
    return QDate(month >= 4 ? fiscalYear : fiscalYear + 1, month, m.captured(2).toInt());
}

int tenths(const QVariant &score) {
    return qRound(score.toDouble() * 10);
}

} // namespace

class tst_File : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void tables_data();
    void tables();
    void columnTypes_data();
    void columnTypes();
    void conversions_data();
    void conversions();
    void idsAscendAndAreNeverReused();
    void seededRows();
    void refusesExistingFile_data();
    void refusesExistingFile();
    void refusesMissingFolder();

    void kensaCommand_data();
    void kensaCommand();

    void demoYearsAndStates_data();
    void demoYearsAndStates();
    void demoValueForms();
    void demoRosterAndNumbering();
    void demoIsReproducible();
    void sqliteCliReadsDemo();

private:
    QString newPath() { return m_dir.filePath(u"file%1.mdb"_s.arg(++m_files)); }
    QString newLedger() {
        const QString path = newPath();
        createLedgerFile(path);
        return path;
    }

    QTemporaryDir m_dir;
    int m_files = 0;
    QString m_blank; // as createLedgerFile leaves it; never written to
    QString m_demo;  // filled for m_demoDay; never written to
    const QDate m_demoDay{2011, 11, 15};
};

void tst_File::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_blank = newLedger();
    m_demo = newLedger();
    fillDemo(m_demo, m_demoDay);
}

void tst_File::tables_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");

    const auto months = [](const QString &suffix, const QString &total) {
        QStringList names;
        for (int m : {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3})
            names.append(QString::number(m) + u"月"_s + suffix);
        return names << total;
    };
    const QStringList classes = u"土木 舗装 造園 建築 電気設備 機械設備 横計"_s.split(u' ');
    QStringList form3 = u"月 検査員 職種区分"_s.split(u' ');
    for (const QString &c : classes)
        form3 << c + u"c"_s;
    for (const QString &c : classes)
        form3 << c + u"p"_s;

    QTest::newRow("ledger") << u"10工事検査台帳"_s << kLedgerColumns;
    QTest::newRow("inspectors") << u"20検査員"_s
                                << u"ID 年度 検査員番号 検査員 職種区分 職員コード"_s.split(u' ');
    QTest::newRow("seals") << u"21公印"_s << QStringList{u"ID"_s, u"公印種類"_s};
    QTest::newRow("numbering") << u"22諸定義"_s
                               << u"ID 収受名 収受開始番号 発送名 発送開始番号"_s.split(u' ');
    QTest::newRow("form 1-1") << u"様式1：工事検査件数調書"_s
                              << (QStringList{u"職種区分"_s, u"見出しc"_s} +
                                  months(u"c"_s, u"横計c"_s) + QStringList{u"見出しp"_s} +
                                  months(u"p"_s, u"横計p"_s));
    QTest::newRow("form 1-2") << u"様式2：月別検査調書"_s
                              << (QStringList{u"検査員"_s, u"職種区分"_s, u"見出しc"_s} +
                                  months(u"c"_s, u"横計c"_s) + QStringList{u"見出しp"_s} +
                                  months(u"p"_s, u"横計p"_s));
    QTest::newRow("forms 1-3, 1-4") << u"様式3：業種別検査集計表"_s << form3;
    QTest::newRow("forms 1-5, 1-6")
        << u"様式5：工事完成検査集計表"_s
        << u"月 検査員 職種区分 完成検査c 中間検査c 主管課c 完成検査p 中間検査p 主管課p"_s.split(
               u' ');
    QTest::newRow("form 2-1") << u"40工事成績評定点総括"_s
                              << u"職種区分 件数 平均点数 内50点未満"_s.split(u' ');
    QTest::newRow("form 2-2") << u"41工事成績評定点集計表"_s
                              << (QStringList{u"ID"_s, u"表示"_s, u"見出"_s} +
                                  months(QString(), u"合計"_s));
    QTest::newRow("form 3-1") << u"31部署別集計表"_s
                              << u"検査員 合格月 工事区分 担当課 完成検査 中間検査 出来高検査 "
                                 u"部分完成検査 清算出来高検査 "
                                 "合計件数 合計金額 設計協議件数 設計協議金額"_s.split(u' ');
}

void tst_File::tables() {
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    TestDb db(m_blank);

    QStringList actual = db.columnNames(table);
    actual.sort();
    columns.sort();
    QCOMPARE(actual, columns);

    const QVariant strict =
        db.value(u"SELECT strict FROM pragma_table_list WHERE name = '%1'"_s.arg(table));
    QCOMPARE(strict.toInt(), 1);
}

void tst_File::columnTypes_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("type");

    const QString ledger = u"10工事検査台帳"_s;
    for (const QString &c : u"受付月 請負金額 年度 合格年 合格月 件数 押印数"_s.split(u' '))
        QTest::addRow("ledger %s", qPrintable(c)) << ledger << c << u"INTEGER"_s;
    for (const QString &c : u"評定監督員 評定係長 評定検査員 評定合計"_s.split(u' '))
        QTest::addRow("ledger %s", qPrintable(c)) << ledger << c << u"REAL"_s;
    for (const QString &c : u"受付日 時間 工事番号 合格日 財務チェック 立入点検結果"_s.split(u' '))
        QTest::addRow("ledger %s", qPrintable(c)) << ledger << c << u"TEXT"_s;
    QTest::newRow("inspector number") << u"20検査員"_s << u"検査員番号"_s << u"INTEGER"_s;
    QTest::newRow("staff code") << u"20検査員"_s << u"職員コード"_s << u"TEXT"_s;
    QTest::newRow("receipt start") << u"22諸定義"_s << u"収受開始番号"_s << u"INTEGER"_s;
    QTest::newRow("form 1-1 count") << u"様式1：工事検査件数調書"_s << u"4月c"_s << u"INTEGER"_s;
    QTest::newRow("form 1-1 percentage") << u"様式1：工事検査件数調書"_s << u"横計p"_s << u"REAL"_s;
    QTest::newRow("form 1-1 caption") << u"様式1：工事検査件数調書"_s << u"見出しp"_s << u"TEXT"_s;
    QTest::newRow("form 1-2 amount") << u"様式2：月別検査調書"_s << u"3月p"_s << u"INTEGER"_s;
    QTest::newRow("form 1-3 month") << u"様式3：業種別検査集計表"_s << u"月"_s << u"TEXT"_s;
    QTest::newRow("form 1-3 amount") << u"様式3：業種別検査集計表"_s << u"横計p"_s << u"INTEGER"_s;
    QTest::newRow("form 1-5 amount")
        << u"様式5：工事完成検査集計表"_s << u"主管課p"_s << u"INTEGER"_s;
    QTest::newRow("form 2-1 average") << u"40工事成績評定点総括"_s << u"平均点数"_s << u"REAL"_s;
    QTest::newRow("form 2-1 count") << u"40工事成績評定点総括"_s << u"内50点未満"_s << u"INTEGER"_s;
    QTest::newRow("form 2-2 month") << u"41工事成績評定点集計表"_s << u"12月"_s << u"REAL"_s;
    QTest::newRow("form 2-2 year") << u"41工事成績評定点集計表"_s << u"合計"_s << u"REAL"_s;
    QTest::newRow("form 3-1 marker") << u"31部署別集計表"_s << u"合格月"_s << u"TEXT"_s;
    QTest::newRow("form 3-1 amount") << u"31部署別集計表"_s << u"合計金額"_s << u"INTEGER"_s;
}

void tst_File::columnTypes() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, type);
    TestDb db(m_blank);
    QCOMPARE(
        db.value(u"SELECT type FROM pragma_table_info('%1') WHERE name = '%2'"_s.arg(table, column))
            .toString(),
        type);
}

void tst_File::conversions_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("literal");
    QTest::addColumn<QString>("storedType"); // empty: the insert must fail
    QTest::addColumn<QString>("readBack");   // QVariant::toString of the stored value

    const QString ledger = u"10工事検査台帳"_s;
    QTest::newRow("quoted digits into integer")
        << ledger << u"受付月"_s << u"'5'"_s << u"integer"_s << u"5"_s;
    QTest::newRow("quoted amount")
        << ledger << u"請負金額"_s << u"'12345678'"_s << u"integer"_s << u"12345678"_s;
    QTest::newRow("quoted blank into integer")
        << ledger << u"受付月"_s << u"' '"_s << QString() << QString();
    QTest::newRow("text into integer")
        << ledger << u"件数"_s << u"'abc'"_s << QString() << QString();
    QTest::newRow("empty into integer")
        << ledger << u"押印数"_s << u"''"_s << QString() << QString();
    QTest::newRow("whole score reads plain")
        << ledger << u"評定合計"_s << u"'82.0'"_s << u"real"_s << u"82"_s;
    QTest::newRow("score keeps its decimal")
        << ledger << u"評定監督員"_s << u"'72.5'"_s << u"real"_s << u"72.5"_s;
    QTest::newRow("quoted blank into real")
        << ledger << u"評定合計"_s << u"' '"_s << QString() << QString();
    QTest::newRow("blank text stays a blank")
        << ledger << u"受付日"_s << u"' '"_s << u"text"_s << u" "_s;
    QTest::newRow("full-width spaces stay")
        << ledger << u"担当課"_s << u"'　　'"_s << u"text"_s << u"　　"_s;
    QTest::newRow("percentage") << u"様式1：工事検査件数調書"_s << u"4月p"_s << u"'12.5'"_s
                                << u"real"_s << u"12.5"_s;
    QTest::newRow("amount of form 1-2")
        << u"様式2：月別検査調書"_s << u"4月p"_s << u"'0'"_s << u"integer"_s << u"0"_s;
    QTest::newRow("run marker is text")
        << u"31部署別集計表"_s << u"合格月"_s << u"'99'"_s << u"text"_s << u"99"_s;
    QTest::newRow("raw sum into grading cell")
        << u"41工事成績評定点集計表"_s << u"4月"_s << u"1234"_s << u"real"_s << u"1234"_s;
    QTest::newRow("raw average into grading cell")
        << u"41工事成績評定点集計表"_s << u"合計"_s << u"72.3"_s << u"real"_s << u"72.3"_s;
}

void tst_File::conversions() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, literal);
    QFETCH(QString, storedType);
    QFETCH(QString, readBack);

    TestDb db(newLedger());
    QVariant rowId;
    const QString error =
        db.exec(u"INSERT INTO [%1] ([%2]) VALUES (%3)"_s.arg(table, column, literal), &rowId);
    if (storedType.isEmpty()) {
        QVERIFY2(error.contains(u"cannot store TEXT value in"_s), qPrintable(error));
        QCOMPARE(db.value(u"SELECT count(*) FROM [%1]"_s.arg(table)).toInt(),
                 table.startsWith(u"41"_s) ? 18 : 0);
        return;
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QList<QVariantList> stored =
        db.rows(u"SELECT typeof([%2]), [%2] FROM [%1] WHERE rowid = %3"_s.arg(table, column,
                                                                              rowId.toString()));
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored[0][0].toString(), storedType);
    QCOMPARE(stored[0][1].toString(), readBack);
}

void tst_File::idsAscendAndAreNeverReused() {
    TestDb db(newLedger());
    const QString insert = u"INSERT INTO [10工事検査台帳] ([工事名]) VALUES ('%1')"_s;
    QList<qint64> ids;
    for (const QString &name : {u"一"_s, u"二"_s, u"三"_s}) {
        QVariant id;
        QCOMPARE(db.exec(insert.arg(name), &id), QString());
        ids.append(id.toLongLong());
    }
    QVERIFY2(ids[0] < ids[1] && ids[1] < ids[2],
             qPrintable(u"%1 %2 %3"_s.arg(ids[0]).arg(ids[1]).arg(ids[2])));

    // Deleting the newest case does not hand its number to the next one.
    QCOMPARE(db.exec(u"DELETE FROM [10工事検査台帳] WHERE ID = %1"_s.arg(ids[2])), QString());
    QVariant next;
    QCOMPARE(db.exec(insert.arg(u"四"_s), &next), QString());
    QVERIFY(next.toLongLong() > ids[2]);

    const QList<QVariantList> order =
        db.rows(u"SELECT [工事名] FROM [10工事検査台帳] ORDER BY ID"_s);
    QStringList names;
    for (const QVariantList &row : order)
        names.append(row[0].toString());
    QCOMPARE(names, (QStringList{u"一"_s, u"二"_s, u"四"_s}));
}

void tst_File::seededRows() {
    TestDb db(m_blank);

    // Nothing but the eleven tables (and SQLite's own counter of AUTOINCREMENT keys).
    QCOMPARE(db.value(u"SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                      "AND name NOT LIKE 'sqlite_%'"_s)
                 .toInt(),
             11);

    const QList<QVariantList> numbering = db.rows(
        u"SELECT ID, 収受名, typeof(収受開始番号), 収受開始番号, 発送名, 発送開始番号 FROM [22諸定義]"_s);
    QCOMPARE(numbering.size(), 1);
    QCOMPARE(numbering[0][0].toInt(), 1);
    QVERIFY(!numbering[0][1].toString().trimmed().isEmpty());
    QCOMPARE(numbering[0][2].toString(), u"integer"_s);
    QVERIFY(!numbering[0][4].toString().trimmed().isEmpty());
    QVERIFY(numbering[0][1].toString() != numbering[0][4].toString());

    const QList<QVariantList> seals = db.rows(u"SELECT 公印種類 FROM [21公印]"_s);
    QCOMPARE(seals.size(), 1);
    QCOMPARE(seals[0][0].toString(), u"市長印"_s);

    // Eighteen rows in ID order: per rank a sum, a number and an average, the rank's label
    // on its first row only.
    const QList<QVariantList> grading = db.rows(
        u"SELECT ID, 表示, 見出, [4月], [合計] FROM [41工事成績評定点集計表] ORDER BY rowid"_s);
    QCOMPARE(grading.size(), 18);
    const QStringList ranks{u"85～100点未満"_s, u"70～85点未満"_s, u"50～70点未満"_s,
                            u"35～50点未満"_s,  u"0～35点未満"_s,  u"全体"_s};
    const QStringList measures{u"合計点"_s, u"件数"_s, u"平均点"_s};
    for (int i = 0; i < 18; ++i) {
        QCOMPARE(grading[i][0].toInt(), i + 1);
        QCOMPARE(grading[i][1].toString().trimmed(), i % 3 == 0 ? ranks[i / 3] : QString());
        QCOMPARE(grading[i][2].toString(), measures[i % 3]);
    }

    for (const QString &table :
         {u"10工事検査台帳"_s, u"20検査員"_s, u"様式1：工事検査件数調書"_s, u"31部署別集計表"_s}) {
        QCOMPARE(db.value(u"SELECT count(*) FROM [%1]"_s.arg(table)).toInt(), 0);
    }
}

void tst_File::refusesExistingFile_data() {
    QTest::addColumn<QByteArray>("content"); // empty: a ledger file made before
    QTest::newRow("ledger file") << QByteArray();
    QTest::newRow("foreign bytes") << QByteArray("not a database\x01\x02", 16);
    QTest::newRow("empty file") << QByteArray("");
}

void tst_File::refusesExistingFile() {
    QFETCH(QByteArray, content);
    QString path;
    if (content.isNull()) {
        path = newLedger();
    } else {
        path = newPath();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QByteArray before = fileBytes(path);
    const QDateTime modified = QFileInfo(path).lastModified();

    try {
        createLedgerFile(path);
        QFAIL("an existing file was accepted");
    } catch (const EngineError &error) {
        QVERIFY2(error.message().contains(u"既にファイルがあります"_s),
                 qPrintable(error.message()));
        QVERIFY2(error.message().contains(native(path)), qPrintable(error.message()));
    }
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
    QVERIFY(!QFileInfo::exists(path + u"-journal"_s));
}

void tst_File::refusesMissingFolder() {
    const QString path = m_dir.filePath(u"missing/DB.mdb"_s);
    QVERIFY_THROWS_EXCEPTION(EngineError, createLedgerFile(path));
    QVERIFY(!QFileInfo::exists(path));
}

void tst_File::kensaCommand_data() {
    QTest::addColumn<QStringList>("args"); // "{dir}" stands for a fresh folder
    QTest::addColumn<bool>("existing");    // {dir}/DB.mdb holds a file beforehand
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expectedOut"); // part of stdout
    QTest::addColumn<QString>("expectedErr"); // part of stderr
    QTest::addColumn<int>("cases");           // -1: no new file expected

    QTest::newRow("init makes the folder")
        << QStringList{u"init"_s, u"{dir}/a/b"_s} << false << 0 << u"DB.mdb"_s << QString() << 0;
    QTest::newRow("init in the working folder")
        << QStringList{u"init"_s} << false << 0 << u"DB.mdb"_s << QString() << 0;
    QTest::newRow("init refuses a file") << QStringList{u"init"_s, u"{dir}"_s} << true << 1
                                         << QString() << u"既にファイルがあります: {file}"_s << -1;
    QTest::newRow("demo refuses a file") << QStringList{u"demo"_s, u"{dir}"_s} << true << 1
                                         << QString() << u"既にファイルがあります: {file}"_s << -1;
    QTest::newRow("demo fills") << QStringList{u"demo"_s, u"{dir}"_s} << false << 0 << u"DB.mdb"_s
                                << QString() << 1;
    QTest::newRow("too many words") << QStringList{u"init"_s, u"{dir}"_s, u"more"_s} << false << 2
                                    << QString() << u"init [DIR]"_s << -1;
    QTest::newRow("unknown command") << QStringList{u"frobnicate"_s} << false << 2 << QString()
                                     << u"不明なコマンドです: frobnicate"_s << -1;
    QTest::newRow("help") << QStringList{u"help"_s} << false << 0 << u"demo [DIR]"_s << QString()
                          << -1;
    QTest::newRow("no command") << QStringList() << false << 0 << u"init [DIR]"_s << QString()
                                << -1;
}

void tst_File::kensaCommand() {
    QFETCH(QStringList, args);
    QFETCH(bool, existing);
    QFETCH(int, exitCode);
    QFETCH(QString, expectedOut);
    QFETCH(QString, expectedErr);
    QFETCH(int, cases);

    QString kensa = qEnvironmentVariable("KENSA_BIN");
    if (kensa.isEmpty())
        kensa = QCoreApplication::applicationDirPath() + u"/../tools/kensa"_s;
    QVERIFY2(QFileInfo(kensa).isExecutable(), qPrintable(u"kensa not found: "_s + kensa));

    const QString dir = m_dir.filePath(u"command%1"_s.arg(++m_files));
    QVERIFY(QDir().mkpath(dir));
    const QString file = QDir(dir).filePath(u"DB.mdb"_s);
    QByteArray before;
    if (existing) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("kept as it is");
        f.close();
        before = fileBytes(file);
    }
    for (QString &arg : args)
        arg.replace(u"{dir}"_s, dir);

    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(kensa, args);
    QVERIFY(process.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == exitCode, qPrintable(out + err));
    if (!expectedOut.isEmpty())
        QVERIFY2(out.contains(expectedOut), qPrintable(out));
    if (!expectedErr.isEmpty())
        QVERIFY2(err.contains(QString(expectedErr).replace(u"{file}"_s, native(file))),
                 qPrintable(err));

    if (existing)
        QCOMPARE(fileBytes(file), before);
    if (cases < 0)
        return;
    QString made = file;
    if (args.size() > 1)
        made = QDir(args[1]).filePath(u"DB.mdb"_s);
    QVERIFY2(QFileInfo::exists(made), qPrintable(made));
    TestDb db(made);
    QCOMPARE(db.columnNames(u"10工事検査台帳"_s).size(), kLedgerColumns.size());
    const int count = db.value(u"SELECT count(*) FROM [10工事検査台帳]"_s).toInt();
    QVERIFY2(cases == 0 ? count == 0 : count > 0, qPrintable(QString::number(count)));
}

void tst_File::demoYearsAndStates_data() {
    QTest::addColumn<QDate>("today");
    QTest::newRow("autumn") << QDate(2011, 11, 15);
    QTest::newRow("March belongs to the year before") << QDate(2012, 3, 15);
    QTest::newRow("first days of a year") << QDate(2012, 4, 2);
    QTest::newRow("after the era changed") << QDate(2026, 7, 1);
}

void tst_File::demoYearsAndStates() {
    QFETCH(QDate, today);
    const int fiscalYear = today.month() >= 4 ? today.year() : today.year() - 1;
    const QString path = newLedger();
    fillDemo(path, today);
    TestDb db(path);

    const QList<QVariantList> years =
        db.rows(u"SELECT 年度, count(*) FROM [10工事検査台帳] GROUP BY 年度 ORDER BY 年度"_s);
    // The year before is whole; the running year holds the requests received so far (on the
    // first days of April there may be none yet).
    QVERIFY(years.size() == 1 || years.size() == 2);
    QCOMPARE(years[0][0].toInt(), fiscalYear - 1);
    QVERIFY2(years[0][1].toInt() >= 200 && years[0][1].toInt() <= 400,
             qPrintable(years[0][1].toString()));
    if (years.size() == 2) {
        QCOMPARE(years[1][0].toInt(), fiscalYear);
        QVERIFY2(years[1][1].toInt() <= 400, qPrintable(years[1][1].toString()));
    }
    for (const QVariantList &r :
         db.rows(u"SELECT 年度, 受付月, 受付日 FROM [10工事検査台帳] WHERE 年度=%1"_s.arg(fiscalYear))) {
        const int month = r[1].toInt();
        const QDate received(month >= 4 ? fiscalYear : fiscalYear + 1, month,
                             r[2].toString().mid(3, 2).toInt());
        QVERIFY2(received <= today, qPrintable(r[2].toString()));
    }

    const QList<QVariantList> rows = db.rows(
        u"SELECT ID, 年度, 合格年, 合格月, 立入点検日, 立入点検結果, 検査日, 合格日, 発送日, "
        "評定監督員, 評定係長, 評定検査員, 評定合計, 検査区分, 公印種類, 件数, 押印数, "
        "財務チェック, "
        "受付日 FROM [10工事検査台帳] ORDER BY ID"_s);
    int received = 0, passed = 0, dispatched = 0, graded = 0;
    for (const QVariantList &r : rows) {
        const QString id = u"case %1: "_s.arg(r[0].toString());
        const int year = r[1].toInt();
        const int passMonth = r[3].toInt();
        const bool completion =
            r[13].toString() == u"完成検査"_s || r[13].toString() == u"清算出来高検査"_s;
        const int a = tenths(r[9]), b = tenths(r[10]), c = tenths(r[11]), total = tenths(r[12]);
        QVERIFY2(passMonth >= 0 && passMonth <= 12, qPrintable(id + r[3].toString()));
        QVERIFY2(total == (4 * a + 2 * b + 4 * c + 5) / 10,
                 qPrintable(id + u"%1 %2 %3 → %4"_s.arg(a).arg(b).arg(c).arg(total)));

        if (passMonth == 0) {
            ++received;
            QCOMPARE(r[2].toInt(), 0);
            for (int col : {4, 5, 6, 7, 8})
                QVERIFY2(r[col].isNull(), qPrintable(id + u"column %1 is set"_s.arg(col)));
            QVERIFY2(a == 0 && b == 0 && c == 0, qPrintable(id + u"scores before the pass"_s));
            QCOMPARE(r[14].toString(), u"市長印"_s);
            QCOMPARE(r[17].toString(), u"×"_s);
            continue;
        }
        const QDate passDate = dateOf(r[7].toString(), year);
        const QDate inspection = dateOf(r[6].toString(), year);
        QVERIFY2(passDate.isValid() && inspection.isValid(), qPrintable(id + r[7].toString()));
        QCOMPARE(passDate.month(), passMonth);
        QCOMPARE(r[2].toInt(), passDate.year());
        QVERIFY2(inspection <= passDate, qPrintable(id + r[6].toString()));
        QVERIFY2(passDate <= today, qPrintable(id + u"passed after today"_s));
        QVERIFY2(dateOf(r[18].toString(), year) <= inspection, qPrintable(id + r[18].toString()));
        QVERIFY2(!r[4].isNull() && !r[5].isNull(), qPrintable(id + u"check columns are null"_s));
        if (completion) {
            ++graded;
            QVERIFY2(a > 0 && b > 0 && c > 0, qPrintable(id + u"completion without scores"_s));
        } else {
            QVERIFY2(a == 0 && b == 0 && c == 0, qPrintable(id + u"intermediate with scores"_s));
        }
        if (r[8].toString() == r[7].toString()) {
            // Result registered: the dispatch date is the pass date, the rest the defaults.
            ++passed;
            QCOMPARE(r[14].toString(), u"市長印"_s);
            QCOMPARE(r[15].toInt(), 1);
            QCOMPARE(r[16].toInt(), 2);
            QCOMPARE(r[17].toString(), u"×"_s);
        } else {
            ++dispatched;
            QDate sent = dateOf(r[8].toString(), year);
            if (sent < passDate)
                sent = sent.addYears(1); // sent in April for a March pass
            QVERIFY2(sent > passDate && sent <= today, qPrintable(id + r[8].toString()));
            QVERIFY(r[17].toString() == u"○"_s || r[17].toString() == u"×"_s);
        }
    }
    QVERIFY2(received > 0 && passed > 0 && dispatched > 0 && graded > 0,
             qPrintable(u"%1 received, %2 passed, %3 dispatched, %4 graded"_s.arg(received)
                            .arg(passed)
                            .arg(dispatched)
                            .arg(graded)));
}

void tst_File::demoValueForms() {
    TestDb db(m_demo);
    const QSet<QString> contractClasses{u"契約依頼"_s, u"各課執行"_s};
    const QSet<QString> inspectionClasses{u"完成検査"_s, u"出来高検査"_s, u"中間検査"_s,
                                          u"部分完成検査"_s, u"清算出来高検査"_s};
    const QSet<QString> constructionClasses{u"土木"_s, u"舗装"_s,     u"造園"_s,
                                            u"建築"_s, u"電気設備"_s, u"機械設備"_s};
    const QSet<QString> trades{u"土木"_s, u"建築"_s, u"設備"_s};
    const QSet<QString> remarks{u"＊＊＊"_s,   u"繰越"_s,       u"繰越出来高"_s, u"繰越清算"_s,
                                u"設計協議"_s, u"中間出来高"_s, u"部分完成"_s,   u"清算出来高"_s};
    const QSet<QString> checkResults{u" "_s,          u"特になし"_s, u"指示書指示"_s,
                                     u"指示書指導"_s, u"口頭指示"_s, u"口頭指導"_s};
    const QStringList industryList =
        u"土木一式工事 ほ装工事 安全施設工事 造園工事 さく井工事 橋梁補修工事 塗装工事 とび土工 "
        "水道施設工事 建築一式工事 建築工事 解体工事 内装仕上工事 建具工事 防水工事 杭打工事 "
        "電気工事 "
        "電気通信工事 浚渫工事 機械器具設置工事 管工事 鋼構造物工事 清掃施設工事 その他"_s.split(
            u' ');
    const QSet<QString> industries(industryList.begin(), industryList.end());
    QSet<QString> seals;
    for (const QVariantList &row : db.rows(u"SELECT 公印種類 FROM [21公印]"_s))
        seals.insert(row[0].toString());

    const QRegularExpression monthDay(u"^(0[1-9]|1[0-2])/(0[1-9]|[12][0-9]|3[01])$"_s);
    const QRegularExpression time(u"^([7-9]|1[0-9]|2[0-4]):[0-5]0$"_s);
    const QRegularExpression workNumber(u"^[0-9]{3}-[0-9]{2}$"_s);
    const QRegularExpression era(u"^H[0-9]{2}/(0[1-9]|1[0-2])/(0[1-9]|[12][0-9]|3[01])$"_s);

    const QList<QVariantList> rows = db.rows(
        u"SELECT ID, 受付日, 受付月, 時間, 工事番号, 工期自, 工期至, 変更工期, 担当局, 担当部, "
        u"件名, "
        "契約区分, 検査区分, 工事区分, 業種名称, 職種区分, 公印種類, 請負金額, 工事名, 請負業者名, "
        "担当課, 監督員, 備考, 立入点検結果, 立入点検日 FROM [10工事検査台帳]"_s);
    QVERIFY(!rows.isEmpty());
    QSet<QString> sectionsSeen;
    for (const QVariantList &r : rows) {
        const QString id = u"case %1: "_s.arg(r[0].toString());
        const auto text = [&](int i) { return r[i].toString(); };
        QVERIFY2(monthDay.match(text(1)).hasMatch(), qPrintable(id + text(1)));
        QCOMPARE(text(1).left(2).toInt(), r[2].toInt());
        QVERIFY2(time.match(text(3)).hasMatch(), qPrintable(id + text(3)));
        QVERIFY2(workNumber.match(text(4)).hasMatch(), qPrintable(id + text(4)));
        QVERIFY2(era.match(text(5)).hasMatch() && era.match(text(6)).hasMatch(),
                 qPrintable(id + text(5) + u' ' + text(6)));
        QVERIFY2(text(5) < text(6), qPrintable(id + text(5) + u' ' + text(6)));
        QVERIFY2(text(7) == u" "_s || (era.match(text(7)).hasMatch() && text(6) < text(7)),
                 qPrintable(id + text(7)));
        QCOMPARE(text(8), u" "_s);
        QCOMPARE(text(9), u" "_s);
        QCOMPARE(text(10), u"完成検査等"_s);
        QVERIFY2(contractClasses.contains(text(11)), qPrintable(id + text(11)));
        QVERIFY2(inspectionClasses.contains(text(12)), qPrintable(id + text(12)));
        QVERIFY2(constructionClasses.contains(text(13)), qPrintable(id + text(13)));
        QVERIFY2(industries.contains(text(14)), qPrintable(id + text(14)));
        QVERIFY2(trades.contains(text(15)), qPrintable(id + text(15)));
        QVERIFY2(seals.contains(text(16)), qPrintable(id + text(16)));
        QVERIFY2(r[17].toLongLong() >= 1'000'000, qPrintable(id + text(17)));
        for (int i : {18, 19, 20, 21})
            QVERIFY2(!text(i).trimmed().isEmpty(), qPrintable(id + u"blank column %1"_s.arg(i)));
        QVERIFY2(remarks.contains(text(22)), qPrintable(id + text(22)));
        if (!r[23].isNull()) {
            QVERIFY2(checkResults.contains(text(23)), qPrintable(id + text(23)));
            QVERIFY2((text(23) == u" "_s) == (text(24) == u" "_s), qPrintable(id + text(24)));
        }
        sectionsSeen.insert(text(20));
    }
    QVERIFY2(sectionsSeen.size() >= 5, qPrintable(QString::number(sectionsSeen.size())));
    // Era year of 2011 (H23) and of the year before.
    QVERIFY(db.value(u"SELECT count(*) FROM [10工事検査台帳] WHERE 工期至 LIKE 'H23/%'"_s).toInt() >
            0);
}

void tst_File::demoRosterAndNumbering() {
    TestDb db(m_demo);

    for (int year : {m_demoDay.year() - 1, m_demoDay.year()}) {
        const QList<QVariantList> roster = db.rows(
            u"SELECT 検査員番号, 検査員, 職種区分, 職員コード FROM [20検査員] WHERE 年度 = %1"_s
                .arg(year));
        QVERIFY2(roster.size() >= 10 && roster.size() <= 14,
                 qPrintable(QString::number(roster.size())));
        QMap<QString, int> perTrade;
        QSet<int> numbers;
        QSet<QString> names;
        bool blankCode = false;
        for (const QVariantList &r : roster) {
            perTrade[r[2].toString()]++;
            numbers.insert(r[0].toInt());
            names.insert(r[1].toString());
            blankCode = blankCode || r[3].toString() == u" "_s;
        }
        QVERIFY2(perTrade[u"土木"_s] > perTrade[u"建築"_s] &&
                     perTrade[u"建築"_s] > perTrade[u"設備"_s] && perTrade[u"設備"_s] > 0,
                 qPrintable(QString::number(year)));
        QCOMPARE(perTrade.size(), 3);
        QCOMPARE(numbers.size(), roster.size());
        QCOMPARE(names.size(), roster.size());
        QVERIFY(blankCode);
    }

    // Every case belongs to an inspector of its year's roster, with that inspector's trade.
    QCOMPARE(
        db.value(u"SELECT count(*) FROM [10工事検査台帳] AS c WHERE NOT EXISTS (SELECT 1 FROM "
                 "[20検査員] AS i WHERE i.年度 = c.年度 AND i.検査員 = c.検査員 AND i.職種区分 = "
                 "c.職種区分)"_s)
            .toInt(),
        0);
    // The year before was registered first.
    QVERIFY(db.value(u"SELECT max(ID) FROM [10工事検査台帳] WHERE 年度 = %1"_s.arg(
                         m_demoDay.year() - 1))
                .toInt() < db.value(u"SELECT min(ID) FROM [10工事検査台帳] WHERE 年度 = %1"_s.arg(
                                        m_demoDay.year()))
                               .toInt());

    // Book numbers follow the registration order within each year, from the start numbers.
    const QList<QVariantList> books = db.rows(
        u"SELECT 収受名, 収受開始番号, 発送名, 発送開始番号 FROM [22諸定義] WHERE ID = 1"_s);
    QCOMPARE(books.size(), 1);
    const QList<QVariantList> cases = db.rows(
        u"SELECT 年度, 受付番号, 発送番号, 受付日, 時間 FROM [10工事検査台帳] ORDER BY ID"_s);
    int year = 0, sequence = 0;
    int previousKey = 0;
    for (const QVariantList &c : cases) {
        if (c[0].toInt() != year) {
            year = c[0].toInt();
            sequence = 0;
            previousKey = 0;
        }
        ++sequence;
        const auto number = [&](int book) {
            return books[0][book].toString() +
                   u"%1"_s.arg(sequence + books[0][book + 1].toInt(), 4, 10, QChar(u'0'));
        };
        QCOMPARE(c[1].toString(), number(0));
        QCOMPARE(c[2].toString(), number(2));
        const QDate received = dateOf(c[3].toString(), year);
        const QTime at = QTime::fromString(c[4].toString(), u"H:mm"_s);
        QVERIFY(at.isValid());
        const int key =
            int(QDate(year, 4, 1).daysTo(received)) * 1440 + at.msecsSinceStartOfDay() / 60000;
        QVERIFY2(key >= previousKey, qPrintable(c[1].toString()));
        previousKey = key;
    }

    QStringList seals;
    for (const QVariantList &row : db.rows(u"SELECT 公印種類 FROM [21公印] ORDER BY ID"_s))
        seals.append(row[0].toString());
    QVERIFY2(seals.size() >= 3 && seals.first() == u"市長印"_s && seals.count(u"市長印"_s) == 1,
             qPrintable(seals.join(u',')));
}

void tst_File::demoIsReproducible() {
    const auto dump = [](const QString &path) {
        TestDb db(path);
        QStringList lines;
        for (const QString &table :
             {u"10工事検査台帳"_s, u"20検査員"_s, u"21公印"_s, u"22諸定義"_s}) {
            for (const QVariantList &row :
                 db.rows(u"SELECT * FROM [%1] ORDER BY rowid"_s.arg(table))) {
                QStringList cells;
                for (const QVariant &v : row)
                    cells.append(v.isNull() ? u"<null>"_s : v.toString());
                lines.append(table + u": "_s + cells.join(u'|'));
            }
        }
        return lines;
    };
    const QString again = newLedger();
    fillDemo(again, m_demoDay);
    const QStringList first = dump(m_demo);
    QVERIFY(first.size() > 300);
    QCOMPARE(dump(again), first);
}

void tst_File::sqliteCliReadsDemo() {
    const QString sqlite = QStandardPaths::findExecutable(u"sqlite3"_s);
    if (sqlite.isEmpty())
        QSKIP("the sqlite3 command is not installed");
    QProcess process;
    process.start(sqlite, {m_demo, u"select count(*) from \"10工事検査台帳\""_s});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    TestDb db(m_demo);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
             db.value(u"SELECT count(*) FROM [10工事検査台帳]"_s).toString());
}

QTEST_GUILESS_MAIN(tst_File)
#include "tst_file.moc"
