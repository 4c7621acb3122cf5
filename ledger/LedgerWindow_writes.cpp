// The four ledger writes of the entry pages' buttons.
#include "LedgerWindow.h"

#include "EngineError.h"
#include "EntryBoxes.h"
#include "LedgerStatements.h"
#include "Prompter.h"
#include "SharedState.h"
#include "SqlText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString AppendFailed = QStringLiteral(
    "DB書込みが失敗しました。(Dat_Append Methodのエラー)\r\rゾルテまで連絡して下さい。");
const QString EditFailed = QStringLiteral(
    "DB書込みが失敗しました。(Dat_Edit Methodのエラー)\r\rゾルテまで連絡して下さい。");
const QString NoName = QStringLiteral("工事名が入力されていません");

// Where the boxes of each button are placed, from the window's corner.
constexpr int ReceptionX = 750, AppendY = 300, EditY = 235, ResultY = 280;
} // namespace

LedgerStatements::BoxTexts boxTextsOf(const QHash<QString, QLineEdit *> &boxes) {
    LedgerStatements::BoxTexts texts;
    for (auto it = boxes.cbegin(); it != boxes.cend(); ++it)
        texts.insert(it.key(), it.value()->text());
    return texts;
}

void LedgerWindow::registerClicked() {
    if (Prompter::ask(QStringLiteral("工事検査台帳に[新規登録]しますか。"),
                      dialogPos(ReceptionX, AppendY), this))
        Dat_Append();
}

void LedgerWindow::modifyClicked() {
    if (!Prompter::ask(QStringLiteral("工事検査台帳を[修正登録]します。\r\rいいですか。"),
                       dialogPos(ReceptionX, EditY), this))
        return;
    Dat_Edit();
    moveListTo(boxText(QStringLiteral("Edit1")));
}

void LedgerWindow::resultClicked() {
    if (!Prompter::ask(QStringLiteral("工事検査台帳を[上書登録]します。\r\rいいですか。"),
                       dialogPos(ReceptionX, ResultY), this))
        return;
    Dat_EditResult();
    moveListTo(boxText(QStringLiteral("Edit25")));
}

void LedgerWindow::dispatchClicked() {
    if (!Prompter::ask(QStringLiteral("工事検査台帳を[上書登録]します。\r\rいいですか。"),
                       dialogPos(ReceptionX, ResultY), this))
        return;
    Dat_EditDispatch();
    moveListTo(boxText(QStringLiteral("Edit73")));
}

void LedgerWindow::Dat_Append() {
    const QPoint at = dialogPos(ReceptionX, AppendY);
    // 1.
    if (SqlText::trimBlanks(boxText(QStringLiteral("Edit6"))).isEmpty()) {
        Prompter::message(NoName, at, this);
        return;
    }
    // 2.
    const QString inspector = tabText();
    const QString trade = m_label26->text();
    // 3. A case loaded from the list is registered again only after a question.
    const QString key = boxText(QStringLiteral("Edit1")).isEmpty()
                            ? QStringLiteral("0")
                            : boxText(QStringLiteral("Edit1"));
    bool listed = false;
    for (int r = 0; r < m_list.recordCount() && !listed; ++r)
        listed = m_list.text(r, QStringLiteral("ID")) == key;
    if (listed &&
        !Prompter::ask(QStringLiteral("既にこのIDは登録されています。\r\r別のIDで新規登録します。"
                                      "\r\rいいですか。"),
                       at, this))
        return;
    // 4., 5. The numbers follow the count of the year's cases, read now: the year's first
    // case takes the start numbers.
    const SharedState &s = shared();
    m_temp.close();
    m_temp.open(QStringLiteral("select * from 10工事検査台帳 where 年度= ") + s.fiscalYear +
                QStringLiteral(" ORDER BY ID"));
    const bool yearHasCase = m_temp.recordCount() > 0;
    m_temp.first();
    const qint64 firstId = m_temp.integer(QStringLiteral("ID"));
    m_temp.last();
    const qint64 lastId = m_temp.integer(QStringLiteral("ID"));
    m_temp.close();
    const qint64 seq = LedgerStatements::sequence(yearHasCase, firstId, lastId);
    const QString receipt =
        LedgerStatements::bookNumber(s.numbering.receiptBookName, s.numbering.receiptStartNo, seq);
    const QString dispatch = LedgerStatements::bookNumber(s.numbering.dispatchBookName,
                                                          s.numbering.dispatchStartNo, seq);
    // 6., 7.
    try {
        m_db.execLines(LedgerStatements::appendLines(boxTextsOf(m_boxes), receipt, dispatch,
                                                     m_yearBox->currentText(), inspector, trade));
    } catch (const EngineError &) {
        Prompter::message(AppendFailed, at, this);
        return;
    }
    RefreshList();
    Prompter::message(QStringLiteral("台帳に新規登録しました"), at, this);
}

// The three writes into the list's current row: the construction name must be there; the
// question names the row; the statement is guarded and ends in the operation's message.
void LedgerWindow::writeCurrentCase(const QPoint &at,
                                    const std::function<QStringList(const QString &id)> &lines,
                                    const QString &done) {
    if (SqlText::trimBlanks(boxText(QStringLiteral("Edit6"))).isEmpty()) {
        Prompter::message(NoName, at, this);
        return;
    }
    try {
        const QString id = m_list.fieldText(QStringLiteral("ID"));
        if (!Prompter::ask(QStringLiteral("修正対象の ID は[ ") + id +
                               QStringLiteral(" ]です。\r\rいいですか？"),
                           at, this))
            return;
        m_db.execLines(lines(id));
    } catch (const EngineError &) {
        Prompter::message(EditFailed, at, this);
        return;
    }
    RefreshList();
    Prompter::message(done, at, this);
}

void LedgerWindow::Dat_Edit() {
    // The inspector and trade are taken before the question, as the tab shows them.
    const QString inspector = tabText();
    const QString trade = m_label26->text();
    writeCurrentCase(
        dialogPos(ReceptionX, EditY),
        [&](const QString &id) {
            return LedgerStatements::editLines(boxTextsOf(m_boxes), m_yearBox->currentText(),
                                               inspector, trade, id);
        },
        QStringLiteral("台帳を修正登録しました"));
}

void LedgerWindow::Dat_EditResult() {
    writeCurrentCase(
        dialogPos(ReceptionX, ResultY),
        [&](const QString &id) { return LedgerStatements::resultLines(boxTextsOf(m_boxes), id); },
        QStringLiteral("台帳を上書登録しました"));
}

void LedgerWindow::Dat_EditDispatch() {
    writeCurrentCase(
        dialogPos(ReceptionX, ResultY),
        [&](const QString &id) { return LedgerStatements::dispatchLines(boxTextsOf(m_boxes), id); },
        QStringLiteral("台帳を上書登録しました"));
}
