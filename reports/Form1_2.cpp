#include "Form1_2.h"

#include "Database.h"
#include "SharedState.h"
#include "SqlText.h"

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace Form1_2 {

namespace {

using namespace RunConventions;
const QString CountMark = u"件数"_s;
const QString AmountMark = u"金額"_s;
const QString TotalMark = u"<合計>"_s;
const QString TotalFiller = u"****"_s;
const QString SubtotalMark = u"小計"_s;


// The year part comes with one or three blanks after AND, depending on the statement.
enum class Blanks { One, Three };

QString monthPart(int month) {
    return month == WholeYear ? u"WHERE ((合格月>0)"_s
                              : u"WHERE ((合格月="_s + QString::number(month) + u")"_s;
}

QString yearPart(const QString &fiscalYear, Blanks blanks) {
    return (blanks == Blanks::Three ? u" AND   (年度="_s : u" AND (年度="_s) + fiscalYear + u")"_s;
}

// Amounts add up the completion-type inspections only.
QString figurePart(Figure figure) {
    return figure == Figure::Amount ? u" AND (検査区分 IN("_s + SqlText::quote(u"完成検査"_s) +
                                          u","_s + SqlText::quote(u"清算出来高検査"_s) + u"))"_s
                                    : QString();
}

// Opens one statement on ADOQuery_Temp and reads the one figure it is for: the count as
// read, the amount through AmountText.
QString readFigure(Query &temp, Figure figure, const QString &statement) {
    const QStringList ab = readAliases(temp, statement, {u"A"_s, u"B"_s});
    return figure == Figure::Count ? ab.at(0) : AmountText(ab.at(1));
}


// One row's thirteen counts and thirteen amounts, read month 1 … 12 by calendar and then
// for the year, and put in the table's order (April … March, year).
struct RowFigures {
    QStringList counts;
    QStringList amounts;
};

RowFigures readRow(Query &temp, const std::function<QString(Figure, int)> &statement) {
    QString counts[13], amounts[13];
    for (int m = 1; m <= 12; ++m)
        counts[m] = readFigure(temp, Figure::Count, statement(Figure::Count, m));
    for (int m = 1; m <= 12; ++m)
        amounts[m] = readFigure(temp, Figure::Amount, statement(Figure::Amount, m));
    counts[WholeYear] = readFigure(temp, Figure::Count, statement(Figure::Count, WholeYear));
    amounts[WholeYear] = readFigure(temp, Figure::Amount, statement(Figure::Amount, WholeYear));

    RowFigures row;
    for (int m : FiscalMonths) {
        row.counts.append(counts[m]);
        row.amounts.append(amounts[m]);
    }
    row.counts.append(counts[WholeYear]);
    row.amounts.append(amounts[WholeYear]);
    return row;
}

} // namespace

QString inspectorStatement(Figure figure, int month, const QString &fiscalYear,
                           const QString &inspector) {
    return SelectCountSum + monthPart(month) + yearPart(fiscalYear, Blanks::Three) + figurePart(figure) +
           u" AND (検査員="_s + SqlText::quote(inspector) + u"))"_s;
}

QString tradeStatement(Figure figure, int month, const QString &fiscalYear, const QString &trade) {
    // Only the year's amount has three blanks before its year part.
    const Blanks blanks =
        month == WholeYear && figure == Figure::Amount ? Blanks::Three : Blanks::One;
    return SelectCountSum + monthPart(month) + yearPart(fiscalYear, blanks) + figurePart(figure) +
           u" AND (職種区分="_s + SqlText::quote(trade) + u"))"_s;
}

QString totalStatement(Figure figure, int month, const QString &fiscalYear) {
    return SelectCountSum + monthPart(month) + yearPart(fiscalYear, Blanks::Three) + figurePart(figure) +
           u")"_s;
}

QStringList insertLines(const QString &inspector, const QString &trade, const QStringList &counts,
                        const QStringList &amounts) {
    QStringList lines{
        u"Insert Into "_s + TableName + u" ("_s,
        u"検査員,"_s,
        u"職種区分,"_s,
        u"見出しc,4月c,5月c,6月c,7月c,8月c,9月c,10月c,11月c,12月c,1月c,2月c,3月c,横計c,"_s,
        u"見出しp,4月p,5月p,6月p,7月p,8月p,9月p,10月p,11月p,12月p,1月p,2月p,3月p,横計p"_s,
        u")"_s,
        u"VALUES ("_s,
        SqlText::quote(inspector) + u',',
        SqlText::quote(trade) + u',',
        SqlText::quote(CountMark) + u',',
    };
    addMonthValueLines(lines, counts, true);
    lines.append(SqlText::quote(AmountMark) + u',');
    addMonthValueLines(lines, amounts, false);
    lines.append(u")"_s);
    return lines;
}

} // namespace Form1_2

void calcForm1_2(ReportContext &context) {
    using namespace Form1_2;
    const SharedState &state = shared();
    const QString fiscalYear = state.fiscalYear;
    const int maximum = state.inspectorCount();
    Query &temp = context.temp;

    auto writeRow = [&](const QString &inspector, const QString &trade, const RowFigures &row) {
        context.db.execLines(insertLines(inspector, trade, row.counts, row.amounts));
    };

    context.progress.begin(maximum);
    context.db.exec(u"Delete From "_s + TableName);

    // Civil, building and equipment inspectors, each group closed by its trade's subtotal;
    // an inspector of any other trade is in no group and counts only in the total row.
    for (const TKensain *group : {&state.civil, &state.building, &state.equipment}) {
        const int n = group->count;
        for (int k = 1; k <= n; ++k) {
            const QString name = group->name(k);
            context.progress.step();
            writeRow(name, TradeLookup(name), readRow(temp, [&](Figure figure, int month) {
                         return inspectorStatement(figure, month, fiscalYear, name);
                     }));
            if (k == n) {
                // The subtotal counts the cases of the group's trade, whoever inspected them.
                const QString trade = TradeLookup(name);
                writeRow(trade, SubtotalMark, readRow(temp, [&](Figure figure, int month) {
                             return tradeStatement(figure, month, fiscalYear, trade);
                         }));
            }
        }
    }

    writeRow(TotalMark, TotalFiller, readRow(temp, [&](Figure figure, int month) {
                 return totalStatement(figure, month, fiscalYear);
             }));

    context.progress.end();
}
