#include "Form1_3.h"

#include "Database.h"
#include "SharedState.h"
#include "SqlText.h"

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace Form1_3 {

namespace {

using namespace RunConventions;
const QString TotalMark = u"<合計>"_s;
const QString SubtotalMark = u"<小計>"_s;
const QString SubtotalInspector = u" ****"_s;
const QString SubtotalTrade = u" "_s;


// The year part comes with one or three blanks after AND, depending on the statement.
enum class Blanks { One, Three };

// "WHERE ((工事区分='…') AND (合格月=…)", or without the class part for the row total.
QString classAndMonthPart(const QString &constructionClass, int month) {
    QString part = u"WHERE (("_s;
    if (!constructionClass.isEmpty())
        part += u"工事区分="_s + SqlText::quote(constructionClass) + u") AND ("_s;
    part += month == WholeYear ? u"合格月>0"_s : u"合格月="_s + QString::number(month);
    return part + u")"_s;
}

QString yearPart(const QString &fiscalYear, Blanks blanks) {
    return (blanks == Blanks::Three ? u" AND   (年度="_s : u" AND (年度="_s) + fiscalYear + u")"_s;
}

// The statement's end: amounts add up the completion-type inspections only.
QString closingPart(Figure figure) {
    return figure == Figure::Amount ? u" AND (検査区分 IN("_s + SqlText::quote(u"完成検査"_s) +
                                          u","_s + SqlText::quote(u"清算出来高検査"_s) + u")))"_s
                                    : u")"_s;
}

QString monthStatement(Figure figure, const QString &constructionClass, int month,
                       const QString &fiscalYear, Blanks blanks) {
    return SelectCountSum + classAndMonthPart(constructionClass, month) + yearPart(fiscalYear, blanks) +
           closingPart(figure);
}

// Opens one statement on ADOQuery_Temp and reads the one figure it is for: the count as
// read, the amount through AmountText.
QString readFigure(Query &temp, Figure figure, const QString &statement) {
    const QStringList ab = readAliases(temp, statement, {u"A"_s, u"B"_s});
    return figure == Figure::Count ? ab.at(0) : AmountText(ab.at(1));
}

// Seven counts and seven amounts of one row: each class in class order, then all classes.
struct RowFigures {
    QStringList counts;
    QStringList amounts;
};

// statement(figure, class) gives the statement of one cell; an empty class the row total.
RowFigures readRow(Query &temp, const std::function<QString(Figure, const QString &)> &statement) {
    RowFigures row;
    for (const QString &c : Classes::construction)
        row.counts.append(readFigure(temp, Figure::Count, statement(Figure::Count, c)));
    for (const QString &c : Classes::construction)
        row.amounts.append(readFigure(temp, Figure::Amount, statement(Figure::Amount, c)));
    row.counts.append(readFigure(temp, Figure::Count, statement(Figure::Count, QString())));
    row.amounts.append(readFigure(temp, Figure::Amount, statement(Figure::Amount, QString())));
    return row;
}

// The value lines shared by both forms: the counts four and three to a line, each followed
// by a comma, then the amounts in the same grouping with no comma after the last.
void addFigureLines(QStringList &lines, const QStringList &counts, const QStringList &amounts) {
    auto addLine = [&lines](const QStringList &values, int from, int to, bool commaAfterLast) {
        QString line;
        for (int i = from; i < to; ++i) {
            line += SqlText::quote(values.value(i));
            if (i < to - 1 || commaAfterLast)
                line += u',';
        }
        lines.append(line);
    };
    addLine(counts, 0, 4, true);
    addLine(counts, 4, 7, true);
    addLine(amounts, 0, 4, true);
    addLine(amounts, 4, 7, false);
}

const QString ClassCountColumns = u"土木c,舗装c,造園c,建築c,電気設備c,機械設備c,横計c,"_s;
const QString ClassAmountColumns = u"土木p,舗装p,造園p,建築p,電気設備p,機械設備p,横計p"_s;

// The inspectors who get rows of their own: CivilInspectors, BuildingInspectors and
// EquipmentInspectors, each in roster order. An inspector of any other trade is in none of
// the three lists; instead of a row with an empty name for each such gap, form 1-4 leaves
// them out, as form 1-2 does, and their cases show in the month's subtotal only.
QStringList mergedInspectors() {
    const SharedState &state = shared();
    QStringList names;
    for (const TKensain *group : {&state.civil, &state.building, &state.equipment}) {
        for (int k = 1; k <= group->count; ++k)
            names.append(group->name(k));
    }
    return names;
}

} // namespace

QString classStatement(Figure figure, const QString &constructionClass, int month,
                       const QString &fiscalYear) {
    // The month rows have three blanks before the year part, the total row one.
    return monthStatement(figure, constructionClass, month, fiscalYear,
                          month == WholeYear ? Blanks::One : Blanks::Three);
}

QString inspectorStatement(Figure figure, const QString &constructionClass, int month,
                           const QString &inspector, const QString &fiscalYear) {
    // The row total names the inspector column in parentheses.
    const QString inspectorPart =
        constructionClass.isEmpty() ? u" AND ((検査員)="_s : u" AND (検査員="_s;
    return SelectCountSum + classAndMonthPart(constructionClass, month) + inspectorPart +
           SqlText::quote(inspector) + u")"_s + yearPart(fiscalYear, Blanks::One) +
           closingPart(figure);
}

QString subtotalStatement(Figure figure, const QString &constructionClass, int month,
                          const QString &fiscalYear) {
    return monthStatement(figure, constructionClass, month, fiscalYear, Blanks::One);
}

QStringList form13InsertLines(const QString &month, const QStringList &counts,
                              const QStringList &amounts) {
    QStringList lines{
        u"Insert Into "_s + TableName + u" ("_s,
        u"月,"_s,
        ClassCountColumns,
        ClassAmountColumns,
        u")"_s,
        u"VALUES ("_s,
        SqlText::quote(month) + u',',
    };
    addFigureLines(lines, counts, amounts);
    lines.append(u")"_s);
    return lines;
}

QStringList form14InsertLines(const QString &month, const QString &inspector, const QString &trade,
                              const QStringList &counts, const QStringList &amounts) {
    QStringList lines{
        u"Insert Into "_s + TableName + u" ("_s,
        u"月,"_s,
        u"検査員,"_s,
        u"職種区分,"_s,
        ClassCountColumns,
        ClassAmountColumns,
        u")"_s,
        u"VALUES ("_s,
        SqlText::quote(month) + u',',
        SqlText::quote(inspector) + u',',
        SqlText::quote(trade) + u',',
    };
    addFigureLines(lines, counts, amounts);
    lines.append(u")"_s);
    return lines;
}

} // namespace Form1_3

