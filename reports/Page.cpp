#include "Page.h"

#include "ReportFonts.h"

FontSpec FontSpec::mincho(double pointSize, bool bold) {
    return FontSpec{ReportFonts::minchoFace(), pointSize, bold};
}

FontSpec FontSpec::gothic(double pointSize, bool bold) {
    return FontSpec{ReportFonts::gothicFace(), pointSize, bold};
}

namespace {
// An element that prints text in a rectangle: the common part of every kind but rules.
Element textElement(Element::Kind kind, const QRectF &rectMm, const QString &text,
                    const FontSpec &font, Qt::Alignment alignment) {
    Element e;
    e.kind = kind;
    e.rect = rectMm;
    e.text = text;
    e.font = font;
    e.alignment = alignment;
    return e;
}
} // namespace

Element Element::label(const QRectF &rectMm, const QString &text, const FontSpec &font,
                       Qt::Alignment alignment, const QString &name) {
    Element e = textElement(Kind::Label, rectMm, text, font, alignment);
    e.name = name;
    return e;
}

Element Element::field(const QRectF &rectMm, const QString &column, const FontSpec &font,
                       Qt::Alignment alignment, const QString &mask) {
    Element e =
        textElement(Kind::Field, rectMm, column.startsWith(u'[') ? column : u'[' + column + u']',
                    font, alignment);
    e.mask = mask;
    return e;
}

Element Element::expression(const QRectF &rectMm, const QString &expression, const FontSpec &font,
                            Qt::Alignment alignment, const QString &mask) {
    Element e = textElement(Kind::Expression, rectMm, expression, font, alignment);
    e.mask = mask;
    return e;
}

Element Element::verticalRule(double xMm, double topMm, double heightMm, int pixels) {
    Element e;
    e.kind = Kind::Rule;
    e.rect = QRectF(xMm, topMm, 0, heightMm);
    e.rulePixels = pixels;
    e.ruleDirection = Qt::Vertical;
    return e;
}

Element Element::horizontalRule(double xMm, double yMm, double widthMm, int pixels) {
    Element e;
    e.kind = Kind::Rule;
    e.rect = QRectF(xMm, yMm, widthMm, 0);
    e.rulePixels = pixels;
    e.ruleDirection = Qt::Horizontal;
    return e;
}

Element Element::printDate(const QRectF &rectMm, const FontSpec &font, Qt::Alignment alignment) {
    return textElement(Kind::PrintDate, rectMm, QString(), font, alignment);
}

Element Element::note(const QRectF &rectMm, const QStringList &lines, const FontSpec &font,
                      Qt::Alignment alignment) {
    Element e = textElement(Kind::Note, rectMm, QString(), font, alignment);
    e.lines = lines;
    return e;
}

QSizeF PageSetup::paperSizeMm() const {
    const QSizeF portrait = QPageSize::size(paper, QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? portrait.transposed() : portrait;
}

QRectF PageSetup::contentRectMm() const {
    const QSizeF size = paperSizeMm();
    return QRectF(marginsMm.left(), marginsMm.top(),
                  size.width() - marginsMm.left() - marginsMm.right(),
                  size.height() - marginsMm.top() - marginsMm.bottom());
}

const Band *Page::band(Band::Kind kind) const {
    for (const Band &b : m_bands) {
        if (b.kind == kind)
            return &b;
    }
    return nullptr;
}

bool Page::setCaption(const QString &labelName, const QString &text) {
    if (labelName.isEmpty())
        return false;
    for (Band &b : m_bands) {
        for (Element &e : b.elements) {
            if (e.kind == Element::Kind::Label && e.name == labelName) {
                e.text = text;
                return true;
            }
        }
    }
    return false;
}

QString Page::caption(const QString &labelName) const {
    if (labelName.isEmpty())
        return QString();
    for (const Band &b : m_bands) {
        for (const Element &e : b.elements) {
            if (e.kind == Element::Kind::Label && e.name == labelName)
                return e.text;
        }
    }
    return QString();
}
