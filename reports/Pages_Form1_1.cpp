#include "PageParts.h"
#include "ReportPageDefs.h"

using namespace Qt::Literals::StringLiterals;

// Form 1-1: one table row on two lines (counts above, shares of the year total below),
// twelve month columns in fiscal order and the row total.
Page makeQuickRep7() {
    const QString title = u"様式1-１：月別検査調書（職種別、月別　件数・割合）"_s;
    Page page(u"QuickRep7"_s, title);

    const double width = page.setup.contentRectMm().width(); // 277 mm
    const double tradeRight = 38.1;
    const double captionRight = 55.0;
    const double totalLeft = 258.2;
    const double monthWidth = (totalLeft - captionRight) / 12;
    const QStringList monthColumns = {u"4月"_s,  u"5月"_s, u"6月"_s,  u"7月"_s,
                                      u"8月"_s,  u"9月"_s, u"10月"_s, u"11月"_s,
                                      u"12月"_s, u"1月"_s, u"2月"_s,  u"3月"_s};
    const auto topRight = Qt::AlignRight | Qt::AlignTop;
    const auto centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;

    Band header = formPageHeader(u"QRLabel149"_s, width);
    header.add(Element::note(
        QRectF(120, 5.4, width - 121.5, 3.8),
        {u"件数は、全検査(完成検査、中間検査、出来高検査、部分完成検査、清算出来高検査)の合計"_s},
        FontSpec::mincho(9), topRight));
    header.add(formTitle(QRectF(1.5, 8.2, 200, 7.0), title));
    page.addBand(header);

    const double headHeight = 11.1;
    Band columnHeader(Band::Kind::ColumnHeader, headHeight,
                      Band::Left | Band::Right | Band::Bottom);
    const FontSpec headFont = FontSpec::gothic(11);
    columnHeader.add(
        Element::label(QRectF(0, 0, captionRight, headHeight), u"職　種"_s, headFont, centred));
    addMonthHeads(columnHeader, captionRight, totalLeft, width, u"横計"_s, headFont);
    page.addBand(columnHeader);

    const double rowHeight = 14.8;
    const double line = 7.4;
    const double pad = 0.8; // keeps values off the rules
    Band detail(Band::Kind::Detail, rowHeight, Band::AllSides);
    const FontSpec valueFont = FontSpec::gothic(9);
    detail.add(Element::field(QRectF(pad, 0, tradeRight - 2 * pad, rowHeight), u"職種区分"_s,
                              FontSpec::gothic(10), right));
    detail.add(
        Element::field(QRectF(tradeRight + pad, 0, captionRight - tradeRight - 2 * pad, line),
                       u"見出しc"_s, valueFont, left));
    detail.add(
        Element::field(QRectF(tradeRight + pad, line, captionRight - tradeRight - 2 * pad, line),
                       u"見出しp"_s, valueFont, right));
    auto addValueColumn = [&](double x, double w, const QString &column) {
        detail.add(
            Element::field(QRectF(x + pad, 0, w - 2 * pad, line), column + u'c', valueFont, right));
        detail.add(Element::field(QRectF(x + pad, line, w - 2 * pad, line), column + u'p',
                                  valueFont, right, u"0.0%"_s));
    };
    for (int m = 0; m < 12; ++m) {
        const double x = captionRight + m * monthWidth;
        addValueColumn(x, monthWidth, monthColumns[m]);
        if (m > 0)
            detail.add(Element::verticalRule(x, 0, rowHeight, 1));
    }
    addValueColumn(totalLeft, width - totalLeft, u"横計"_s);
    detail.add(Element::horizontalRule(tradeRight, line, width - tradeRight, 1));
    detail.add(Element::verticalRule(tradeRight, 0, rowHeight, 2));
    detail.add(Element::verticalRule(captionRight, 0, rowHeight, 2));
    detail.add(Element::verticalRule(totalLeft, 0, rowHeight, 2));
    page.addBand(detail);

    page.addBand(Band(Band::Kind::PageFooter, 8.5, Band::NoSide));
    return page;
}
