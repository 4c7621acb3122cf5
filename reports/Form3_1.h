#pragma once

#include "ReportRun.h"

#include <QString>
#include <QStringList>

// Form 3-1, department tables: calcForm3_1 empties 31部署別集計表 and writes, per section in
// charge (担当課) of the ledger, the passed inspections of FiscalYear by inspection class,
// their number, the contract amount of the completion-type inspections and the number and
// amount of the design-consultation works (契約区分 各課執行). Each row costs seven queries
// and one insert.

// Which blocks of section rows a run writes: every section once with a grand total; every
// section per construction class with a subtotal per class; the same per inspector.
enum class DepartmentScope { AllSections, SectionsByClass, SectionsByInspectorAndClass };

namespace Form3_1 {

inline const QString TableName = QStringLiteral("31部署別集計表");

// The sections of the whole ledger, every fiscal year (read through ADOQuery_Ka).
QString sectionListStatement();

// The cases one row counts.
struct RowKey {
    DepartmentScope scope = DepartmentScope::AllSections;
    bool summary = false;      // the <合計> or <小計> row: every section together
    QString section;           // the section of a section row (may be blank)
    QString constructionClass; // SectionsByClass, SectionsByInspectorAndClass
    QString inspectorName;     // SectionsByInspectorAndClass
};

// The statements of one row as the run sends them (before the engine's adaptation): the
// count and amount of one inspection class, the row's total count, its design consultation.
QString classStatement(const RowKey &row, const QString &inspectionClass,
                       const QString &fiscalYear);
QString totalCountStatement(const RowKey &row, const QString &fiscalYear);
QString designStatement(const RowKey &row, const QString &fiscalYear);

// The figures of one row, as texts read from the engine (empty amounts already "0").
struct ClassCounts {
    QStringList classCounts;  // one per inspection class, in the order of Classes::inspection
    QString completionAmount; // 完成検査
    QString settlementAmount; // 清算出来高検査
    QString totalCount;
    QString totalAmount; // completionAmount + settlementAmount
    QString designCount;
    QString designAmount;
};

// The exact sum of two amount texts, as plain digits ("1234.5", "0"). Throws EngineError
// when a text is not a number.
QString addAmounts(const QString &a, const QString &b);

// The lines of one row's insert: the row's four markers (検査員, 合格月, 工事区分, 担当課)
// followed by its nine figures, every value quoted.
QStringList insertLines(const RowKey &row, const ClassCounts &counts);

} // namespace Form3_1

// Empties the table and writes the rows of the scope; the sections are read once through
// sectionQuery (ADOQuery_Ka), every other statement goes through context. The progress
// maximum is InspectorCount (AllSections, SectionsByInspectorAndClass) or 6
// (SectionsByClass); the bar steps before each section row. Throws EngineError on a failing
// statement; the rows inserted so far stay.
void calcForm3_1(ReportContext &context, Query &sectionQuery, DepartmentScope scope);
