#include "PageParts.h"

using namespace Qt::Literals::StringLiterals;

Band formPageHeader(const QString &yearLabelName, double contentWidthMm) {
    Band header(Band::Kind::PageHeader, 15.6, Band::AllSides);
    header.add(Element::label(QRectF(1.5, 1.0, 60, 5.0), u"西暦年度"_s, FontSpec::mincho(12),
                              Qt::AlignLeft | Qt::AlignTop, yearLabelName));
    header.add(Element::printDate(QRectF(200, 1.0, contentWidthMm - 201.5, 4.0),
                                  FontSpec::mincho(10), Qt::AlignRight | Qt::AlignTop));
    return header;
}

Element formTitle(const QRectF &rectMm, const QString &title, const QString &name) {
    return Element::label(rectMm, title, FontSpec::mincho(18), Qt::AlignLeft | Qt::AlignVCenter,
                          name);
}

Element amountsInYen(double contentWidthMm) {
    return Element::label(QRectF(contentWidthMm - 41.5, 8.2, 40, 7.0), u"金額：円"_s,
                          FontSpec::mincho(12), Qt::AlignRight | Qt::AlignVCenter);
}

void addMonthHeads(Band &band, double firstLeftMm, double totalLeftMm, double rightMm,
                   const QString &totalHead, const FontSpec &font) {
    static const QStringList heads = {u"４月"_s, u"５月"_s, u"６月"_s, u"７月"_s,
                                      u"８月"_s, u"９月"_s, u"10月"_s, u"11月"_s,
                                      u"12月"_s, u"１月"_s, u"２月"_s, u"３月"_s};
    const double height = band.heightMm;
    const double monthWidth = (totalLeftMm - firstLeftMm) / 12;
    for (int m = 0; m < 12; ++m) {
        const double x = firstLeftMm + m * monthWidth;
        band.add(Element::label(QRectF(x, 0, monthWidth, height), heads[m], font, Qt::AlignCenter));
        if (m > 0)
            band.add(Element::verticalRule(x, 0, height, 1));
    }
    band.add(Element::label(QRectF(totalLeftMm, 0, rightMm - totalLeftMm, height), totalHead, font,
                            Qt::AlignCenter));
    band.add(Element::verticalRule(firstLeftMm, 0, height, 2));
    band.add(Element::verticalRule(totalLeftMm, 0, height, 2));
}
