#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The statements of the four ledger writes, built as lines from the entry boxes' texts.
// They are kept apart from the window so that every line can be checked.
namespace LedgerStatements {

// Box texts by component name ("Edit6" -> "市道1号線舗装工事"); a missing box reads "".
using BoxTexts = QHash<QString, QString>;

// The sequence of a new case within its fiscal year: LastId - FirstId + 1 when the year
// has a case, 0 when it has none.
qint64 sequence(bool yearHasCase, qint64 firstId, qint64 lastId);
// A book name followed by start + sequence, written with at least four digits.
QString bookNumber(const QString &bookName, qint64 startNo, qint64 seq);

// 登録: Insert Into 10工事検査台帳 (…) VALUES (…)
QStringList appendLines(const BoxTexts &boxes, const QString &receiptNo, const QString &dispatchNo,
                        const QString &yearText, const QString &inspector, const QString &trade);
// 修正 of page ①.
QStringList editLines(const BoxTexts &boxes, const QString &yearText, const QString &inspector,
                      const QString &trade, const QString &idText);
// 上書 of page ②.
QStringList resultLines(const BoxTexts &boxes, const QString &idText);
// 上書 of page ③.
QStringList dispatchLines(const BoxTexts &boxes, const QString &idText);

} // namespace LedgerStatements
