#pragma once

#include <QString>
#include <QStringList>

// The ledger list's filter and sort orders.
namespace ListFilter {

// The amount band item of the "金額(万)" group: 0 "0～", 1 "2,500～", 2 "4,500～".
QString amountPart(int bandItem);

// The reception month of the month group's item: items 0..8 are April to December,
// 9..11 January to March; item 12 ("全て") and anything else give 0 (no month condition).
int monthOfItem(int monthItem);

// The filter text of the list: fiscal year, inspector (tab index 0 is "全検査員"),
// reception month and amount band, e.g.
// 年度='2011' and 検査員='山田' and 受付月=6 and 請負金額>=25000000
QString build(const QString &fiscalYear, int tabIndex, const QString &tabText, int monthItem,
              int bandItem);

// The sort columns of order n (1 to 13); "ID" for any other n.
QString sortColumns(int n);

// The menu item caption of order n.
QString sortMenuCaption(int n);

inline constexpr int SortOrderCount = 13;

} // namespace ListFilter
