#pragma once

#include "ReportRun.h"

#include <QString>
#include <QStringList>

// Form 1-1, monthly counts by trade: TDat::Calc_Form1_1 empties 様式1：工事検査件数調書 and
// writes one row per trade (土木, 建築, 設備) and the total row <合計>: the passed
// inspections of each month of FiscalYear, April to March, and of the year, each with its
// share of the year's passed inspections. 1 + 3 × 13 + 13 counting queries, 4 inserts.
namespace Form1_1 {

inline const QString TableName = QStringLiteral("様式1：工事検査件数調書");

// The statements as the run sends them (before the engine's adaptation). `trade` empty:
// every trade (the total row).
QString yearTotalStatement(const QString &fiscalYear);
QString monthStatement(int month, const QString &fiscalYear, const QString &trade);
QString rowTotalStatement(const QString &fiscalYear, const QString &trade);

// The lines of one row's insert: the trade (or "<合計>"), then the thirteen counts and the
// thirteen shares, each in the order April … December, January … March, row total.
QStringList insertLines(const QString &trade, const QStringList &counts,
                        const QStringList &percents);

} // namespace Form1_1
