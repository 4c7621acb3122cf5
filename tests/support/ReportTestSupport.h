#pragma once

#include "ReportRows.h"
#include "ReportRun.h"

#include <QString>
#include <QStringList>
#include <functional>

class Database;

// Helpers of the report tests: running an aggregation without a window, reading its table,
// comparing it with a golden CSV and reading the text of a rendered PDF.

// Records what an aggregation tells its progress display.
class RecordingProgress : public ProgressSink {
public:
    void begin(int maximum) override { events << QStringLiteral("begin %1").arg(maximum); }
    void step() override { events << QStringLiteral("step"); }
    void end() override { events << QStringLiteral("end"); }
    QStringList events;
};

// Whether runForm() reads the fiscal year's roster before the aggregation, as start-up does.
enum class RosterRead { Yes, No };

// Sets the shared state for fiscal year `year` as start-up does (the roster read unless told
// otherwise), clears the statement log so that it holds the run's statements only, and runs
// calc on ADOQuery_Temp without a window, as the companion does.
void runForm(Database &db, const QString &year, ProgressSink &progress,
             const std::function<void(ReportContext &)> &calc, RosterRead roster = RosterRead::Yes);

// A report table read in stored order.
ReportRows readTable(Database &db, const QString &table);

// The rows as CSV lines of plain texts, the column names first.
QStringList csvLines(const ReportRows &rows);
// The rows as CSV lines of plain texts, each led by a cell naming the run; no line of
// column names.
QStringList csvLines(const QString &run, const ReportRows &rows);
// One column of every row as plain texts.
QStringList column(const ReportRows &rows, const QString &name);

// Compares lines with the golden file tests/golden/<name>: fails when the file is missing.
// KENSA_WRITE_GOLDEN (or KENSA_PRINT_GOLDEN) set prints the lines in the file's form first,
// to review a change.
void compareGolden(const QStringList &lines, const QString &name);

// Whether pdftotext is installed.
bool havePdftotext();
// Whether pdftotext and pdffonts are both installed.
bool havePoppler();
// The output of a poppler tool, as is; a null string when the tool is missing and
// "<tool failed: …>" when it does not end well.
QString runTool(const QString &tool, const QStringList &arguments);
// The text of a PDF (all pages, or the one 1-based page given) laid out by pdftotext, with
// blanks of both widths removed: pdftotext invents the spacing between proportional glyphs.
QString pdfText(const QString &file, int page = 0);
// The pages of pdfText(file), without the empty rest after the last form feed.
QStringList pdfPages(const QString &file);
