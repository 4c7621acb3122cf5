#include "FormPages.h"
#include "PageParts.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Qt::Alignment Centred = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr double Pad = 0.8; // keeps texts off the rules

// Column boundaries in mm from the band's left edge.
constexpr double LabelRight = 52.9;       // month (1-5) or trade and inspector (1-6)
constexpr double CompletionAmount = 77.8; // 完成検査c | 完成検査p
constexpr double Intermediate = 112.2;    // 中間検査c
constexpr double Section = 167.7;         // 主管課c | 主管課p
constexpr double SectionAmount = 191.6;
constexpr double Remarks = 225.2;
constexpr double TradeRight = 23.8; // form 1-6: trade | inspector

constexpr double HeadHeight = 21.7;
constexpr double UpperTier = 12.7;

// What distinguishes the two pages.
struct Variant {
    QString name;
    QString title;
    QString yearLabel;
    double detailHeight;
    double footerHeight;
    bool byMonth; // form 1-5: the month column and the inspector named in the column header
};

// The page header, the value columns of the column header and the detail band are the same
// on both pages; only the first column differs.
Page completionPage(const Variant &v) {
    Page page(v.name, v.title);
    const double width = page.setup.contentRectMm().width(); // 277 mm

    Band header = formPageHeader(v.yearLabel, width);
    header.add(formTitle(QRectF(1.5, 8.2, 232, 7.0), v.title));
    header.add(amountsInYen(width));
    page.addBand(header);

    Band columnHeader(Band::Kind::ColumnHeader, HeadHeight,
                      Band::Left | Band::Right | Band::Bottom);
    const FontSpec headFont = FontSpec::gothic(10);
    const double lowerHeight = HeadHeight - UpperTier;
    auto upper = [&](double from, double to, const QStringList &lines) {
        columnHeader.add(Element::note(QRectF(from + Pad, 0, to - from - 2 * Pad, UpperTier), lines,
                                       headFont, Centred));
    };
    auto lower = [&](double from, double to, const QString &text) {
        columnHeader.add(Element::label(QRectF(from, UpperTier, to - from, lowerHeight), text,
                                        headFont, Centred));
    };
    if (v.byMonth) {
        // Evaluated for the first row of the page, which holds one inspector's block.
        columnHeader.add(Element::label(QRectF(1.5, 0.8, LabelRight - 3, 5.2),
                                        u"検査員　（職種）"_s, headFont, Left));
        columnHeader.add(Element::expression(QRectF(1.5, 6.6, 34, 5.2),
                                             u"[検査員]+'　('+[職種区分]+')'"_s, headFont, Left));
        lower(0, LabelRight, u"月"_s);
    } else {
        columnHeader.add(
            Element::label(QRectF(0, 0, TradeRight, HeadHeight), u"職　種"_s, headFont, Centred));
        columnHeader.add(Element::label(QRectF(TradeRight, 0, LabelRight - TradeRight, HeadHeight),
                                        u"検査員"_s, headFont, Centred));
        columnHeader.add(Element::verticalRule(TradeRight, 0, HeadHeight, 1));
    }
    upper(LabelRight, Intermediate, {u"完成検査"_s, u"清算出来高検査"_s});
    // "出来高検査" and "中間検査" side by side about the column's middle.
    const double half = (Section - Intermediate) / 2;
    const double line = UpperTier / 2;
    columnHeader.add(Element::label(QRectF(Intermediate, 0.4, half - 1.5, line), u"出来高検査"_s,
                                    headFont, Right));
    columnHeader.add(Element::label(QRectF(Intermediate + half + 1.5, 0.4, half - 1.5, line),
                                    u"中間検査"_s, headFont, Left));
    columnHeader.add(Element::label(QRectF(Intermediate, line - 0.4, Section - Intermediate, line),
                                    u"部分完成検査"_s, headFont, Centred));
    upper(Section, Remarks, {u"完成検査、清算出来高検査の内"_s, u"主管課執行工事検査"_s});
    columnHeader.add(Element::label(QRectF(Remarks, 0, width - Remarks, HeadHeight), u"備　考"_s,
                                    headFont, Centred));
    lower(LabelRight, CompletionAmount, u"件数"_s);
    lower(CompletionAmount, Intermediate, u"金額"_s);
    lower(Intermediate, Section, u"件数"_s);
    lower(Section, SectionAmount, u"件数"_s);
    lower(SectionAmount, Remarks, u"金額"_s);
    columnHeader.add(Element::horizontalRule(LabelRight, UpperTier, Remarks - LabelRight, 1));
    for (double x : {LabelRight, Section, Remarks})
        columnHeader.add(Element::verticalRule(x, 0, HeadHeight, 2));
    columnHeader.add(Element::verticalRule(Intermediate, 0, HeadHeight, 1));
    for (double x : {CompletionAmount, SectionAmount})
        columnHeader.add(Element::verticalRule(x, UpperTier, lowerHeight, 1));
    page.addBand(columnHeader);

    const double rowHeight = v.detailHeight;
    Band detail(Band::Kind::Detail, rowHeight, Band::AllSides);
    const FontSpec valueFont = FontSpec::gothic(10);
    auto value = [&](double from, double to, const QString &column, const QString &mask) {
        detail.add(Element::field(QRectF(from + Pad, 0, to - from - 2 * Pad, rowHeight), column,
                                  valueFont, Right, mask));
    };
    if (v.byMonth) {
        value(0, LabelRight, u"月"_s, QString());
    } else {
        detail.add(Element::field(QRectF(Pad, 0, TradeRight - 2 * Pad, rowHeight), u"職種区分"_s,
                                  FontSpec::gothic(9), Right));
        detail.add(Element::field(QRectF(LabelRight - Pad - 13, 0, 13, rowHeight), u"検査員"_s,
                                  valueFont, Right));
        detail.add(Element::verticalRule(TradeRight, 0, rowHeight, 1));
    }
    const QString amount = u"#,##0"_s;
    value(LabelRight, CompletionAmount, u"完成検査c"_s, QString());
    value(CompletionAmount, Intermediate, u"完成検査p"_s, amount);
    value(Intermediate, Section, u"中間検査c"_s, QString());
    value(Section, SectionAmount, u"主管課c"_s, QString());
    value(SectionAmount, Remarks, u"主管課p"_s, amount);
    for (double x : {LabelRight, Section, Remarks})
        detail.add(Element::verticalRule(x, 0, rowHeight, 2));
    for (double x : {CompletionAmount, Intermediate, SectionAmount})
        detail.add(Element::verticalRule(x, 0, rowHeight, 1));
    page.addBand(detail);

    page.addBand(Band(Band::Kind::PageFooter, v.footerHeight, Band::NoSide));
    return page;
}

} // namespace

// Form 1-5: thirteen rows a page, so that each page holds one inspector's twelve months and
// year row, the inspector and trade being named in the column header.
Page makeQuickRep3() {
    return completionPage(
        {u"QuickRep3"_s,
         u"様式1-5：検査区分別検査集計表（検査員別、月別、検査区分別の件数、金額）"_s,
         u"QRLabel150"_s, 9.8, 10.1, true});
}

// Form 1-6: one year row per inspector with trade subtotals and the grand total.
Page makeQuickRep4() {
    return completionPage(
        {u"QuickRep4"_s,
         u"様式1-6：検査区分別検査集計表（職種別、検査員別、検査区分別の件数、金額）"_s,
         u"QRLabel151"_s, 10.6, 8.5, false});
}
