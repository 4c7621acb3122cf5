#include "Form1_1.h"

#include "Database.h"
#include "SharedState.h"
#include "SqlText.h"

using namespace Qt::Literals::StringLiterals;

namespace Form1_1 {

namespace {
using namespace RunConventions;
const QString TotalMark = u"<合計>"_s;

// The statement's condition parts after the year, with their own blanks.
QString tradePart(const QString &trade) {
    return trade.isEmpty() ? u")"_s : u" AND   (職種区分="_s + SqlText::quote(trade) + u"))"_s;
}

// Opens one counting statement on ADOQuery_Temp and reads A as text.
QString readCount(Query &temp, const QString &statement) {
    return readAliases(temp, statement, {u"A"_s}).at(0);
}

// The thirteen figures of one row, months 1 … 12 by calendar and the row total, put in
// the table's order.
QStringList fiscalOrder(const QStringList &byCalendarMonth, const QString &rowTotal) {
    QStringList ordered;
    for (int m : FiscalMonths)
        ordered.append(byCalendarMonth.at(m - 1));
    ordered.append(rowTotal);
    return ordered;
}
} // namespace

QString yearTotalStatement(const QString &fiscalYear) {
    return SelectCount + u"WHERE ((合格月>0) and (年度="_s + fiscalYear + u"))"_s;
}

QString monthStatement(int month, const QString &fiscalYear, const QString &trade) {
    return SelectCount + u"WHERE ((合格月="_s + QString::number(month) + u")"_s +
           u" AND   (年度="_s + fiscalYear + u")"_s + tradePart(trade);
}

QString rowTotalStatement(const QString &fiscalYear, const QString &trade) {
    return SelectCount + u"WHERE ((合格月>0)"_s + u" AND   (年度="_s + fiscalYear + u")"_s +
           tradePart(trade);
}

QStringList insertLines(const QString &trade, const QStringList &counts,
                        const QStringList &percents) {
    QStringList lines{
        u"Insert Into "_s + TableName + u" ("_s,
        u"職種区分,"_s,
        u"見出しc,4月c,5月c,6月c,7月c,8月c,9月c,10月c,11月c,12月c,1月c,2月c,3月c,横計c,"_s,
        u"見出しp,4月p,5月p,6月p,7月p,8月p,9月p,10月p,11月p,12月p,1月p,2月p,3月p,横計p"_s,
        u")"_s,
        u"VALUES ("_s,
        SqlText::quote(trade) + u',',
        SqlText::quote(u"件数"_s) + u',',
    };
    addMonthValueLines(lines, counts, true);
    lines.append(SqlText::quote(u"(%)"_s) + u',');
    addMonthValueLines(lines, percents, false);
    lines.append(u")"_s);
    return lines;
}

} // namespace Form1_1

void TDat::Calc_Form1_1(ReportContext &context) {
    using namespace Form1_1;
    const QString fiscalYear = shared().fiscalYear;
    const int maximum = shared().inspectorCount();
    Query &temp = context.temp;

    context.progress.begin(maximum);
    context.db.exec(u"Delete From "_s + TableName);

    // Every share is taken of the same year total.
    const QString totalText = readCount(temp, yearTotalStatement(fiscalYear));
    const Formats::Fixed yearTotal = Formats::Fixed::parse(totalText).value_or(Formats::Fixed());

    // One row: the counts of months 1 … 12 and of the year, with their shares.
    auto writeRow = [&](const QString &trade, const QString &rowName) {
        QStringList counts, percents;
        for (int m = 1; m <= 12; ++m) {
            const QString count = readCount(temp, monthStatement(m, fiscalYear, trade));
            counts.append(count);
            percents.append(PercentText(count, yearTotal));
        }
        const QString rowTotal = readCount(temp, rowTotalStatement(fiscalYear, trade));
        context.db.execLines(insertLines(rowName, fiscalOrder(counts, rowTotal),
                                         fiscalOrder(percents, PercentText(rowTotal, yearTotal))));
    };

    for (const QString &trade : Classes::trades) {
        context.progress.step();
        writeRow(trade, trade);
    }
    writeRow(QString(), TotalMark);

    context.progress.end();
}
