#include "FormPages.h"
#include "PageParts.h"

using namespace Qt::Literals::StringLiterals;

// Form 2-2: the eighteen fixed rows (sum, number and average of six score ranks), one line
// each, with the pass months in fiscal order and the year.
Page makeQuickRep6() {
    const QString title = u"様式2-2：工事成績評定点集計表（ランク別、月別の件数・平均点）"_s;
    Page page(u"QuickRep6"_s, title);

    const double width = page.setup.contentRectMm().width(); // 277 mm
    // The rank column is wide enough for a rank label and its measure side by side at 9
    // point; the twelve months and the year share the rest.
    const double rankRight = 33.0;
    const double monthWidth = (width - rankRight) / 13;
    const double totalLeft = rankRight + 12 * monthWidth;
    constexpr int FiscalMonths[12] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3};
    const auto centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto bottomLeft = Qt::AlignLeft | Qt::AlignBottom;

    Band header = formPageHeader(u"QRLabel153"_s, width);
    header.add(formTitle(QRectF(1.5, 7.6, 190, 7.0), title));
    header.add(Element::label(QRectF(193, 8.6, width - 194.5, 5.6), u"全工事の集計"_s,
                              FontSpec::gothic(10), bottomLeft, u"QRLabel73"_s));
    page.addBand(header);

    const double headHeight = 8.0;
    Band columnHeader(Band::Kind::ColumnHeader, headHeight,
                      Band::Left | Band::Right | Band::Bottom);
    const FontSpec headFont = FontSpec::gothic(10);
    columnHeader.add(
        Element::label(QRectF(0, 0, rankRight, headHeight), u"ランク"_s, headFont, centred));
    addMonthHeads(columnHeader, rankRight, totalLeft, width, u"合計"_s, headFont);
    page.addBand(columnHeader);

    const double rowHeight = 6.6;
    const double pad = 0.8; // keeps values off the rules
    Band detail(Band::Kind::Detail, rowHeight, Band::AllSides);
    const double labelSplit = 23.6;
    detail.add(Element::field(QRectF(pad, 0, labelSplit - pad, rowHeight), u"表示"_s,
                              FontSpec::gothic(9), left));
    detail.add(Element::field(QRectF(labelSplit, 0, rankRight - labelSplit - 0.4, rowHeight),
                              u"見出"_s, FontSpec::gothic(9), left));
    for (int m = 0; m < 12; ++m) {
        const int month = FiscalMonths[m];
        const double x = rankRight + m * monthWidth;
        // April to September print at 10 point, October to March at 9; only June and
        // September round to whole numbers.
        const bool firstHalf = m < 6;
        const QString mask = month == 6 || month == 9 ? u"#,##0"_s : QString();
        detail.add(Element::field(QRectF(x + pad, 0, monthWidth - 2 * pad, rowHeight),
                                  QString::number(month) + u"月"_s,
                                  FontSpec::gothic(firstHalf ? 10 : 9), right, mask));
        if (m > 0)
            detail.add(Element::verticalRule(x, 0, rowHeight, 1));
    }
    detail.add(Element::field(QRectF(totalLeft + pad, 0, width - totalLeft - 2 * pad, rowHeight),
                              u"合計"_s, FontSpec::gothic(9), right));
    detail.add(Element::verticalRule(rankRight, 0, rowHeight, 2));
    detail.add(Element::verticalRule(totalLeft, 0, rowHeight, 2));
    page.addBand(detail);

    Band footer(Band::Kind::PageFooter, 7.0, Band::NoSide);
    footer.add(Element::label(
        QRectF(1.5, 1.5, width - 3, 4.5),
        u"完成検査及び清算出来高検査の集計である（中間検査、出来高検査、部分完成検査は含まない）"_s,
        FontSpec::mincho(9), left));
    page.addBand(footer);
    return page;
}
