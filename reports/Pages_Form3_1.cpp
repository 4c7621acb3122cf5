#include "FormPages.h"
#include "PageParts.h"

using namespace Qt::Literals::StringLiterals;

// Form 3-1: one line per section row, the section with the row's markers below it, then
// the counts by inspection class, the total count and amount and the design consultation.
Page makeQuickRep8() {
    const QString title = u"様式3-1：部署別検査集計表"_s;
    Page page(u"QuickRep8"_s, title);

    const double width = page.setup.contentRectMm().width(); // 277 mm
    const auto topLeft = Qt::AlignLeft | Qt::AlignTop;
    const auto centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto bottomLeft = Qt::AlignLeft | Qt::AlignBottom;
    const auto bottomRight = Qt::AlignRight | Qt::AlignBottom;

    Band header = formPageHeader(u"QRLabel154"_s, width);
    header.add(formTitle(QRectF(1.5, 7.6, 100, 7.0), title));
    header.add(Element::label(QRectF(104, 8.4, 110, 5.8), u"＊＊＊"_s, FontSpec::mincho(11),
                              bottomLeft, u"QRLabel113"_s));
    header.add(Element::label(QRectF(220, 8.4, width - 221.5, 5.8), u"単位：件"_s,
                              FontSpec::mincho(12), bottomRight));
    page.addBand(header);

    // Ten columns: their captions and widths in mm (277 in all).
    struct Column {
        QString head;
        double width;
        double headPoints;
        int ruleAfter; // pixels of the rule at the column's right edge; 0 at the band's end
    };
    const QList<Column> columns{
        {u"担当部署"_s, 59, 10, 2},     {u"完成検査"_s, 20, 10, 1},
        {u"中間検査"_s, 20, 10, 1},     {u"出来高検査"_s, 20, 10, 1},
        {u"部分完成検査"_s, 24, 10, 1}, {u"清算出来高検査"_s, 28, 10, 2},
        {u"合計件数"_s, 19, 9, 1},      {u"合計工事金額(円)"_s, 34, 10, 2},
        {u"設計協議"_s, 19, 10, 1},     {u"設計協議金額(円)"_s, 34, 10, 0},
    };

    const double headHeight = 10.0;
    const double rowHeight = 9.0;
    Band columnHeader(Band::Kind::ColumnHeader, headHeight,
                      Band::Left | Band::Right | Band::Bottom);
    Band detail(Band::Kind::Detail, rowHeight, Band::AllSides);

    // The value columns after the section column: field, mask and points.
    struct Value {
        QString column;
        QString mask;
        double points;
    };
    const QList<Value> values{
        {u"完成検査"_s, QString(), 10},       {u"中間検査"_s, u"#,##0"_s, 10},
        {u"出来高検査"_s, QString(), 10},     {u"部分完成検査"_s, QString(), 10},
        {u"清算出来高検査"_s, QString(), 10}, {u"合計件数"_s, u"#,##0"_s, 10},
        {u"合計金額"_s, u",0"_s, 9},          {u"設計協議件数"_s, QString(), 9},
        {u"設計協議金額"_s, u",0"_s, 9},
    };

    const double pad = 0.8; // keeps values off the rules
    double x = 0;
    for (int c = 0; c < columns.size(); ++c) {
        const Column &column = columns[c];
        columnHeader.add(Element::label(QRectF(x, 0, column.width, headHeight), column.head,
                                        FontSpec::gothic(column.headPoints), centred));
        if (c == 0) {
            detail.add(Element::field(QRectF(x + pad, 0.4, column.width - 2 * pad, 4.6),
                                      u"担当課"_s, FontSpec::gothic(10), topLeft));
            detail.add(Element::expression(QRectF(x + pad, 4.6, column.width - 2 * pad, 4.2),
                                           u"'<抽出='+[検査員]+'；'+[工事区分]+'>'"_s,
                                           FontSpec::gothic(9), left));
        } else {
            const Value &value = values[c - 1];
            detail.add(Element::field(QRectF(x + pad, 0, column.width - 2 * pad, rowHeight),
                                      value.column, FontSpec::gothic(value.points), right,
                                      value.mask));
        }
        x += column.width;
        if (column.ruleAfter > 0) {
            columnHeader.add(Element::verticalRule(x, 0, headHeight, column.ruleAfter));
            detail.add(Element::verticalRule(x, 0, rowHeight, column.ruleAfter));
        }
    }
    page.addBand(columnHeader);
    page.addBand(detail);

    Band footer(Band::Kind::PageFooter, 7.0, Band::NoSide);
    footer.add(Element::label(QRectF(width / 2, 1.5, width / 2 - 1.5, 4.5),
                              u"工事金額(円)は、完成検査及び清算出来高検査の合計である"_s,
                              FontSpec::mincho(9), right));
    page.addBand(footer);
    return page;
}
