#include "ReportTestSupport.h"

#include "Database.h"
#include "Formats.h"
#include "SharedState.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

void runForm(Database &db, const QString &year, ProgressSink &progress,
             const std::function<void(ReportContext &)> &calc, RosterRead roster) {
    Query temp(db);
    shared().reset();
    shared().fiscalYear = year;
    if (roster == RosterRead::Yes)
        readRoster(temp, year);
    db.clearLog();
    ReportContext context{db, temp, progress};
    calc(context);
}

ReportRows readTable(Database &db, const QString &table) {
    ReportTable t(db);
    t.setTableName(table);
    t.open();
    return t.rows();
}

namespace {

// The leading cells given, then the row's values as plain texts, as one CSV line.
QString csvLine(QStringList cells, const QVariantList &row) {
    for (const QVariant &v : row)
        cells << Formats::plainText(v);
    return cells.join(u',');
}

} // namespace

QStringList csvLines(const ReportRows &rows) {
    QStringList lines{rows.columns.join(u',')};
    for (const QVariantList &row : rows.rows)
        lines << csvLine({}, row);
    return lines;
}

QStringList csvLines(const QString &run, const ReportRows &rows) {
    QStringList lines;
    for (const QVariantList &row : rows.rows)
        lines << csvLine({run}, row);
    return lines;
}

QStringList column(const ReportRows &rows, const QString &name) {
    QStringList values;
    for (int r = 0; r < rows.rowCount(); ++r)
        values << Formats::plainText(rows.value(r, name));
    return values;
}

void compareGolden(const QStringList &lines, const QString &name) {
    if (qEnvironmentVariableIsSet("KENSA_WRITE_GOLDEN") ||
        qEnvironmentVariableIsSet("KENSA_PRINT_GOLDEN"))
        qInfo().noquote() << lines.join(u'\n');
    // The golden files lie beside this folder, in tests/golden.
    QFile golden(QFINDTESTDATA(u"../golden/"_s + name));
    QVERIFY2(golden.open(QIODevice::ReadOnly | QIODevice::Text),
             qPrintable(u"golden/"_s + name + u" is missing"_s));
    const QStringList expected =
        QString::fromUtf8(golden.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines, expected);
}

bool havePdftotext() {
    return !QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty();
}

bool havePoppler() {
    return havePdftotext() && !QStandardPaths::findExecutable(u"pdffonts"_s).isEmpty();
}

QString runTool(const QString &tool, const QStringList &arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return QString();
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return u"<%1 failed: %2>"_s.arg(tool,
                                        QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString &file, int page) {
    QStringList arguments{u"-layout"_s};
    if (page > 0)
        arguments << u"-f"_s << QString::number(page) << u"-l"_s << QString::number(page);
    arguments << file << u"-"_s;
    QString text = runTool(u"pdftotext"_s, arguments);
    if (text.isNull())
        return text;
    return text.remove(u' ').remove(u'\u3000');
}

QStringList pdfPages(const QString &file) {
    QStringList pages = pdfText(file).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}
