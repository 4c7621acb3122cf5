#include "LedgerStatements.h"

#include "SqlText.h"

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
    QStringList lines{QStringLiteral("Insert Into 10工事検査台帳 (")};
    lines << QStringLiteral("受付番号,") << QStringLiteral("発送番号,") << QStringLiteral("受付日,")
          << QStringLiteral("受付月,") << QStringLiteral("時間,") << QStringLiteral("工事番号,")
          << QStringLiteral("備考,") << QStringLiteral("工事名,") << QStringLiteral("請負業者名,")
          << QStringLiteral("業種名称,") << QStringLiteral("請負金額,") << QStringLiteral("工期自,")
          << QStringLiteral("工期至,") << QStringLiteral("変更工期,") << QStringLiteral("担当局,")
          << QStringLiteral("担当部,") << QStringLiteral("担当課,") << QStringLiteral("監督員,")
          << QStringLiteral("評定監督員,") << QStringLiteral("評定係長,")
          << QStringLiteral("評定検査員,") << QStringLiteral("評定合計,") << QStringLiteral("年度,")
          << QStringLiteral("合格年,") << QStringLiteral("合格月,") << QStringLiteral("検査員,")
          << QStringLiteral("職種区分,") << QStringLiteral("契約区分,")
          << QStringLiteral("検査区分,") << QStringLiteral("工事区分,") << QStringLiteral("件名,")
          << QStringLiteral("公印種類,") << QStringLiteral("件数,") << QStringLiteral("押印数,")
          << QStringLiteral("財務チェック");
    lines << QStringLiteral(")") << QStringLiteral("VALUES (");
    const QStringList values{
        quote(receiptNo),
        quote(dispatchNo),
        QBV(b, "Edit2"),
        QBV(b, "Edit24"),
        QBV(b, "Edit3"),
        QBV(b, "Edit37"),
        QBV(b, "Edit38"),
        QBV(b, "Edit6"),
        QBV(b, "Edit36"),
        QBV(b, "Edit7"),
        Q(b, "Edit21"),
        QBV(b, "Edit9"),
        QBV(b, "Edit10"),
        QBV(b, "Edit11"),
        quote(QStringLiteral(" ")),
        quote(QStringLiteral(" ")),
        QBV(b, "Edit12"),
        QBV(b, "Edit13"),
        Q(b, "Edit14"),
        Q(b, "Edit15"),
        Q(b, "Edit16"),
        Q(b, "Edit17"),
        quote(yearText),
        quote(QStringLiteral("0")),
        quote(QStringLiteral("0")),
        quote(inspector),
        quote(trade),
        QBV(b, "Edit20"),
        QBV(b, "Edit18"),
        QBV(b, "Edit19"),
        quote(QStringLiteral("完成検査等")),
        quote(QStringLiteral("市長印")),
        quote(QStringLiteral("1")),
        quote(QStringLiteral("2")),
        quote(QStringLiteral("×")),
    };
    for (qsizetype i = 0; i < values.size(); ++i)
        lines << values.at(i) + (i + 1 < values.size() ? QStringLiteral(",") : QString());
    lines << QStringLiteral(")");
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
