#include "Form2_1.h"

#include "Database.h"
#include "EngineError.h"
#include "Formats.h"
#include "SharedState.h"
#include "SqlText.h"

using namespace Qt::Literals::StringLiterals;

namespace Form2_1 {

namespace {
using RunConventions::SelectScores;
const QString TotalMark = u"<合計>"_s;

QString bandPart(const SummaryBand &band) {
    return u" AND (評定合計<"_s + band.upper + u") And (評定合計>="_s + band.lower + u")"_s;
}

QString yearAndClassPart(const QString &fiscalYear) {
    return u" AND (年度="_s + fiscalYear + u")"_s + u" AND (検査区分 IN("_s + u"'完成検査'"_s +
           u","_s + u"'清算出来高検査'"_s + u")))"_s;
}

struct BandResult {
    QString count;
    QString average;
};

// Opens one band's statement on ADOQuery_Temp and reads its count B and average C.
BandResult readBand(Query &temp, const QString &statement) {
    const QStringList bc = RunConventions::readAliases(temp, statement, {u"B"_s, u"C"_s});
    return {bc.at(0), bc.at(1)};
}
} // namespace

QString bandStatement(const QString &trade, const SummaryBand &band, const QString &fiscalYear) {
    if (trade.isEmpty())
        return SelectScores + u"WHERE ((合格月>0)"_s + bandPart(band) +
               yearAndClassPart(fiscalYear);
    return SelectScores + u"WHERE ((職種区分="_s + SqlText::quote(trade) + u")"_s + bandPart(band) +
           u" AND (合格月>0)"_s + yearAndClassPart(fiscalYear);
}

QString averageText(const QString &average) {
    const QString text = average.isEmpty() ? u"0.0"_s : average;
    const auto value = Formats::parseFloat(text);
    if (!value)
        throw EngineError(u"'"_s + text + u"' は有効な浮動小数点数ではありません。"_s);
    return Formats::formatNumber(*value, u"0.0"_s);
}

QStringList insertLines(const QString &trade, const QString &count, const QString &average,
                        const QString &lowCount) {
    return {
        u"Insert Into "_s + TableName + u" ("_s,
        u"職種区分,"_s,
        u"件数,"_s,
        u"平均点数,"_s,
        u"内50点未満"_s,
        u")"_s,
        u"VALUES ("_s,
        SqlText::quote(trade) + u","_s,
        SqlText::quote(count) + u","_s + SqlText::quote(average) + u","_s +
            SqlText::quote(lowCount),
        u")"_s,
    };
}

} // namespace Form2_1

void calcForm2_1(ReportContext &context) {
    using namespace Form2_1;
    const QString fiscalYear = shared().fiscalYear;
    Query &temp = context.temp;
    const int maximum = 4;

    context.progress.begin(maximum);
    context.db.exec(u"Delete From "_s + TableName);

    // `trade` empty: the total row, which drops the trade condition.
    auto writeRow = [&](const QString &trade, const QString &rowName) {
        const BandResult all = readBand(temp, bandStatement(trade, AllBand, fiscalYear));
        const BandResult low = readBand(temp, bandStatement(trade, LowBand, fiscalYear));
        context.db.execLines(insertLines(rowName, all.count, averageText(all.average), low.count));
    };

    for (const QString &trade : Classes::trades) {
        context.progress.step();
        writeRow(trade, trade);
    }
    writeRow(QString(), TotalMark);

    context.progress.end();
}
