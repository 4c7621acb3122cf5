#pragma once

#include "Formats.h"
#include "ReportRows.h"

#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class Database;
class LedgerWindow;
class Query;
class ReportPages;

// Where an aggregation reports its progress: begin(maximum) before the table is emptied,
// step() at the start of each pass of its outer loop, end() when the rows are written.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void begin(int maximum) = 0;
    virtual void step() = 0;
    virtual void end() = 0;
};

// No progress display (the command-line companion).
class NoProgress : public ProgressSink {
public:
    void begin(int) override {}
    void step() override {}
    void end() override {}
};

// The progress display of the main window: ProgressDisplay(1, maximum), stepProgress(),
// ProgressDisplay(0, maximum).
class LedgerProgress : public ProgressSink {
public:
    explicit LedgerProgress(LedgerWindow &ledger)
        : m_ledger(ledger) {}
    void begin(int maximum) override;
    void step() override;
    void end() override;

private:
    LedgerWindow &m_ledger;
    int m_maximum = 0;
};

// What an aggregation works with: the connection, the query dataset every statement goes
// through (ADOQuery_Temp) and the progress display. Nothing of a window is needed, so
// that the companion runs the same code without one.
struct ReportContext {
    Database &db;
    Query &temp;
    ProgressSink &progress;
    Query *sections = nullptr; // ADOQuery_Ka, for the section list of form 3-1
};

enum class GradingScope;    // Form2_2.h
enum class DepartmentScope; // Form3_1.h

// The receiver of the aggregation operations: made for one click of a run button and
// freed after its last preview. It carries no state; each operation reads FiscalYear and
// the roster from the shared state and writes its report table.
class TDat {
public:
    void Calc_Form1_1(ReportContext &context);
    void Calc_Form1_2(ReportContext &context);
    void Calc_Form1_3(ReportContext &context);
    void Calc_Form1_4(ReportContext &context);
    void Calc_Form1_5(ReportContext &context);
    void Calc_Form1_6(ReportContext &context);
    void Calc_Form2_1(ReportContext &context);
    void Calc_Form2_2(ReportContext &context, GradingScope scope,
                      const QString &constructionClass, const QString &inspectorName);
    void Calc_Form3_1(ReportContext &context, DepartmentScope scope);
    // The forms that take a scope, run as a run without parameters runs them: form 2-2
    // over all works, form 3-1 over all sections.
    void Calc_Form2_2AllWorks(ReportContext &context);
    void Calc_Form3_1AllSections(ReportContext &context);
};

// The conventions every aggregation shares.
namespace RunConventions {

// April to March: the order of the month columns and month rows.
inline constexpr int FiscalMonths[12] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3};

// The select parts, each ending in one blank.
inline const QString SelectCount =
    QStringLiteral("SELECT Count(検査区分) as A FROM 10工事検査台帳 ");
inline const QString SelectCountSum =
    QStringLiteral("SELECT Count(検査区分) as A,Sum(請負金額) as B FROM 10工事検査台帳 ");
inline const QString SelectSumCount =
    QStringLiteral("SELECT Sum(請負金額) as B,Count(検査区分) as A FROM 10工事検査台帳 ");
inline const QString SelectScores = QStringLiteral(
    "SELECT Sum(評定合計) as A,Count(評定合計) as B,Avg(評定合計) as C FROM 10工事検査台帳 ");

// Opens one statement on ADOQuery_Temp, reads the named results as text and closes it.
QStringList readAliases(Query &temp, const QString &statement, const QStringList &aliases);

// Thirteen quoted values (twelve months and the row total) on three lines of four, four
// and five, each followed by a comma except, when commaAfterLast is false, the very last.
void addMonthValueLines(QStringList &lines, const QStringList &values, bool commaAfterLast);

} // namespace RunConventions

// A sum as written into a report table: an empty sum (no case) gives "0".
QString AmountText(const QString &sumText);

// A count as a share of the year total, one decimal ("0.0"): an empty count, and any
// count of a year without passed cases, give "0.0".
QString PercentText(const QString &countText, const Formats::Fixed &yearTotal);

// A statistical form: its page, its report table and the page's year label.
struct ReportForm {
    QString key;       // "1-1" … "3-1"
    QString pageName;  // "QuickRep7"
    QString tableName; // "様式1：工事検査件数調書"
    QString yearLabel; // "QRLabel149"
    // The aggregation of a form run without parameters; null while the form is not built.
    void (TDat::*calc)(ReportContext &) = nullptr;
    // The title or subtitle such a run sets before the year label.
    QList<QPair<QString, QString>> captions;

    bool isAvailable() const { return calc != nullptr; }
};

// Every statistical form of the print menu, in menu order.
const QList<ReportForm> &reportForms();
// The form with that key; nullptr when there is none.
const ReportForm *reportForm(const QString &key);

// The year label's text: FiscalYear followed by "年度".
QString yearText(const QString &fiscalYear);

// A report table read in stored order (ADOTable_Ksum1): pointed at a table by name,
// opened, and read row by row by the page.
class ReportTable {
public:
    explicit ReportTable(Database &db)
        : m_db(db) {}

    void setTableName(const QString &name) { m_tableName = name; }
    QString tableName() const { return m_tableName; }
    // Reads every row of the table in the order the rows were stored. Throws EngineError
    // (a missing table, a broken connection).
    void open();
    void close();
    bool isOpen() const { return m_open; }
    const ReportRows &rows() const { return m_rows; }

private:
    Database &m_db;
    QString m_tableName;
    ReportRows m_rows;
    bool m_open = false;
};

// One report run: the aggregation, ADOTable_Ksum1 bound to the form's table, the captions
// (title or subtitle first, then the year label), the preview that returns when closed,
// ADOTable_Ksum1 closed. A failure ends the run where it happens (EngineError).
void runReport(ReportPages &pages, const ReportForm &form, const std::function<void()> &aggregate,
               const QList<QPair<QString, QString>> &captions = {});
