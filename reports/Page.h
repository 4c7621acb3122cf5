#pragma once

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>

// A report page as data: page set-up, bands and the elements in them. All lengths are in
// millimetres; element rectangles are relative to the top-left corner of their band. The
// renderer (PageRenderer.h) paints a page with the rows of a table; nothing here knows
// which report it describes.

// A font as a page names it: the office's face names ("ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック"),
// which installReportFonts() maps onto installed faces.
struct FontSpec {
    QString face;
    double pointSize = 9.0;
    bool bold = false;

    static FontSpec mincho(double pointSize, bool bold = false);
    static FontSpec gothic(double pointSize, bool bold = false);
};

struct Element {
    enum class Kind {
        Label,      // fixed text; a run may replace it through Page::setCaption(name, …)
        Field,      // one column of the row, text "[column]", formatted with mask
        Expression, // fields and quoted literals joined by '+': "'('+[職種区分]+')'"
        Rule,       // a thin filled rectangle; width in pixels of 1/96 inch
        PrintDate,  // "印刷：" followed by the print date as yyyy/MM/dd
        Note,       // several lines of fixed text, one under the other
    };

    Kind kind = Kind::Label;
    QString name;      // the label's component name ("QRLabel149"); may be empty
    QString text;      // Label: caption; Field/Expression: its text with the brackets
    QString mask;      // number mask for Field and Expression ("#,##0", "0.0%"); empty: none
    QStringList lines; // Note: its lines
    QRectF rect;       // in mm, relative to the band; for a rule the line's extent
    FontSpec font = FontSpec::gothic(9);
    Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter;
    int rulePixels = 1; // Rule: thickness, 1 or 2
    Qt::Orientation ruleDirection = Qt::Vertical;

    static Element label(const QRectF &rectMm, const QString &text, const FontSpec &font,
                         Qt::Alignment alignment, const QString &name = QString());
    static Element field(const QRectF &rectMm, const QString &column, const FontSpec &font,
                         Qt::Alignment alignment, const QString &mask = QString());
    static Element expression(const QRectF &rectMm, const QString &expression, const FontSpec &font,
                              Qt::Alignment alignment, const QString &mask = QString());
    // A vertical rule centred on xMm, from topMm down heightMm.
    static Element verticalRule(double xMm, double topMm, double heightMm, int pixels);
    // A horizontal rule centred on yMm, from xMm across widthMm.
    static Element horizontalRule(double xMm, double yMm, double widthMm, int pixels);
    static Element printDate(const QRectF &rectMm, const FontSpec &font, Qt::Alignment alignment);
    static Element note(const QRectF &rectMm, const QStringList &lines, const FontSpec &font,
                        Qt::Alignment alignment);
};

struct Band {
    enum class Kind { PageHeader, ColumnHeader, Detail, PageFooter };
    enum Side { NoSide = 0, Left = 1, Top = 2, Right = 4, Bottom = 8, AllSides = 15 };

    Kind kind = Kind::Detail;
    double heightMm = 0;
    int frame = NoSide; // a combination of Side values: the sides drawn as a 1-pixel line
    QList<Element> elements;

    Band() = default;
    Band(Kind kind, double heightMm, int frame)
        : kind(kind)
        , heightMm(heightMm)
        , frame(frame) {}
    Band &add(const Element &element) {
        elements.append(element);
        return *this;
    }
};

struct PageSetup {
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    QMarginsF marginsMm{10, 20, 10, 10}; // left, top, right, bottom

    // The paper in mm as it lies (297 x 210 for A4 landscape).
    QSizeF paperSizeMm() const;
    // The area inside the margins, in mm from the paper's top-left corner.
    QRectF contentRectMm() const;
};

class Page {
public:
    Page() = default;
    Page(const QString &name, const QString &title)
        : m_name(name)
        , m_title(title) {}

    // The page's component name ("QuickRep7").
    QString name() const { return m_name; }
    // The document title given to a PDF file of the page.
    QString title() const { return m_title; }

    PageSetup setup;

    // Bands print in the order page header, column header, detail, page footer whatever the
    // order they were added in; of each kind the page uses the first.
    void addBand(const Band &band) { m_bands.append(band); }
    const QList<Band> &bands() const { return m_bands; }
    const Band *band(Band::Kind kind) const;

    // Sets the text of the label named labelName in any band; false when there is none.
    bool setCaption(const QString &labelName, const QString &text);
    // The text of the label named labelName; empty when there is none.
    QString caption(const QString &labelName) const;

private:
    QString m_name;
    QString m_title;
    QList<Band> m_bands;
};
