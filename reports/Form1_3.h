#pragma once

#include "ReportRun.h"

#include <QString>
#include <QStringList>

// Forms 1-3 and 1-4, by construction class (土木, 舗装, 造園, 建築, 電気設備, 機械設備): both
// write 様式3：業種別検査集計表 and print on the same page, whose title label (QRLabel17)
// the menu sets to the form that ran. Each row holds, per class and for all classes
// together, the passed inspections and the contract amount of the completion-type ones
// (完成検査, 清算出来高検査).
//
// calcForm1_3: one row per month of FiscalYear, April to March, then the year's <合計> row;
// 12 × 14 + 14 queries.
// calcForm1_4: for each month one row per civil, building and equipment inspector (in that
// order, each list in roster order) and the month's <小計> row over every case of the
// month; 168 × (inspectors + 1) queries.
namespace Form1_3 {

inline const QString TableName = QStringLiteral("様式3：業種別検査集計表");
inline const QString Form13Title =
    QStringLiteral("様式1-3：工事区分別検査集計表（月別、工事区分別　件数・金額）");
inline const QString Form14Title =
    QStringLiteral("様式1-4：工事区分別検査集計表（月別、検査員別、工事区分別　件数・金額）");

// Which of a cell's two figures a statement computes: the count (alias A) or the amount
// (alias B).
enum class Figure { Count, Amount };

// The month of a statement: 1 … 12, or the whole year (合格月>0).
constexpr int WholeYear = 0;

// The statements as the runs send them (before the engine's adaptation). An empty
// constructionClass gives the row total (横計) over every class.
// Form 1-3: a month row (month 1 … 12) or the total row (WholeYear).
QString classStatement(Figure figure, const QString &constructionClass, int month,
                       const QString &fiscalYear);
// Form 1-4: an inspector's row of a month.
QString inspectorStatement(Figure figure, const QString &constructionClass, int month,
                           const QString &inspector, const QString &fiscalYear);
// Form 1-4: a month's subtotal row.
QString subtotalStatement(Figure figure, const QString &constructionClass, int month,
                          const QString &fiscalYear);

// The lines of one row's insert: the label values, then seven counts and seven amounts,
// each in class order followed by the row total.
QStringList form13InsertLines(const QString &month, const QStringList &counts,
                              const QStringList &amounts);
QStringList form14InsertLines(const QString &month, const QString &inspector, const QString &trade,
                              const QStringList &counts, const QStringList &amounts);

} // namespace Form1_3

// Rewrites 様式3：業種別検査集計表 with form 1-3's thirteen rows. The progress display gets
// InspectorCount as its maximum and one step per month. Throws EngineError where a
// statement fails; the rows written so far stay.
void calcForm1_3(ReportContext &context);

// Rewrites 様式3：業種別検査集計表 with form 1-4's rows. The progress display gets
// InspectorCount × 12 as its maximum and one step per inspector row. An inspector whose
// trade is none of 土木, 建築, 設備 gets no row of their own; their cases count in the
// month's <小計> row. Throws EngineError where a statement fails; the rows written so far
// stay.
void calcForm1_4(ReportContext &context);
