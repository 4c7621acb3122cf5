#include "Kanri.h"

#include "Database.h"
#include "EngineError.h"
#include "TableDataset.h"
#include "Prompter.h"
#include "SqlText.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString Added = u"台帳に新規登録しました"_s;
const QString Modified = u"台帳を修正しました"_s;

// A value written without quotes: only a whole number may go in, so that nothing typed
// into a box can become part of the statement. The trimmed digits are used.
QString rawNumber(const QString &text, const QString &what) {
    if (!SqlText::isWholeNumber(text))
        throw EngineError(what + u" が数値ではありません: "_s + text);
    return SqlText::trimBlanks(text);
}

bool blank(const QString &text) {
    return SqlText::trimBlanks(text).isEmpty();
}
} // namespace

TKanri::TKanri(Database &db, Query &temp, QPoint messageAt, QWidget *parent)
    : m_db(db)
    , m_temp(temp)
    , m_at(messageAt)
    , m_parent(parent) {}

QString TKanri::failureMessage(const QString &operation) {
    return u"DB書込みが失敗しました。("_s + operation +
           u" Methodのエラー)\r\rゾルテまで連絡して下さい。"_s;
}

QStringList TKanri::kenAddLines(const InspectorBoxes &b) {
    const QString year = rawNumber(b.year, u"年度"_s);
    const QString number = rawNumber(b.number, u"検査員番号"_s);
    return {u"Insert Into 20検査員 ("_s,
            u"年度,"_s,
            u"検査員番号,"_s,
            u"検査員,"_s,
            u"職種区分,"_s,
            u"職員コード"_s,
            u")"_s,
            u"VALUES ("_s,
            year + u","_s,
            number + u","_s,
            SqlText::quoteBoxValue(b.name) + u","_s,
            SqlText::quoteBoxValue(b.trade) + u","_s,
            SqlText::quoteBoxValue(b.staffCode),
            u")"_s};
}

QStringList TKanri::kenEditLines(const InspectorBoxes &b, const QString &idText) {
    const QString year = rawNumber(b.year, u"年度"_s);
    const QString number = rawNumber(b.number, u"検査員番号"_s);
    const QString id = rawNumber(idText, u"ID"_s);
    return {u"UpDate 20検査員"_s,
            u" set 年度 ="_s + year + u","_s,
            u"検査員番号="_s + number + u","_s,
            u"検査員    ="_s + SqlText::quoteBoxValue(b.name) + u","_s,
            u"職種区分  ="_s + SqlText::quoteBoxValue(b.trade) + u","_s,
            u"職員コード="_s + SqlText::quoteBoxValue(b.staffCode),
            u" where ID="_s + id};
}

QStringList TKanri::stpAddLines(const QString &sealType) {
    return {u"Insert Into 21公印 ("_s,        u"公印種類"_s, u")"_s, u"VALUES ("_s,
            SqlText::quoteBoxValue(sealType), u")"_s};
}

QStringList TKanri::stpEditLines(const QString &sealType, const QString &idText) {
    const QString id = rawNumber(idText, u"ID"_s);
    return {u"UpDate 21公印"_s, u" set 公印種類 ="_s + SqlText::quoteBoxValue(sealType),
            u" where ID="_s + id};
}

QStringList TKanri::ukeEditLines(const BookBoxes &b) {
    const QString receiptStart = rawNumber(b.receiptStart, u"収受開始番号"_s);
    const QString dispatchStart = rawNumber(b.dispatchStart, u"発送開始番号"_s);
    return {u"UpDate 22諸定義"_s,
            u" set 収受名 ="_s + SqlText::quoteBoxValue(b.receiptName) + u","_s,
            u"収受開始番号="_s + receiptStart + u","_s,
            u"発送名      ="_s + SqlText::quoteBoxValue(b.dispatchName) + u","_s,
            u"発送開始番号="_s + dispatchStart,
            u" where ID=1"_s};
}

void TKanri::message(const QString &text) const {
    Prompter::message(text, m_at, m_parent);
}

bool TKanri::inspectorBoxesFilled(const InspectorBoxes &b) const {
    const struct {
        const QString &text;
        QString refusal;
    } required[] = {
        {b.year, u"年度が入力されていません"_s},
        {b.number, u"検査員番号が入力されていません"_s},
        {b.name, u"検査員の氏名が入力されていません"_s},
        {b.trade, u"職種区分が入力されていません"_s},
    };
    for (const auto &r : required) {
        if (blank(r.text)) {
            message(r.refusal);
            return false;
        }
    }
    return true;
}

template <typename Build>
bool TKanri::run(const QString &operation, Build build, TableDataset &table,
                 const QString &doneMessage) {
    try {
        const QStringList lines = build();
        m_temp.close();
        m_db.execLines(lines);
        table.open();
    } catch (const EngineError &) {
        message(failureMessage(operation));
        return false;
    }
    message(doneMessage);
    return true;
}

bool TKanri::Ken_Add(const InspectorBoxes &boxes, TableDataset &inspectors) {
    if (!inspectorBoxesFilled(boxes))
        return false;
    return run(
        u"Ken_Add"_s, [&] { return kenAddLines(boxes); }, inspectors, Added);
}

bool TKanri::Ken_Edit(const InspectorBoxes &boxes, TableDataset &inspectors) {
    if (!inspectorBoxesFilled(boxes))
        return false;
    return run(
        u"Ken_Edit"_s, [&] { return kenEditLines(boxes, inspectors.fieldText(u"ID"_s)); },
        inspectors, Modified);
}

bool TKanri::Stp_Add(const QString &sealType, TableDataset &seals) {
    if (blank(sealType)) {
        message(u"公印の種類が入力されていません"_s);
        return false;
    }
    // A failing seal insert reports itself under the inspector insert's name.
    return run(
        u"Ken_Add"_s, [&] { return stpAddLines(sealType); }, seals, Added);
}

bool TKanri::Stp_Edit(const QString &sealType, TableDataset &seals) {
    if (blank(sealType)) {
        message(u"公印の種類が入力されていません"_s);
        return false;
    }
    return run(
        u"Stp_Edit"_s, [&] { return stpEditLines(sealType, seals.fieldText(u"ID"_s)); }, seals,
        Modified);
}

bool TKanri::Uke_Edit(const BookBoxes &boxes, TableDataset &books) {
    if (blank(boxes.receiptStart)) {
        message(u"収受開始番号が入力されていません"_s);
        return false;
    }
    if (blank(boxes.dispatchStart)) {
        message(u"発送開始番号が入力されていません"_s);
        return false;
    }
    return run(
        u"Uke_Edit"_s, [&] { return ukeEditLines(boxes); }, books, Modified);
}
