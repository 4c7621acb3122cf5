#include "FormPages.h"
#include "PageParts.h"

using namespace Qt::Literals::StringLiterals;

// Forms 1-3 and 1-4: one table row on two lines (counts above, amounts in yen below) with
// the month, and on form 1-4 the inspector, at the left; six construction-class columns,
// the row total and an empty remarks column. The run sets the title to the form it ran.
Page makeQuickRep2() {
    const QString title = u"様式1-3：工事区分別検査集計表（月別、工事区分別　件数・金額）"_s;
    Page page(u"QuickRep2"_s, title);

    const double width = page.setup.contentRectMm().width(); // 277 mm
    const double monthRight = 25.4;
    const double classWidth = 31.75;
    const double totalLeft = 215.9;
    const double remarksLeft = 247.6;
    const QStringList classes = {u"土木"_s, u"舗装"_s,     u"造園"_s,
                                 u"建築"_s, u"電気設備"_s, u"機械設備"_s};
    const auto topLeft = Qt::AlignLeft | Qt::AlignTop;
    const auto centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const double pad = 0.8; // keeps texts off the rules

    Band header = formPageHeader(u"QRLabel117"_s, width);
    header.add(formTitle(QRectF(1.5, 8.2, 232, 7.0), title, u"QRLabel17"_s));
    header.add(amountsInYen(width));
    page.addBand(header);

    const double headHeight = 13.2;
    const double headLine = headHeight / 2;
    Band columnHeader(Band::Kind::ColumnHeader, headHeight,
                      Band::Left | Band::Right | Band::Bottom);
    const FontSpec headFont = FontSpec::gothic(10);
    columnHeader.add(
        Element::label(QRectF(0, 0, monthRight, headHeight), u"月"_s, headFont, centred));
    // A value column's head: its name at the left of the first line, the captions of its
    // two lines at the right.
    auto addValueHead = [&](double x, double w, const QString &caption) {
        columnHeader.add(
            Element::label(QRectF(x + pad, 0, w - 2 * pad, headLine), caption, headFont, left));
        columnHeader.add(
            Element::label(QRectF(x + pad, 0, w - 2 * pad, headLine), u"件数"_s, headFont, right));
        columnHeader.add(Element::label(QRectF(x + pad, headLine, w - 2 * pad, headLine), u"金額"_s,
                                        headFont, right));
    };
    for (int c = 0; c < classes.size(); ++c) {
        const double x = monthRight + c * classWidth;
        addValueHead(x, classWidth, classes[c]);
        if (c > 0)
            columnHeader.add(Element::verticalRule(x, 0, headHeight, 1));
    }
    addValueHead(totalLeft, remarksLeft - totalLeft, u"横計"_s);
    columnHeader.add(Element::label(QRectF(remarksLeft, 0, width - remarksLeft, headHeight),
                                    u"備　考"_s, headFont, centred));
    for (double x : {monthRight, totalLeft, remarksLeft})
        columnHeader.add(Element::verticalRule(x, 0, headHeight, 2));
    page.addBand(columnHeader);

    const double rowHeight = 13.2;
    const double line = 6.3;
    Band detail(Band::Kind::Detail, rowHeight, Band::AllSides);
    const FontSpec valueFont = FontSpec::gothic(9);
    detail.add(
        Element::field(QRectF(pad, 0, monthRight - 2 * pad, line), u"月"_s, valueFont, left));
    // Form 1-4's inspector, indented under the month; empty on form 1-3.
    detail.add(Element::field(QRectF(10.6, line, monthRight - 10.6 - pad, rowHeight - line),
                              u"検査員"_s, valueFont, left));
    // The figures in the fixed-pitch Gothic, as on form 1-2, so that the digits of the
    // amounts line up.
    const FontSpec figureFont{u"ＭＳ ゴシック"_s, 9};
    const QString mask = u"#,##0"_s;
    auto addValueColumn = [&](double x, double w, const QString &column) {
        detail.add(Element::field(QRectF(x + pad, 0, w - 2 * pad, line), column + u'c', figureFont,
                                  right, mask));
        detail.add(Element::field(QRectF(x + pad, line, w - 2 * pad, rowHeight - line),
                                  column + u'p', figureFont, right, mask));
    };
    for (int c = 0; c < classes.size(); ++c) {
        const double x = monthRight + c * classWidth;
        addValueColumn(x, classWidth, classes[c]);
        if (c > 0)
            detail.add(Element::verticalRule(x, 0, rowHeight, 1));
    }
    addValueColumn(totalLeft, remarksLeft - totalLeft, u"横計"_s);
    detail.add(Element::horizontalRule(monthRight, line, remarksLeft - monthRight, 1));
    for (double x : {monthRight, totalLeft, remarksLeft})
        detail.add(Element::verticalRule(x, 0, rowHeight, 2));
    page.addBand(detail);

    Band footer(Band::Kind::PageFooter, 23.3, Band::NoSide);
    footer.add(Element::note(
        QRectF(1.5, 1.0, width - 3.0, 21.5),
        {u"本表において"_s,
         u"１．件数は、全ての検査（完成検査、出来高検査、部分完成検査、中間検査、清算出来高検査の合計）の件数である。"_s,
         u"２．主管課執行工事の検査は、完了検査に含まれる。"_s,
         u"３．金額は、完成検査及び清算出来高検査の金額の集計である。"_s},
        FontSpec::mincho(11), topLeft));
    page.addBand(footer);
    return page;
}
