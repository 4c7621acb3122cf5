#include "ListFilter.h"

#include "SqlText.h"

namespace ListFilter {

namespace {
struct SortOrder {
    const char16_t *columns;
    const char16_t *menuCaption;
};

// The thirteen orders of the "並替え(&S)" menu, in menu order.
const SortOrder sortOrders[SortOrderCount] = {
    {u"ID", u"1．番号（ID）でソート"},
    {u"年度,受付日", u"2．受付日でソート"},
    {u"合格年,検査日,合格日", u"3．合格日でソート"},
    {u"合格年,契約区分", u"4．契約区分でソート"},
    {u"合格年,検査区分", u"5．検査区分でソート"},
    {u"合格年,工事区分", u"6．工事区分でソート"},
    {u"合格年,請負金額", u"7．請負金額でソート"},
    {u"合格年,工期自", u"8．工期(自）でソート"},
    {u"合格年,担当課", u"9．担当部署でソート"},
    {u"合格年,監督員", u"10．監督員でソート"},
    {u"合格年,評定合計", u"11．評定点でソート"},
    {u"合格年,受付番号", u"12．受付番号でソート"},
    {u"合格年,発送番号", u"13．発送番号でソート"},
};
} // namespace

QString amountPart(int bandItem) {
    switch (bandItem) {
    case 1:
        return QStringLiteral(" and 請負金額>=25000000");
    case 2:
        return QStringLiteral(" and 請負金額>=45000000");
    default:
        return QStringLiteral(" and 請負金額>=0");
    }
}

int monthOfItem(int monthItem) {
    if (monthItem >= 0 && monthItem <= 8)
        return monthItem + 4;
    if (monthItem >= 9 && monthItem <= 11)
        return monthItem - 8;
    return 0;
}

QString build(const QString &fiscalYear, int tabIndex, const QString &tabText, int monthItem,
              int bandItem) {
    QString f = QStringLiteral("年度=") + SqlText::quote(fiscalYear);
    if (tabIndex > 0)
        f += QStringLiteral(" and 検査員=") + SqlText::quote(tabText);
    const int m = monthOfItem(monthItem);
    if (m > 0)
        f += QStringLiteral(" and 受付月=") + QString::number(m);
    return f + amountPart(bandItem);
}

QString sortColumns(int n) {
    if (n < 1 || n > SortOrderCount)
        return QStringLiteral("ID");
    return QString::fromUtf16(sortOrders[n - 1].columns);
}

QString sortMenuCaption(int n) {
    if (n < 1 || n > SortOrderCount)
        return QString();
    return QString::fromUtf16(sortOrders[n - 1].menuCaption);
}

} // namespace ListFilter
