#include "Form3_1.h"

#include "Database.h"
#include "EngineError.h"
#include "Formats.h"
#include "SharedState.h"
#include "SqlText.h"

using namespace Qt::Literals::StringLiterals;

namespace Form3_1 {

namespace {
using RunConventions::SelectCountSum;
const QString Completion = u"完成検査"_s;
const QString Settlement = u"清算出来高検査"_s;
const QString ByTheSections = u"各課執行"_s;

QString q(const QString &value) {
    return SqlText::quote(value);
}

// The condition parts, each with its own blanks and parentheses.
QString classFirst(const QString &inspectionClass) {
    return u"WHERE ((検査区分="_s + q(inspectionClass) + u")"_s;
}
QString completionFirst() {
    return u"WHERE ((検査区分 IN("_s + q(Completion) + u","_s + q(Settlement) + u"))"_s;
}
QString sectionFirst(const QString &section) {
    return u"WHERE ((担当課="_s + q(section) + u")"_s;
}
QString sectionAnd(const QString &section) {
    return u" AND (担当課="_s + q(section) + u")"_s;
}
const QString Passed = u" AND (合格月>0)"_s;
const QString PassedFirst = u"WHERE ((合格月>0)"_s;
QString worksClass(const QString &constructionClass) {
    return u" AND (工事区分="_s + q(constructionClass) + u")"_s;
}
QString inspector(const QString &name) {
    return u" AND (検査員="_s + q(name) + u")"_s;
}
QString design() {
    return u" AND (契約区分="_s + q(ByTheSections) + u")"_s;
}
QString designClosing() {
    return u" AND (契約区分="_s + q(ByTheSections) + u"))"_s;
}
QString yearClosing(const QString &fiscalYear) {
    return u" AND (年度="_s + fiscalYear + u"))"_s;
}
QString year(const QString &fiscalYear) {
    return u" AND (年度="_s + fiscalYear + u")"_s;
}

// The construction class and inspector parts of the scopes that name them.
QString scopeParts(const RowKey &row) {
    QString parts;
    if (row.scope != DepartmentScope::AllSections)
        parts += worksClass(row.constructionClass);
    if (row.scope == DepartmentScope::SectionsByInspectorAndClass)
        parts += inspector(row.inspectorName);
    return parts;
}

// Opens one statement on ADOQuery_Temp and reads A and B (an empty amount as "0").
struct CountAndAmount {
    QString count;
    QString amount;
};
CountAndAmount read(Query &temp, const QString &statement) {
    const QStringList ab = RunConventions::readAliases(temp, statement, {u"A"_s, u"B"_s});
    return {ab.at(0), AmountText(ab.at(1))};
}

ClassCounts countRow(Query &temp, const RowKey &row, const QString &fiscalYear) {
    ClassCounts counts;
    for (const QString &inspectionClass : Classes::inspection) {
        const CountAndAmount figures = read(temp, classStatement(row, inspectionClass, fiscalYear));
        counts.classCounts.append(figures.count);
        if (inspectionClass == Completion)
            counts.completionAmount = figures.amount;
        else if (inspectionClass == Settlement)
            counts.settlementAmount = figures.amount;
    }
    counts.totalCount = read(temp, totalCountStatement(row, fiscalYear)).count;
    counts.totalAmount = addAmounts(counts.completionAmount, counts.settlementAmount);
    const CountAndAmount designFigures = read(temp, designStatement(row, fiscalYear));
    counts.designCount = designFigures.count;
    counts.designAmount = designFigures.amount;
    return counts;
}

Formats::Fixed amountOf(const QString &text) {
    const auto amount = Formats::Fixed::parse(text);
    if (!amount)
        throw EngineError(u"'"_s + text + u"' は有効な数値ではありません。"_s);
    return *amount;
}
} // namespace

QString sectionListStatement() {
    return u"SELECT 担当課 FROM 10工事検査台帳 GROUP BY 担当課 ORDER BY 担当課"_s;
}

QString classStatement(const RowKey &row, const QString &inspectionClass,
                       const QString &fiscalYear) {
    QString s = SelectCountSum + classFirst(inspectionClass);
    if (!row.summary)
        s += sectionAnd(row.section);
    s += Passed;
    // A section row by construction class names its class after the year.
    if (row.scope == DepartmentScope::SectionsByClass && !row.summary)
        return s + year(fiscalYear) + worksClass(row.constructionClass) + u")"_s;
    return s + scopeParts(row) + yearClosing(fiscalYear);
}

QString totalCountStatement(const RowKey &row, const QString &fiscalYear) {
    const QString first = row.summary ? PassedFirst : sectionFirst(row.section) + Passed;
    return SelectCountSum + first + scopeParts(row) + yearClosing(fiscalYear);
}

QString designStatement(const RowKey &row, const QString &fiscalYear) {
    QString s = SelectCountSum + completionFirst();
    if (!row.summary)
        s += sectionAnd(row.section);
    s += Passed;
    if (row.scope == DepartmentScope::AllSections)
        return s + year(fiscalYear) + designClosing();
    s += worksClass(row.constructionClass) + design();
    if (row.scope == DepartmentScope::SectionsByInspectorAndClass)
        s += inspector(row.inspectorName);
    return s + yearClosing(fiscalYear);
}

QString addAmounts(const QString &a, const QString &b) {
    Formats::Fixed sum;
    sum.units = amountOf(a).units + amountOf(b).units;
    return sum.toPlainText();
}

QStringList insertLines(const RowKey &row, const ClassCounts &counts) {
    const bool all = row.scope == DepartmentScope::AllSections;
    const QString inspectorMark = row.scope == DepartmentScope::SectionsByInspectorAndClass
                                      ? row.inspectorName + u"検査員"_s
                                      : u"全検査員"_s;
    const QString passMark = all ? u"0"_s : u"99"_s;
    const QString classMark = all ? u"全工事"_s : row.constructionClass;
    const QString sectionMark = !row.summary ? row.section : all ? u"<合計>"_s : u"<小計>"_s;

    // The table's class columns: 完成検査, 中間検査, 出来高検査, 部分完成検査, 清算出来高検査.
    QString classLine;
    for (const QString &column :
         {u"完成検査"_s, u"中間検査"_s, u"出来高検査"_s, u"部分完成検査"_s, u"清算出来高検査"_s})
        classLine += q(counts.classCounts.value(int(Classes::inspection.indexOf(column)))) + u',';

    return {
        u"Insert Into "_s + TableName + u" ("_s,
        u"検査員,"_s,
        u"合格月,"_s,
        u"工事区分,"_s,
        u"担当課,"_s,
        u"完成検査,"_s,
        u"中間検査,"_s,
        u"出来高検査,"_s,
        u"部分完成検査,"_s,
        u"清算出来高検査,"_s,
        u"合計件数,"_s,
        u"合計金額,"_s,
        u"設計協議件数,"_s,
        u"設計協議金額"_s,
        u")"_s,
        u"VALUES ("_s,
        q(inspectorMark) + u',',
        q(passMark) + u',',
        q(classMark) + u',',
        q(sectionMark) + u',',
        classLine,
        q(counts.totalCount) + u',' + q(counts.totalAmount) + u',' + q(counts.designCount) + u',' +
            q(counts.designAmount),
        u")"_s,
    };
}

} // namespace Form3_1

