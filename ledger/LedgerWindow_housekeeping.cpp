// Housekeeping commands of the ledger window: backup, the delete switch, the about box and
// the paste of one spreadsheet row into page ①.
#include "LedgerWindow.h"

#include "Clock.h"
#include "EngineError.h"
#include "Formats.h"
#include "Prompter.h"
#include "SharedState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryFile>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString BackupQuestion = u"バックアップしますか。\r\r[注意：データベースは切断されます。]"
                               u"\r\r 終了するまで、電源を切らないで下さい。"_s;
const QString BackupDone = u"「バックアップ」終了しました。"_s;
const QString DeleteQuestion = u"レコードを削除してもよいですか？"_s;
const QString AboutText = u"工事検査台帳システム\r\r"
                          u"工事検査の受付から結果登録、通知の発送までを台帳に記録し、"
                          u"検査件数調書・成績評定点集計表などの統計様式と、"
                          u"収受簿・公印使用簿・発送簿を作成します。\r\r"
                          u"製作・保守：ゾルテ"_s;

// The backup questions and messages stand at the screen's left edge.
const QPoint BackupAskAt(0, 73);
const QPoint BackupMessageAt(0, 95);

// Copies `source` to `target` without ever replacing a file of that name: the copy is
// written under a temporary name beside the target and renamed into place only when it
// is complete, so that a half-written file never carries the backup's name.
bool copyWithoutReplacing(const QString &source, const QString &target, QString *why) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *why = in.errorString();
        return false;
    }
    QTemporaryFile out(target + u".XXXXXX"_s);
    if (!out.open()) {
        *why = out.errorString();
        return false;
    }
    QByteArray chunk;
    while (!(chunk = in.read(1 << 16)).isEmpty()) {
        if (out.write(chunk) != chunk.size()) {
            *why = out.errorString();
            return false;
        }
    }
    if (in.error() != QFileDevice::NoError) {
        *why = in.errorString();
        return false;
    }
    if (!out.flush()) {
        *why = out.errorString();
        return false;
    }
    out.setPermissions(in.permissions());
    out.close();
    // QFile::rename refuses an existing target; the temporary file then goes away.
    if (!QFile::rename(out.fileName(), target)) {
        *why = QFileInfo::exists(target) ? u"同じ名前のファイルがあります。"_s
                                         : u"ファイル名を変更できません。"_s;
        return false;
    }
    out.setAutoRemove(false);
    return true;
}

