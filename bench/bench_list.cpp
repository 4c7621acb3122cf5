// Times the ledger list on a file of many cases: opening, filtering by tab and month, and
// the sort orders. Run by hand: build/bench/bench_list [cases]
#include "Database.h"
#include "TableDataset.h"
#include "LedgerFile.h"
#include "ListFilter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int cases = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5000;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("DB.mdb"));
    createLedgerFile(file);
    Database db;
    db.open(file);
    db.exec(QStringLiteral("BEGIN"));
    for (int i = 0; i < cases; ++i) {
        db.exec(QStringLiteral("INSERT INTO 10工事検査台帳 "
                               "(年度,受付月,受付日,工事名,検査員,請負金額,合格年,評定合計,担当課) "
                               "VALUES (2011,%1,'%2/01','工事%3','検査員%4',%5,%6,%7,'課%8')")
                    .arg(i % 12 + 1)
                    .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                    .arg(i)
                    .arg(i % 12)
                    .arg((i * 7919) % 90000000)
                    .arg(i % 3 ? 2011 : 0)
                    .arg((i * 37) % 100)
                    .arg(i % 40));
    }
    db.exec(QStringLiteral("COMMIT"));

    QTextStream out(stdout);
    LedgerDataset list(db);
    list.setFiltered(true);
    QElapsedTimer t;
    auto time = [&](const QString &what, const std::function<void()> &f) {
        t.start();
        f();
        out << what << ": " << t.nsecsElapsed() / 1000000.0 << " ms, " << list.recordCount()
            << " rows\n";
    };
    time(QStringLiteral("open whole year"), [&] {
        list.setFilter(ListFilter::build(QStringLiteral("2011"), 0, QString(), 12, 0));
        list.open();
    });
    time(QStringLiteral("inspector and month"), [&] {
        list.setFilter(
            ListFilter::build(QStringLiteral("2011"), 3, QStringLiteral("検査員3"), 0, 0));
        list.open();
    });
    list.setFilter(ListFilter::build(QStringLiteral("2011"), 0, QString(), 12, 0));
    list.open();
    for (int n = 1; n <= ListFilter::SortOrderCount; ++n)
        time(QStringLiteral("sort %1").arg(n), [&] { list.setSort(ListFilter::sortColumns(n)); });
    return 0;
}
