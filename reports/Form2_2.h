#pragma once

#include "ReportRun.h"

#include <QList>
#include <QString>
#include <QStringList>

// Form 2-2, grading tables by rank and month: calcForm2_2 overwrites the month and year
// cells of the eighteen fixed rows of 41工事成績評定点集計表 (no row is deleted or inserted).
// Rank r owns the rows 3(r-1)+1 … 3(r-1)+3: sum, number and average of 評定合計 of the
// completion-type inspections (完成検査, 清算出来高検査) of FiscalYear passed in that month.
// 12 × 6 + 6 queries, each followed by three updates.

// Which cases one page of the form covers.
enum class GradingScope { AllWorks, ByConstructionClass, ByInspector, ByInspectorAndClass };

namespace Form2_2 {

inline const QString TableName = QStringLiteral("41工事成績評定点集計表");

// A score rank: upper bound exclusive, lower bound inclusive, both written raw.
struct RankBand {
    QString upper;
    QString lower;
};

// The six ranks in the order of the table's rows; the sixth covers every graded case.
const QList<RankBand> &rankBands();

// The fixed row that holds a rank's measure: measure 0 the sum, 1 the number, 2 the average;
// rank from 1.
int rowId(int rank, int measure);

// The subtitle a page of that scope carries ("(全工事の集計)", "(舗装)", "(山田 検査員)",
// "(山田 検査員：土木)").
QString subtitle(GradingScope scope, const QString &constructionClass,
                 const QString &inspectorName);

// The statements as the run sends them (before the engine's adaptation): the sum, number and
// average of one rank for pass month 1 … 12, and for the whole year. constructionClass and
// inspectorName are used only by the scopes that name them.
QString monthStatement(GradingScope scope, const QString &constructionClass,
                       const QString &inspectorName, int month, const RankBand &band,
                       const QString &fiscalYear);
QString yearStatement(GradingScope scope, const QString &constructionClass,
                      const QString &inspectorName, const RankBand &band,
                      const QString &fiscalYear);

// The three lines of one cell's update: the month column m月 (month 1 … 12) or 合計.
QStringList monthUpdateLines(int month, const QString &value, int id);
QStringList yearUpdateLines(const QString &value, int id);

// The three cell values of one rank as read (A sum, B number, C average): an empty text
// (no case) becomes "0.0", and the average is written with one decimal.
struct RankFigures {
    QString sum;
    QString number;
    QString average;
};
RankFigures figuresFrom(const QString &sum, const QString &number, const QString &average);

} // namespace Form2_2

// Computes the eighteen rows for one page: ProgressDisplay(1, 12), one step per pass month,
// then the year column, ProgressDisplay(0, 12). Throws EngineError on a failing statement;
// the cells written so far keep their new values.
void calcForm2_2(ReportContext &context, GradingScope scope, const QString &constructionClass,
                 const QString &inspectorName);
