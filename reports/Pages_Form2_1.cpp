#include "FormPages.h"
#include "PageParts.h"

using namespace Qt::Literals::StringLiterals;

// Form 2-1: one line per trade and the total line, with the number of graded cases, their
// average score and the number of them under 50 points.
Page makeQuickRep5() {
    const QString title = u"様式2-1：工事成績評定点総括表（職種別の件数・平均点）"_s;
    Page page(u"QuickRep5"_s, title);

    const double width = page.setup.contentRectMm().width(); // 277 mm
    const double columns[5] = {0, 53.0, 119.0, 185.0, width};
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const double pad = 1.5; // keeps texts off the rules

    Band header = formPageHeader(u"QRLabel152"_s, width);
    header.add(formTitle(QRectF(1.5, 8.2, 232, 7.0), title));
    page.addBand(header);

    const FontSpec font = FontSpec::gothic(11);
    auto cell = [&](int c, double height) {
        return QRectF(columns[c] + pad, 0, columns[c + 1] - columns[c] - 2 * pad, height);
    };
    auto addRules = [&](Band &band) {
        band.add(Element::verticalRule(columns[1], 0, band.heightMm, 2));
        band.add(Element::verticalRule(columns[2], 0, band.heightMm, 1));
        band.add(Element::verticalRule(columns[3], 0, band.heightMm, 1));
    };

    Band columnHeader(Band::Kind::ColumnHeader, 9.0, Band::Left | Band::Right | Band::Bottom);
    const QStringList heads{u"職　種"_s, u"件数"_s, u"平均点数"_s, u"内50点未満の件数"_s};
    for (int c = 0; c < 4; ++c)
        columnHeader.add(Element::label(cell(c, columnHeader.heightMm), heads[c], font, right));
    addRules(columnHeader);
    page.addBand(columnHeader);

    Band detail(Band::Kind::Detail, 8.0, Band::AllSides);
    const QString columnNames[4] = {u"職種区分"_s, u"件数"_s, u"平均点数"_s, u"内50点未満"_s};
    const QString masks[4] = {QString(), u"#,##0"_s, u"#,##0.00"_s, u"#,##0"_s};
    for (int c = 0; c < 4; ++c)
        detail.add(Element::field(cell(c, detail.heightMm), columnNames[c], font, right, masks[c]));
    addRules(detail);
    page.addBand(detail);

    Band footer(Band::Kind::PageFooter, 8.5, Band::NoSide);
    footer.add(Element::note(
        QRectF(1.5, 1.5, width - 3, 5.0),
        {u"完成検査及び清算出来高検査の集計である（中間検査、出来高検査、部分完成検査は含まない）"_s},
        FontSpec::gothic(9), left));
    page.addBand(footer);
    return page;
}