// Splits one line of a pasted spreadsheet row into items: commas and runs of characters
// with codes 1 to 32 (tabs, spaces) separate; separators at the start are skipped; an item
// that begins with a double quote runs to the closing one (two inside stand for one); two
// commas in a row give an empty item, and so does a comma at the very end.
QStringList lineItems(QString line) {
    // A NUL ends the text.
    const qsizetype nul = line.indexOf(QChar(0));
    if (nul >= 0)
        line.truncate(nul);
    const qsizetype n = line.size();
    auto blank = [&](qsizetype k) { return k < n && line.at(k).unicode() <= 32; };
    QStringList items;
    qsizetype i = 0;
    while (blank(i))
        ++i;
    while (i < n) {
        QString item;
        if (line.at(i) == u'"') {
            ++i;
            while (i < n) {
                if (line.at(i) == u'"') {
                    if (i + 1 < n && line.at(i + 1) == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += line.at(i++);
            }
        } else {
            while (i < n && line.at(i).unicode() > 32 && line.at(i) != u',')
                item += line.at(i++);
        }
        items << item;
        while (blank(i))
            ++i;
        if (i < n && line.at(i) == u',') {
            if (i + 1 == n)
                items << QString();
            do
                ++i;
            while (blank(i));
        }
    }
    return items;
}

// An amount copied from a spreadsheet starts with the yen mark: the backslash that
// Japanese fonts show as the yen sign, or the yen sign itself (half or full width).
bool startsWithYen(const QString &item) {
    return item.startsWith(u'\\') || item.startsWith(u'¥') || item.startsWith(u'￥');
}
} // namespace

void LedgerWindow::backupClicked() {
    if (!Prompter::ask(BackupQuestion, BackupAskAt, this))
        return;
    // The file is copied with the connection closed; the list shows nothing until the next
    // refresh opens the connection again.
    m_list.close();
    m_temp.close();
    m_ka.close();
    m_db.close();

    const QDir dir(QDir::fromNativeSeparators(shared().workDir));
    const QString name =
        u"DB("_s + Clock::current().today().toString(u"yyyy年MM月dd日"_s) + u").MDB"_s;
    const QString target = dir.filePath(name);
    const QString alreadyThere = u"本日のバックアップ「"_s + name +
                                 u"」は既にあります。\r\r既存のファイルはそのまま残しました。"_s;
    if (QFileInfo::exists(target)) {
        Prompter::message(alreadyThere, BackupMessageAt, this);
        return;
    }
    QString why;
    if (!copyWithoutReplacing(dir.filePath(u"DB.mdb"_s), target, &why)) {
        if (QFileInfo::exists(target))
            Prompter::message(alreadyThere, BackupMessageAt, this);
        else
            Prompter::message(u"「バックアップ」できませんでした。\r\r「"_s + name +
                                  u"」を作成できませんでした。\r\r("_s + why + u")"_s,
                              BackupMessageAt, this);
        return;
    }
    Prompter::yesOnly(BackupDone, BackupMessageAt, this);
}

void LedgerWindow::setDeletePanelVisible(bool on) {
    m_deletePanel->setVisible(on);
}

void LedgerWindow::deleteCurrentCase() {
    if (m_list.recordCount() <= 0 || m_list.currentRow() < 0)
        return;
    if (!Prompter::okCancel(DeleteQuestion, this))
        return;
    // The count captions and the entry boxes stay as they are until the next refresh.
    m_list.deleteCurrent();
}

void LedgerWindow::aboutClicked() {
    Prompter::message(AboutText, std::nullopt, this);
}

void LedgerWindow::showPasteBox() {
    if (tabIndex() <= 0)
        return;
    m_pasteBox->show();
    if (auto *edit = m_pasteBox->findChild<QLineEdit *>(u"LabeledEdit1"_s))
        edit->setFocus();
}

void LedgerWindow::pasteRow() {
    auto *edit = m_pasteBox->findChild<QLineEdit *>(u"LabeledEdit1"_s);
    auto *list = m_pasteBox->findChild<QListWidget *>(u"ListBox1"_s);

    // 1. Every item of every line, in order.
    QStringList items;
    for (const QString &line : edit->text().split(QRegularExpression(u"\r\n|\r|\n"_s)))
        items << lineItems(line);
    list->clear();
    list->addItems(items);

    // 2. The walk. Items before the first or after the last one read as empty.
    auto item = [&items](qsizetype k) {
        return k >= 0 && k < items.size() ? items.at(k) : QString();
    };
    QString accumulator;
    int dates = 0;
    bool afterDates = false;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString current = items.at(i);
        const bool eraDate = current.startsWith(u'H');
        // a. The construction number ends in "00"; the name and the industry follow it.
        if (current == u"00"_s) {
            setBoxText(u"Edit37"_s, item(i - 1) + u"-"_s + u"00"_s);
            setBoxText(u"Edit6"_s, item(i + 1));
            setBoxText(u"Edit7"_s, item(i + 2));
        }
        // b. An amount with separators arrives as several items and is joined again.
        if (startsWithYen(current))
            accumulator = current;
        else if (!eraDate)
            accumulator += current;
        // c. The era dates of the construction period; the amount stands before the first.
        if (eraDate) {
            if (startsWithYen(accumulator)) {
                accumulator.remove(0, 1);
                setBoxText(u"Edit21"_s, accumulator);
                const auto yen = Formats::parseFloat(accumulator);
                if (!yen)
                    throw EngineError(u"'"_s + accumulator +
                                      u"' は有効な浮動小数点数ではありません"_s);
                setBoxText(u"Edit8"_s, Formats::amountInManYen(*yen));
            }
            ++dates;
            afterDates = false;
            if (dates == 1) {
                setBoxText(u"Edit9"_s, current);
                setBoxText(u"Edit42"_s, current);
            } else if (dates == 2) {
                setBoxText(u"Edit10"_s, current);
                setBoxText(u"Edit11"_s, current);
            } else if (dates == 3) {
                setBoxText(u"Edit11"_s, current);
            }
        } else if (dates > 0) {
            afterDates = true;
        }
        // d. After the dates: the section, the supervisor and the contractor. The time and
        // the construction class are left for the clerk to choose.
        if (!eraDate && afterDates) {
            setBoxText(u"Edit12"_s, current);
            setBoxText(u"Edit13"_s, item(i + 1));
            setBoxText(u"Edit36"_s, item(i + 2));
            setBoxText(u"Edit3"_s, u"？？？？"_s);
            setBoxText(u"Edit19"_s, u"？？？？"_s);
            if (m_constructionClassReset)
                m_constructionClassReset();
            edit->clear();
            break;
        }
    }

    // 3. Received today.
    const QDate today = Clock::current().today();
    setBoxText(u"Edit2"_s, Formats::monthDay(today));
    setBoxText(u"Edit24"_s, Formats::monthNumber(today));
}
