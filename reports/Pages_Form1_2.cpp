#include "FormPages.h"
#include "PageParts.h"

using namespace Qt::Literals::StringLiterals;

// Form 1-2: one table row on two lines (counts above, amounts in yen below) with the
// inspector, or the trade of a subtotal, at the left; twelve month columns in fiscal order
// and the row total.
Page makeQuickRep1() {
    const QString title = u"様式1-2：月別検査調書（検査員別、月別　件数・金額）"_s;
    Page page(u"QuickRep1"_s, title);

    const double width = page.setup.contentRectMm().width(); // 277 mm
    const double nameRight = 15.9;
    const double captionRight = 27.5;
    const double totalLeft = 256.1;
    const double monthWidth = (totalLeft - captionRight) / 12; // 19.05 mm
    const QStringList monthColumns = {u"4月"_s,  u"5月"_s, u"6月"_s,  u"7月"_s,
                                      u"8月"_s,  u"9月"_s, u"10月"_s, u"11月"_s,
                                      u"12月"_s, u"1月"_s, u"2月"_s,  u"3月"_s};
    const auto topLeft = Qt::AlignLeft | Qt::AlignTop;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const double pad = 0.8; // keeps texts off the rules

    Band header = formPageHeader(u"QRLabel76"_s, width);
    header.add(formTitle(QRectF(1.5, 8.2, 220, 7.0), title));
    header.add(amountsInYen(width));
    page.addBand(header);

    const double headHeight = 8.5;
    Band columnHeader(Band::Kind::ColumnHeader, headHeight,
                      Band::Left | Band::Right | Band::Bottom);
    const FontSpec textFont = FontSpec::gothic(9);
    columnHeader.add(Element::label(QRectF(pad, 0, captionRight - 2 * pad, headHeight), u"検査員"_s,
                                    textFont, left));
    addMonthHeads(columnHeader, captionRight, totalLeft, width, u"横計"_s, textFont);
    page.addBand(columnHeader);

    const double rowHeight = 14.8;
    const double line = 7.4;
    Band detail(Band::Kind::Detail, rowHeight, Band::AllSides);
    detail.add(
        Element::field(QRectF(pad, 0, nameRight - 2 * pad, line), u"検査員"_s, textFont, left));
    // The trade between parentheses; "(小計)" on a subtotal row, "(****)" on the total row.
    detail.add(Element::expression(QRectF(pad, line, nameRight - 2 * pad, line),
                                   u"'('+[職種区分]+')'"_s, textFont, left));
    detail.add(Element::field(QRectF(nameRight + pad, 0, captionRight - nameRight - 2 * pad, line),
                              u"見出しc"_s, textFont, right));
    detail.add(
        Element::field(QRectF(nameRight + pad, line, captionRight - nameRight - 2 * pad, line),
                       u"見出しp"_s, textFont, right));
    // Amounts run to nine digits in a month and ten in a year. The fixed-pitch Gothic has
    // the narrower digits of the two installed Gothic faces and lines the digits up, and
    // the values sit closer to the rules than the texts; an amount wider than its column
    // still (a year of the whole office) is drawn narrower by the renderer, never cut.
    const FontSpec valueFont{u"ＭＳ ゴシック"_s, 9};
    const double valuePad = 0.3;
    const QString mask = u"#,##0"_s;
    auto addValueColumn = [&](double x, double w, const QString &column, double amountPoints) {
        const double vx = x + valuePad;
        const double vw = w - 2 * valuePad;
        detail.add(Element::field(QRectF(vx, 0, vw, line), column + u'c', valueFont, right, mask));
        detail.add(Element::field(QRectF(vx, line, vw, line), column + u'p',
                                  FontSpec{valueFont.face, amountPoints}, right, mask));
    };
    for (int m = 0; m < 12; ++m) {
        const double x = captionRight + m * monthWidth;
        addValueColumn(x, monthWidth, monthColumns[m], 9);
        if (m > 0)
            detail.add(Element::verticalRule(x, 0, rowHeight, 1));
    }
    addValueColumn(totalLeft, width - totalLeft, u"横計"_s, 9);
    detail.add(Element::horizontalRule(nameRight, line, width - nameRight, 1));
    detail.add(Element::verticalRule(nameRight, 0, rowHeight, 2));
    detail.add(Element::verticalRule(captionRight, 0, rowHeight, 2));
    detail.add(Element::verticalRule(totalLeft, 0, rowHeight, 2));
    page.addBand(detail);

    Band footer(Band::Kind::PageFooter, 21.2, Band::NoSide);
    footer.add(Element::note(
        QRectF(1.5, 1.0, width - 3.0, 19.5),
        {u"本表において"_s,
         u"１．件数は、全ての検査（完成検査、出来高検査、部分完成検査、中間検査、清算出来高検査の合計）の件数である。"_s,
         u"２．主管課執行工事の検査は、完了検査に含まれる。"_s,
         u"３．金額は、完成検査及び清算出来高検査の金額の集計である。"_s},
        FontSpec::mincho(11), topLeft));
    page.addBand(footer);
    return page;
}
