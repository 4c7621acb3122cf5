#include "LedgerStatements.h"

#include "SqlText.h"

using namespace Qt::Literals::StringLiterals;
using SqlText::quote;
using SqlText::quoteBoxValue;

namespace LedgerStatements {

namespace {
QString Q(const BoxTexts &b, const char *name) {
    return quote(b.value(QString::fromLatin1(name)));
}
QString QBV(const BoxTexts &b, const char *name) {
    return quoteBoxValue(b.value(QString::fromLatin1(name)));
}
} // namespace

qint64 sequence(bool yearHasCase, qint64 firstId, qint64 lastId) {
    return yearHasCase ? lastId - firstId + 1 : 0;
}

QString bookNumber(const QString &bookName, qint64 startNo, qint64 seq) {
    return bookName + QStringLiteral("%1").arg(startNo + seq, 4, 10, QLatin1Char('0'));
}

QStringList appendLines(const BoxTexts &b, const QString &receiptNo, const QString &dispatchNo,
                        const QString &yearText, const QString &inspector, const QString &trade) {
    // Each column with its value, in the order of the statement. The dispatch columns take
    // the fixed defaults, not the boxes of page ③.
    // clang-format off
    const QList<std::pair<QString, QString>> columns{
        {u"受付番号"_s, quote(receiptNo)},       {u"発送番号"_s, quote(dispatchNo)},
        {u"受付日"_s, QBV(b, "Edit2")},          {u"受付月"_s, QBV(b, "Edit24")},
        {u"時間"_s, QBV(b, "Edit3")},            {u"工事番号"_s, QBV(b, "Edit37")},
        {u"備考"_s, QBV(b, "Edit38")},           {u"工事名"_s, QBV(b, "Edit6")},
        {u"請負業者名"_s, QBV(b, "Edit36")},     {u"業種名称"_s, QBV(b, "Edit7")},
        {u"請負金額"_s, Q(b, "Edit21")},         {u"工期自"_s, QBV(b, "Edit9")},
        {u"工期至"_s, QBV(b, "Edit10")},         {u"変更工期"_s, QBV(b, "Edit11")},
        {u"担当局"_s, quote(u" "_s)},            {u"担当部"_s, quote(u" "_s)},
        {u"担当課"_s, QBV(b, "Edit12")},         {u"監督員"_s, QBV(b, "Edit13")},
        {u"評定監督員"_s, Q(b, "Edit14")},       {u"評定係長"_s, Q(b, "Edit15")},
        {u"評定検査員"_s, Q(b, "Edit16")},       {u"評定合計"_s, Q(b, "Edit17")},
        {u"年度"_s, quote(yearText)},            {u"合格年"_s, quote(u"0"_s)},
        {u"合格月"_s, quote(u"0"_s)},            {u"検査員"_s, quote(inspector)},
        {u"職種区分"_s, quote(trade)},           {u"契約区分"_s, QBV(b, "Edit20")},
        {u"検査区分"_s, QBV(b, "Edit18")},       {u"工事区分"_s, QBV(b, "Edit19")},
        {u"件名"_s, quote(u"完成検査等"_s)},     {u"公印種類"_s, quote(u"市長印"_s)},
        {u"件数"_s, quote(u"1"_s)},              {u"押印数"_s, quote(u"2"_s)},
        {u"財務チェック"_s, quote(u"×"_s)},
    };
    // clang-format on
    QStringList lines{u"Insert Into 10工事検査台帳 ("_s};
    for (qsizetype i = 0; i < columns.size(); ++i)
        lines << columns.at(i).first + (i + 1 < columns.size() ? u","_s : QString());
    lines << u")"_s << u"VALUES ("_s;
    for (qsizetype i = 0; i < columns.size(); ++i)
        lines << columns.at(i).second + (i + 1 < columns.size() ? u","_s : QString());
    lines << u")"_s;
    return lines;
}

QStringList editLines(const BoxTexts &b, const QString &yearText, const QString &inspector,
                      const QString &trade, const QString &idText) {
    return {
        QStringLiteral("UpDate 10工事検査台帳"),
        QStringLiteral(" Set 受付日=") + QBV(b, "Edit2") + QStringLiteral(","),
        QStringLiteral("受付月=") + Q(b, "Edit24") + QStringLiteral(","),
        QStringLiteral("時間  =") + QBV(b, "Edit3") + QStringLiteral(","),
        QStringLiteral("工事番号=") + QBV(b, "Edit37") + QStringLiteral(","),
        QStringLiteral("備考    =") + QBV(b, "Edit38") + QStringLiteral(","),
        QStringLiteral("工事名    =") + QBV(b, "Edit6") + QStringLiteral(","),
        QStringLiteral("請負業者名=") + QBV(b, "Edit36") + QStringLiteral(","),
        QStringLiteral("業種名称=") + QBV(b, "Edit7") + QStringLiteral(","),
        QStringLiteral("請負金額=") + Q(b, "Edit21") + QStringLiteral(","),
        QStringLiteral("工期自=") + QBV(b, "Edit9") + QStringLiteral(","),
        QStringLiteral("工期至=") + QBV(b, "Edit10") + QStringLiteral(","),
        QStringLiteral("変更工期=") + QBV(b, "Edit11") + QStringLiteral(","),
        QStringLiteral("担当局=' ',"),
        QStringLiteral("担当部=' ',"),
        QStringLiteral("担当課=") + QBV(b, "Edit12") + QStringLiteral(","),
        QStringLiteral("監督員=") + QBV(b, "Edit13") + QStringLiteral(","),
        QStringLiteral("年度=") + quote(yearText) + QStringLiteral(","),
        QStringLiteral("検査員=") + quote(inspector) + QStringLiteral(","),
        QStringLiteral("職種区分=") + quote(trade) + QStringLiteral(","),
        QStringLiteral("契約区分=") + QBV(b, "Edit20") + QStringLiteral(","),
        QStringLiteral("検査区分=") + QBV(b, "Edit18") + QStringLiteral(","),
        QStringLiteral("工事区分=") + QBV(b, "Edit19"),
        QStringLiteral(" where ID= ") + idText,
    };
}

QStringList resultLines(const BoxTexts &b, const QString &idText) {
    return {
        QStringLiteral("UpDate 10工事検査台帳"),
        QStringLiteral(" Set 立入点検日=") + QBV(b, "Edit26") + QStringLiteral(","),
        QStringLiteral("立入点検結果=") + QBV(b, "Edit27") + QStringLiteral(","),
        QStringLiteral("検査日=") + QBV(b, "Edit4") + QStringLiteral(","),
        QStringLiteral("合格日=") + QBV(b, "Edit5") + QStringLiteral(","),
        QStringLiteral("発送日=") + QBV(b, "Edit5") + QStringLiteral(","),
        QStringLiteral("評定監督員=") + Q(b, "Edit14") + QStringLiteral(","),
        QStringLiteral("評定係長=") + Q(b, "Edit15") + QStringLiteral(","),
        QStringLiteral("評定検査員=") + Q(b, "Edit16") + QStringLiteral(","),
        QStringLiteral("評定合計=") + Q(b, "Edit17") + QStringLiteral(","),
        QStringLiteral("合格年=") + Q(b, "Edit22") + QStringLiteral(","),
        QStringLiteral("合格月=") + Q(b, "Edit23"),
        QStringLiteral(" where ID= ") + idText,
    };
}

QStringList dispatchLines(const BoxTexts &b, const QString &idText) {
    return {
        QStringLiteral("UpDate 10工事検査台帳"),
        QStringLiteral(" Set 発送日=") + QBV(b, "Edit75") + QStringLiteral(","),
        QStringLiteral("公印種類=") + QBV(b, "Edit92") + QStringLiteral(","),
        QStringLiteral("件数=") + QBV(b, "Edit90") + QStringLiteral(","),
        QStringLiteral("押印数=") + QBV(b, "Edit79") + QStringLiteral(","),
        QStringLiteral("財務チェック=") + QBV(b, "Edit34"),
        QStringLiteral(" where ID= ") + idText,
    };
}

} // namespace LedgerStatements
