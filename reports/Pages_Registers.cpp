#include "ReportPageDefs.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// One column of a register: caption, design width (the widths are scaled together to fill
// the band), the ledger column, alignment, mask and point size of the value.
struct RegisterColumn {
    QString caption;
    double width;
    QString field;
    Qt::Alignment alignment;
    QString mask;
    double pointSize;
};

constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignVCenter;

// The three registers share one layout: year label, print date and a centred title in the
// page header; a framed caption line and one framed line per ledger row, divided by rules
// that are heavier after the first column; an empty footer.
Page registerPage(const QString &name, const QString &title, const QString &yearLabel,
                  const QList<RegisterColumn> &columns) {
    Page page(name, title);
    const double width = page.setup.contentRectMm().width();

    Band header(Band::Kind::PageHeader, 15.6, Band::AllSides);
    header.add(Element::label(QRectF(1.5, 1.0, 60, 5.0), u"西暦年度"_s, FontSpec::mincho(12),
                              Qt::AlignLeft | Qt::AlignTop, yearLabel));
    header.add(Element::printDate(QRectF(200, 1.0, width - 201.5, 4.0), FontSpec::mincho(10),
                                  Qt::AlignRight | Qt::AlignTop));
    header.add(Element::label(QRectF(0, 6.8, width, 8.0), title, FontSpec::mincho(18), Centre));
    page.addBand(header);

    const double headHeight = 8.0;
    const double rowHeight = 7.0;
    const double pad = 0.8;
    Band columnHeader(Band::Kind::ColumnHeader, headHeight, Band::AllSides);
    Band detail(Band::Kind::Detail, rowHeight, Band::AllSides);

    double designWidth = 0;
    for (const RegisterColumn &c : columns)
        designWidth += c.width;
    const double factor = width / designWidth;

    double x = 0;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const RegisterColumn &c = columns[i];
        const double w = c.width * factor;
        columnHeader.add(
            Element::label(QRectF(x, 0, w, headHeight), c.caption, FontSpec::gothic(10), Centre));
        detail.add(Element::field(QRectF(x + pad, 0, w - 2 * pad, rowHeight), c.field,
                                  FontSpec::gothic(c.pointSize), c.alignment, c.mask));
        if (i > 0) {
            const int pixels = i == 1 ? 2 : 1;
            columnHeader.add(Element::verticalRule(x, 0, headHeight, pixels));
            detail.add(Element::verticalRule(x, 0, rowHeight, pixels));
        }
        x += w;
    }
    page.addBand(columnHeader);
    page.addBand(detail);
    page.addBand(Band(Band::Kind::PageFooter, 5.0, Band::NoSide));
    return page;
}

} // namespace

Page makeQuickRep9() {
    return registerPage(u"QuickRep9"_s, u"工 事 検 査 依 頼 収 受 簿"_s, u"QRLabel155"_s,
                        {
                            {u"受付番号"_s, 21, u"受付番号"_s, Right, {}, 9},
                            {u"受付日"_s, 21, u"受付日"_s, Right, {}, 10},
                            {u"受領時間"_s, 23, u"時間"_s, Centre, {}, 10},
                            {u"工事番号"_s, 23, u"工事番号"_s, Right, u"#,##0"_s, 10},
                            {u"工事担当課"_s, 68, u"担当課"_s, Left, {}, 10},
                            {u"請　負　者　名"_s, 72, u"請負業者名"_s, Left, {}, 10},
                            {u"検査員名"_s, 21, u"検査員"_s, Left, {}, 10},
                            {u"備考"_s, 27, u"備考"_s, Left, {}, 9},
                        });
}

Page makeQuickRep10() {
    return registerPage(u"QuickRep10"_s, u"公　印　使　用　簿"_s, u"QRLabel156"_s,
                        {
                            {u"年月日"_s, 21, u"受付日"_s, Centre, {}, 9},
                            {u"件　名"_s, 44, u"件名"_s, Left, {}, 10},
                            {u"あて先"_s, 91, u"請負業者名"_s, Left, {}, 10},
                            {u"公印の種類"_s, 47, u"公印種類"_s, Left, {}, 10},
                            {u"件数"_s, 25, u"件数"_s, Right, {}, 9},
                            {u"押印数"_s, 21, u"押印数"_s, Right, {}, 10},
                            {u"検査員名"_s, 27, u"検査員"_s, Right, {}, 10},
                        });
}

Page makeQuickRep11() {
    return registerPage(u"QuickRep11"_s, u"工 事 検 査 結 果 通 知 書 発 送 簿"_s, u"QRLabel157"_s,
                        {
                            {u"発送番号"_s, 21, u"発送番号"_s, Centre, {}, 9},
                            {u"発送日"_s, 32, u"発送日"_s, Centre, {}, 10},
                            {u"工事番号"_s, 34, u"工事番号"_s, Right, {}, 9},
                            {u"工事担当課"_s, 66, u"担当課"_s, Left, {}, 10},
                            {u"請負者氏名"_s, 55, u"請負業者名"_s, Left, {}, 10},
                            {u"検査員名"_s, 28, u"検査員"_s, Centre, {}, 10},
                            {u"備　考"_s, 42, u"備考"_s, Left, {}, 10},
                        });
}