void calcForm1_3(ReportContext &context) {
    using namespace Form1_3;
    const QString fiscalYear = shared().fiscalYear;
    const int maximum = shared().inspectorCount();
    Query &temp = context.temp;

    context.progress.begin(maximum);
    context.db.exec(u"Delete From "_s + TableName);

    auto writeRow = [&](const QString &monthText, int month) {
        const RowFigures row = readRow(temp, [&](Figure figure, const QString &c) {
            return classStatement(figure, c, month, fiscalYear);
        });
        context.db.execLines(form13InsertLines(monthText, row.counts, row.amounts));
    };

    for (int month : FiscalMonths) {
        context.progress.step();
        writeRow(QString::number(month), month);
    }
    writeRow(TotalMark, WholeYear);

    context.progress.end();
}

void calcForm1_4(ReportContext &context) {
    using namespace Form1_3;
    const QString fiscalYear = shared().fiscalYear;
    const int maximum = shared().inspectorCount() * 12;
    Query &temp = context.temp;

    context.progress.begin(maximum);
    const QStringList inspectors = mergedInspectors();
    context.db.exec(u"Delete From "_s + TableName);

    for (int month : FiscalMonths) {
        const QString monthText = QString::number(month);
        for (const QString &name : inspectors) {
            context.progress.step();
            const RowFigures row = readRow(temp, [&](Figure figure, const QString &c) {
                return inspectorStatement(figure, c, month, name, fiscalYear);
            });
            context.db.execLines(
                form14InsertLines(monthText, name, TradeLookup(name), row.counts, row.amounts));
        }
        // Every passed case of the month, also those of inspectors without a row.
        const RowFigures subtotal = readRow(temp, [&](Figure figure, const QString &c) {
            return subtotalStatement(figure, c, month, fiscalYear);
        });
        context.db.execLines(form14InsertLines(SubtotalMark, SubtotalInspector, SubtotalTrade,
                                               subtotal.counts, subtotal.amounts));
    }

    context.progress.end();
}
