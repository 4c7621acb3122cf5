#include "Form1_5.h"

#include "Database.h"
#include "SharedState.h"
#include "SqlText.h"

using namespace Qt::Literals::StringLiterals;

namespace Form1_5 {

namespace {
using namespace RunConventions;


const QString PassedInYear = u"WHERE ((合格月>0)"_s;
const QString TotalMark = u"<合計>"_s;
const QString SubtotalMark = u"<小計>"_s;
const QString Filler = u"****"_s;

// The closing part that picks the set's inspection classes.
QString classPart(Set set) {
    if (set == Set::Intermediate)
        return u" AND (検査区分 IN("_s + SqlText::quote(u"出来高検査"_s) + u","_s +
               SqlText::quote(u"中間検査"_s) + u","_s + SqlText::quote(u"部分完成検査"_s) +
               u")))"_s;
    return u" AND (検査区分 IN("_s + SqlText::quote(u"完成検査"_s) + u","_s +
           SqlText::quote(u"清算出来高検査"_s) + u")))"_s;
}

// select + pass part, then for the section set the contract class, then the row's subject
// (an inspector or a trade; none for the year total), the year and the classes. The
// section statements write two blanks before the subject's "=".
QString setStatement(const QString &select, const QString &passPart, Set set,
                     const QString &subjectColumn, const QString &subject,
                     const QString &fiscalYear) {
    QString statement = select + passPart;
    if (set == Set::Section)
        statement += u" AND (契約区分="_s + SqlText::quote(u"各課執行"_s) + u")"_s;
    if (!subjectColumn.isEmpty()) {
        statement += u" AND ("_s + subjectColumn + (set == Set::Section ? u"  ="_s : u"="_s) +
                     SqlText::quote(subject) + u")"_s;
    }
    return statement + u" AND (年度="_s + fiscalYear + u")"_s + classPart(set);
}

// Opens one statement on ADOQuery_Temp and adds its count A and its amount B.
void readSet(Query &temp, const QString &statement, Figures &figures) {
    const QStringList ab = readAliases(temp, statement, {u"A"_s, u"B"_s});
    figures.counts.append(ab.at(0));
    figures.amounts.append(AmountText(ab.at(1)));
}

template <typename StatementOf> Figures readFigures(Query &temp, StatementOf statementOf) {
    Figures figures;
    for (Set set : Sets)
        readSet(temp, statementOf(set), figures);
    return figures;
}

// The insert of one row: its texts (月 first when it has one) each on a line of its own,
// then the three counts, then the three amounts.
QStringList insertLines(bool withMonth, const QStringList &texts, const Figures &figures) {
    QStringList lines{u"Insert Into "_s + TableName + u" ("_s};
    if (withMonth)
        lines << u"月,"_s;
    lines << u"検査員,"_s << u"職種区分,"_s << u"完成検査c,中間検査c,主管課c,"_s
          << u"完成検査p,中間検査p,主管課p"_s << u")"_s << u"VALUES ("_s;
    for (const QString &text : texts)
        lines << SqlText::quote(text) + u',';
    QString counts, amounts;
    for (int i = 0; i < 3; ++i) {
        counts += SqlText::quote(figures.counts.value(i)) + u',';
        amounts += SqlText::quote(figures.amounts.value(i)) + (i < 2 ? u","_s : QString());
    }
    lines << counts << amounts << u")"_s;
    return lines;
}
} // namespace

QString monthStatement(Set set, int month, const QString &inspector, const QString &fiscalYear) {
    const QString passPart =
        month == 0 ? PassedInYear : u"WHERE ((合格月="_s + QString::number(month) + u")"_s;
    return setStatement(SelectSumCount, passPart, set, u"検査員"_s, inspector, fiscalYear);
}

QString inspectorStatement(Set set, const QString &inspector, const QString &fiscalYear) {
    return setStatement(SelectCountSum, PassedInYear, set, u"検査員"_s, inspector, fiscalYear);
}

QString tradeStatement(Set set, const QString &trade, const QString &fiscalYear) {
    return setStatement(SelectCountSum, PassedInYear, set, u"職種区分"_s, trade, fiscalYear);
}

QString totalStatement(Set set, const QString &fiscalYear) {
    return setStatement(SelectSumCount, PassedInYear, set, QString(), QString(), fiscalYear);
}

QStringList monthRowInsertLines(const QString &month, const QString &inspector,
                                const QString &trade, const Figures &figures) {
    return insertLines(true, {month, inspector, trade}, figures);
}

QStringList yearRowInsertLines(const QString &inspector, const QString &trade,
                               const Figures &figures) {
    return insertLines(false, {inspector, trade}, figures);
}

QStringList mergedInspectorList() {
    const SharedState &s = shared();
    const int count = s.inspectorCount();
    QStringList merged{QString()};
    for (const TKensain *group : {&s.civil, &s.building, &s.equipment}) {
        for (int k = 1; k <= group->count && merged.size() <= count; ++k)
            merged.append(group->name(k));
    }
    while (merged.size() <= count)
        merged.append(QString());
    return merged;
}

} // namespace Form1_5

void calcForm1_5(ReportContext &context) {
    using namespace Form1_5;
    const QString fiscalYear = shared().fiscalYear;
    const int maximum = shared().inspectorCount();
    Query &temp = context.temp;

    context.progress.begin(maximum);
    const QStringList merged = mergedInspectorList();
    context.db.exec(u"Delete From "_s + TableName);

    for (int k = 1; k < merged.size(); ++k) {
        const QString &inspector = merged.at(k);
        if (inspector.isEmpty())
            continue;
        const QString trade = TradeLookup(inspector);
        for (int month : FiscalMonths) {
            context.progress.step();
            const Figures figures = readFigures(
                temp, [&](Set set) { return monthStatement(set, month, inspector, fiscalYear); });
            context.db.execLines(
                monthRowInsertLines(QString::number(month), inspector, trade, figures));
        }
        const Figures year = readFigures(
            temp, [&](Set set) { return monthStatement(set, 0, inspector, fiscalYear); });
        context.db.execLines(monthRowInsertLines(TotalMark, inspector, trade, year));
    }

    context.progress.end();
}

void calcForm1_6(ReportContext &context) {
    using namespace Form1_5;
    const SharedState &s = shared();
    const QString fiscalYear = s.fiscalYear;
    const int maximum = s.inspectorCount();
    Query &temp = context.temp;

    context.progress.begin(maximum);
    context.db.exec(u"Delete From "_s + TableName);

    for (const TKensain *group : {&s.civil, &s.building, &s.equipment}) {
        for (int k = 1; k <= group->count; ++k) {
            const QString inspector = group->name(k);
            context.progress.step();
            const Figures figures = readFigures(
                temp, [&](Set set) { return inspectorStatement(set, inspector, fiscalYear); });
            context.db.execLines(yearRowInsertLines(inspector, TradeLookup(inspector), figures));
        }
        // The group's trade is that of its last inspector; a group without inspectors
        // looks up the empty entry 0, which gives "未定義" and so, normally, zeros.
        const QString trade = TradeLookup(group->name(group->count));
        const Figures subtotal =
            readFigures(temp, [&](Set set) { return tradeStatement(set, trade, fiscalYear); });
        context.db.execLines(yearRowInsertLines(SubtotalMark, Filler, subtotal));
    }

    const Figures total =
        readFigures(temp, [&](Set set) { return totalStatement(set, fiscalYear); });
    context.db.execLines(yearRowInsertLines(TotalMark, Filler, total));

    context.progress.end();
}
