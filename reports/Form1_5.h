#pragma once

#include "ReportRun.h"

#include <QString>
#include <QStringList>

// Forms 1-5 and 1-6, completion inspection tables. Both write 様式5：工事完成検査集計表; every
// row holds three sets of the fiscal year's passed inspections, each as a count and a sum of
// contract amounts (yen):
//   completion   完成検査, 清算出来高検査              → 完成検査c, 完成検査p
//   intermediate 出来高検査, 中間検査, 部分完成検査    → 中間検査c, 中間検査p
//   section      completion ones with 契約区分 各課執行 → 主管課c, 主管課p
// Form 1-5 gives one block per inspector (civil, building, equipment inspectors in list
// order): twelve month rows, April to March, then the inspector's year row "<合計>".
// Form 1-6 gives one year row per inspector, a "<小計>" row after each trade group and a
// "<合計>" row for the whole year.
namespace Form1_5 {

inline const QString TableName = QStringLiteral("様式5：工事完成検査集計表");

enum class Set { Completion, Intermediate, Section };
// The sets in the order of the row's columns.
inline constexpr Set Sets[3] = {Set::Completion, Set::Intermediate, Set::Section};

// The three counts and the three amounts of one row, in the order of Sets; amounts as
// AmountText made them ("0" for no case).
struct Figures {
    QStringList counts;
    QStringList amounts;
};

// Form 1-5: the statement of one set for inspector N in calendar month `month` (1 … 12), or
// in the whole year when month is 0 (the inspector's "<合計>" row).
QString monthStatement(Set set, int month, const QString &inspector, const QString &fiscalYear);

// Form 1-6: the statement of one set for one inspector's year, for a trade group's subtotal
// (cases whose own 職種区分 is the trade) and for the whole year.
QString inspectorStatement(Set set, const QString &inspector, const QString &fiscalYear);
QString tradeStatement(Set set, const QString &trade, const QString &fiscalYear);
QString totalStatement(Set set, const QString &fiscalYear);

// The insert of a form 1-5 row (with 月) and of a form 1-6 row (without it).
QStringList monthRowInsertLines(const QString &month, const QString &inspector,
                                const QString &trade, const Figures &figures);
QStringList yearRowInsertLines(const QString &inspector, const QString &trade,
                               const Figures &figures);

// Form 1-5's inspectors: InspectorCount entries (1-based, entry 0 empty) filled with the
// civil, then the building, then the equipment inspectors. An inspector whose trade is none
// of the three leaves an empty entry at the end.
QStringList mergedInspectorList();

} // namespace Form1_5

// Empties 様式5：工事完成検査集計表 and writes form 1-5's rows. Walks the filled entries of the
// merged list only: an empty entry would print a page for nobody. The progress bar is set
// to InspectorCount and advances once per month row.
void calcForm1_5(ReportContext &context);

// Empties 様式5：工事完成検査集計表 and writes form 1-6's rows. The progress bar is set to
// InspectorCount and advances once per inspector row.
void calcForm1_6(ReportContext &context);
