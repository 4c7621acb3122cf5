#pragma once

#include "ReportRun.h"

#include <QString>
#include <QStringList>

// Form 2-1, grading summary: the graded cases of FiscalYear (passed completion-type
// inspections, 完成検査 and 清算出来高検査, with a total score 評定合計) by trade, each row
// with the number of cases scoring 0 to under 100, their average and the number scoring
// under 50. Rows 土木, 建築, 設備 and <合計> in 40工事成績評定点総括.
namespace Form2_1 {

inline const QString TableName = QStringLiteral("40工事成績評定点総括");

// A score band: lower bound included, upper bound excluded, both written raw.
struct SummaryBand {
    QString upper;
    QString lower;
};
inline const SummaryBand AllBand{QStringLiteral("100"), QStringLiteral("0")};
inline const SummaryBand LowBand{QStringLiteral("50"), QStringLiteral("0")};

// The statement of one band for one trade; `trade` empty: every trade (the total row).
QString bandStatement(const QString &trade, const SummaryBand &band, const QString &fiscalYear);

// The average as stored: "0.0" for an empty band, otherwise one decimal, a half away from
// zero (72.25 → "72.3"). Throws EngineError when the text is not a number.
QString averageText(const QString &average);

// The insert of one row: the trade (or "<合計>"), the count of band all, its average and
// the count of band low.
QStringList insertLines(const QString &trade, const QString &count, const QString &average,
                        const QString &lowCount);

} // namespace Form2_1

// Empties 40工事成績評定点総括 and writes its four rows. Progress maximum 4, one step per
// trade.
void calcForm2_1(ReportContext &context);
