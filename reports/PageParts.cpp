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