void calcForm3_1(ReportContext &context, Query &sectionQuery, DepartmentScope scope) {
    using namespace Form3_1;
    const QString fiscalYear = shared().fiscalYear;
    const int maximum = scope == DepartmentScope::SectionsByClass ? 6 : shared().inspectorCount();

    context.progress.begin(maximum);
    context.db.exec(u"Delete From "_s + TableName);

    sectionQuery.close();
    sectionQuery.open(sectionListStatement());
    const int sectionCount = sectionQuery.recordCount();

    auto writeRow = [&](const RowKey &row) {
        context.db.execLines(insertLines(row, countRow(context.temp, row, fiscalYear)));
    };
    // One block: every section from the first, then the block's total or subtotal row.
    auto writeBlock = [&](RowKey row) {
        sectionQuery.first();
        for (int i = 0; i < sectionCount; ++i) {
            context.progress.step();
            row.section = sectionQuery.text(u"担当課"_s);
            writeRow(row);
            sectionQuery.next();
        }
        row.summary = true;
        row.section.clear();
        writeRow(row);
    };

    switch (scope) {
    case DepartmentScope::AllSections:
        writeBlock({scope});
        break;
    case DepartmentScope::SectionsByClass:
        for (const QString &constructionClass : Classes::construction)
            writeBlock({scope, false, QString(), constructionClass});
        break;
    case DepartmentScope::SectionsByInspectorAndClass:
        for (int i = 1; i <= shared().inspectorCount(); ++i) {
            for (const QString &constructionClass : Classes::construction)
                writeBlock({scope, false, QString(), constructionClass, shared().roster.name(i)});
        }
        break;
    }

    sectionQuery.close();
    context.progress.end();
}
