#include "Form2_2.h"

#include "Database.h"
#include "EngineError.h"
#include "Formats.h"
#include "SharedState.h"
#include "SqlText.h"

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace Form2_2 {

namespace {
using RunConventions::SelectScores;
const QString UpdateHead = u"UpDate 41工事成績評定点集計表"_s;

// The rank's bounds, with their own blanks: " AND (評定合計<100) And (評定合計>=85)".
QString bandPart(const RankBand &band) {
    return u" AND (評定合計<"_s + band.upper + u") And (評定合計>="_s + band.lower + u")"_s;
}

// The common tail: the fiscal year and the completion-type inspections, closing the clause.
QString tail(const QString &fiscalYear) {
    return u" AND (年度="_s + fiscalYear + u")"_s + u" AND (検査区分 IN("_s + u"'完成検査'"_s +
           u","_s + u"'清算出来高検査'"_s + u")))"_s;
}

// The condition of a statement; month 0 asks for the whole year (any recorded pass month).
QString condition(GradingScope scope, const QString &constructionClass,
                  const QString &inspectorName, int month, const RankBand &band) {
    const bool year = month == 0;
    const QString m = QString::number(month);
    const QString classPart = u"WHERE ((工事区分="_s + SqlText::quote(constructionClass) + u")"_s;
    switch (scope) {
    case GradingScope::AllWorks:
        if (year)
            return u"WHERE ((評定合計<"_s + band.upper + u") And (評定合計>="_s + band.lower +
                   u") and (合格月>0)"_s;
        return u"WHERE ((合格月="_s + m + u")"_s + bandPart(band);
    case GradingScope::ByConstructionClass:
        if (year)
            return classPart + bandPart(band) + u" and (合格月>0)"_s;
        return u"WHERE ((工事区分="_s + SqlText::quote(constructionClass) + u") AND (合格月="_s +
               m + u")"_s + bandPart(band);
    case GradingScope::ByInspector:
        return u"WHERE ((検査員="_s + SqlText::quote(inspectorName) + u")"_s + bandPart(band) +
               (year ? u" AND (合格月>0)"_s : u" AND (合格月="_s + m + u")"_s);
    case GradingScope::ByInspectorAndClass:
        return classPart + u" AND (検査員="_s + SqlText::quote(inspectorName) + u")"_s +
               bandPart(band) + (year ? u" AND (合格月>0)"_s : u" AND (合格月="_s + m + u")"_s);
    }
    return QString();
}

QStringList updateLines(const QString &column, const QString &value, int id) {
    return {UpdateHead, u" Set "_s + column + u"="_s + value,
            u" where ID= "_s + QString::number(id)};
}

// Opens one statement on ADOQuery_Temp and reads the sum, the number and the average.
RankFigures readFigures(Query &temp, const QString &statement) {
    const QStringList abc =
        RunConventions::readAliases(temp, statement, {u"A"_s, u"B"_s, u"C"_s});
    return figuresFrom(abc.at(0), abc.at(1), abc.at(2));
}
} // namespace

const QList<RankBand> &rankBands() {
    static const QList<RankBand> bands{
        {u"100"_s, u"85"_s}, {u"85"_s, u"70"_s}, {u"70"_s, u"50"_s},
        {u"50"_s, u"35"_s},  {u"35"_s, u"0"_s},  {u"100"_s, u"0"_s},
    };
    return bands;
}

int rowId(int rank, int measure) {
    return 3 * (rank - 1) + measure + 1;
}

QString subtitle(GradingScope scope, const QString &constructionClass,
                 const QString &inspectorName) {
    switch (scope) {
    case GradingScope::AllWorks:
        return u"(全工事の集計)"_s;
    case GradingScope::ByConstructionClass:
        return u"("_s + constructionClass + u")"_s;
    case GradingScope::ByInspector:
        return u"("_s + inspectorName + u" 検査員)"_s;
    case GradingScope::ByInspectorAndClass:
        return u"("_s + inspectorName + u" 検査員："_s + constructionClass + u")"_s;
    }
    return QString();
}

QString monthStatement(GradingScope scope, const QString &constructionClass,
                       const QString &inspectorName, int month, const RankBand &band,
                       const QString &fiscalYear) {
    return SelectScores + condition(scope, constructionClass, inspectorName, month, band) +
           tail(fiscalYear);
}

QString yearStatement(GradingScope scope, const QString &constructionClass,
                      const QString &inspectorName, const RankBand &band,
                      const QString &fiscalYear) {
    return SelectScores + condition(scope, constructionClass, inspectorName, 0, band) +
           tail(fiscalYear);
}

QStringList monthUpdateLines(int month, const QString &value, int id) {
    return updateLines(QString::number(month) + u"月"_s, value, id);
}

QStringList yearUpdateLines(const QString &value, int id) {
    return updateLines(u"合計"_s, value, id);
}

RankFigures figuresFrom(const QString &sum, const QString &number, const QString &average) {
    auto orZero = [](const QString &text) { return text.isEmpty() ? u"0.0"_s : text; };
    const QString averageText = orZero(average);
    const auto value = Formats::parseFloat(averageText);
    if (!value)
        throw EngineError(u"'"_s + averageText + u"' は有効な浮動小数点数ではありません。"_s);
    return {orZero(sum), orZero(number), Formats::formatNumber(*value, u"0.0"_s)};
}

} // namespace Form2_2

void calcForm2_2(ReportContext &context, GradingScope scope, const QString &constructionClass,
                 const QString &inspectorName) {
    using namespace Form2_2;
    const QString fiscalYear = shared().fiscalYear;
    constexpr int Maximum = 12;
    Query &temp = context.temp;

    // The three cells of one rank, each update sent before the next is built.
    auto writeRank = [&](int rank, const RankFigures &figures,
                         const std::function<QStringList(const QString &, int)> &lines) {
        context.db.execLines(lines(figures.sum, rowId(rank, 0)));
        context.db.execLines(lines(figures.number, rowId(rank, 1)));
        context.db.execLines(lines(figures.average, rowId(rank, 2)));
    };

    context.progress.begin(Maximum);
    for (int m = 1; m <= 12; ++m) {
        context.progress.step();
        for (int r = 1; r <= rankBands().size(); ++r) {
            const RankBand &band = rankBands().at(r - 1);
            const RankFigures figures = readFigures(
                temp, monthStatement(scope, constructionClass, inspectorName, m, band, fiscalYear));
            writeRank(r, figures,
                      [m](const QString &value, int id) { return monthUpdateLines(m, value, id); });
        }
    }
    for (int r = 1; r <= rankBands().size(); ++r) {
        const RankBand &band = rankBands().at(r - 1);
        const RankFigures figures = readFigures(
            temp, yearStatement(scope, constructionClass, inspectorName, band, fiscalYear));
        writeRank(r, figures, &yearUpdateLines);
    }
    context.progress.end();
}
