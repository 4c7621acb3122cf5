#pragma once

#include "ReportRun.h"

#include <QString>
#include <QStringList>

// Form 1-2, monthly counts and amounts by inspector: calcForm1_2 empties 様式2：月別検査調書
// and writes, for the inspectors of each trade (土木, 建築, 設備, in roster order), one row
// per inspector and the trade's subtotal row, then the total row <合計>. Each row holds the
// passed inspections of every month of FiscalYear (April to March) and of the year, and
// the contract amounts of the completion-type ones (完成検査, 清算出来高検査) among them.
// 26 queries per row, one after another.
namespace Form1_2 {

inline const QString TableName = QStringLiteral("様式2：月別検査調書");

// Which of a row's two figures a statement computes: the count (alias A) or the amount
// (alias B).
enum class Figure { Count, Amount };

// The month of a statement: 1 … 12, or the whole year (合格月>0).
constexpr int WholeYear = 0;

// The statements as the run sends them (before the engine's adaptation), for an inspector
// row (検査員 = name), a trade's subtotal row (the cases' own 職種区分 = trade) and the
// total row (every case of the year).
QString inspectorStatement(Figure figure, int month, const QString &fiscalYear,
                           const QString &inspector);
QString tradeStatement(Figure figure, int month, const QString &fiscalYear, const QString &trade);
QString totalStatement(Figure figure, int month, const QString &fiscalYear);

// The lines of one row's insert: the 検査員 and 職種区分 values, then the thirteen counts
// and the thirteen amounts, each in the order April … December, January … March, year.
QStringList insertLines(const QString &inspector, const QString &trade, const QStringList &counts,
                        const QStringList &amounts);

} // namespace Form1_2

// Rewrites 様式2：月別検査調書 for FiscalYear from the ledger. The progress display gets
// InspectorCount as its maximum and one step per inspector row. Throws EngineError where
// a statement fails; the rows written so far stay.
void calcForm1_2(ReportContext &context);
