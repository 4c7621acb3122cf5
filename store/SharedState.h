#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class Query;

// A roster: a count and 1-based lists (index 0 holds nothing). The full roster fills the
// trades too; the three trade lists fill only the names.
struct TKensain {
    int count = 0;
    QStringList names{QString()};
    QStringList trades{QString()};

    void resize(int n);
    QString name(int i) const { return i >= 0 && i < names.size() ? names.at(i) : QString(); }
    QString trade(int i) const { return i >= 0 && i < trades.size() ? trades.at(i) : QString(); }
};

// The numbering books of 22諸定義.
struct TBunsyo {
    QString receiptBookName;
    qint64 receiptStartNo = 0;
    QString dispatchBookName;
    qint64 dispatchStartNo = 0;
};

// The values every window reads; written only by the start-up and by the year box.
struct SharedState {
    QString fiscalYear;
    QString workDir;
    qint64 firstYearId = 0;
    TKensain roster;    // InspectorCount, InspectorNames, InspectorTrades
    TKensain civil;     // CivilInspectors
    TKensain building;  // BuildingInspectors
    TKensain equipment; // EquipmentInspectors
    TBunsyo numbering;

    int inspectorCount() const { return roster.count; }
    void reset() { *this = SharedState(); }
};

SharedState &shared();

// The fiscal year (April to March) named by the calendar year in which it begins.
int fiscalYearOf(const QDate &day);

// The trade class of an inspector of the current roster; "未定義" when absent. The first
// equal name wins (exact comparison).
QString TradeLookup(const QString &name);

// Reads the roster of a fiscal year into the shared state (the reads of LoadRoster).
void readRoster(Query &query, const QString &fiscalYear);

// Reads FirstYearId and the numbering record, as at start-up.
qint64 readFirstYearId(Query &query, const QString &fiscalYear);
TBunsyo readNumbering(Query &query);

// Trade classes, construction classes, inspection classes and contract classes.
namespace Classes {
inline const QStringList trades = {QStringLiteral("土木"), QStringLiteral("建築"),
                                   QStringLiteral("設備")};
inline const QStringList construction = {QStringLiteral("土木"),     QStringLiteral("舗装"),
                                         QStringLiteral("造園"),     QStringLiteral("建築"),
                                         QStringLiteral("電気設備"), QStringLiteral("機械設備")};
inline const QStringList inspection = {QStringLiteral("完成検査"), QStringLiteral("出来高検査"),
                                       QStringLiteral("中間検査"), QStringLiteral("部分完成検査"),
                                       QStringLiteral("清算出来高検査")};
inline const QStringList contract = {QStringLiteral("契約依頼"), QStringLiteral("各課執行")};
} // namespace Classes
