#include "PageRenderer.h"

#include <QFontMetricsF>

#include "Formats.h"
#include "ReportFonts.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Rule and frame widths are given in screen pixels of the page designer: 1/96 inch.
constexpr double designerDpi = 96.0;

// Millimetres to device units for one device.
struct Scale {
    double x = 1;
    double y = 1;
    double pixelX = 1;
    double pixelY = 1;
    QPointF originMm; // where the device's painting origin lies on the paper, in mm

    QPointF point(double xMm, double yMm) const {
        return QPointF((xMm - originMm.x()) * x, (yMm - originMm.y()) * y);
    }
    QRectF rect(const QRectF &mm) const {
        return QRectF(point(mm.left(), mm.top()), QSizeF(mm.width() * x, mm.height() * y));
    }
};

QFont fontFor(const FontSpec &wanted) {
    QFont font(wanted.face);
    font.setPointSizeF(wanted.pointSize);
    font.setBold(wanted.bold);
    return font;
}

void paintRule(QPainter &painter, const Scale &scale, const Element &rule, const QPointF &bandMm) {
    const QRectF at = scale.rect(rule.rect.translated(bandMm));
    if (rule.ruleDirection == Qt::Vertical) {
        const double thickness = std::max(1.0, rule.rulePixels * scale.pixelX);
        painter.fillRect(QRectF(at.left() - thickness / 2, at.top(), thickness, at.height()),
                         Qt::black);
    } else {
        const double thickness = std::max(1.0, rule.rulePixels * scale.pixelY);
        painter.fillRect(QRectF(at.left(), at.top() - thickness / 2, at.width(), thickness),
                         Qt::black);
    }
}

void paintFrame(QPainter &painter, const Scale &scale, const QRectF &bandRectMm, int frame) {
    const QRectF r = scale.rect(bandRectMm);
    const double tx = std::max(1.0, scale.pixelX);
    const double ty = std::max(1.0, scale.pixelY);
    if (frame & Band::Left)
        painter.fillRect(QRectF(r.left() - tx / 2, r.top(), tx, r.height()), Qt::black);
    if (frame & Band::Right)
        painter.fillRect(QRectF(r.right() - tx / 2, r.top(), tx, r.height()), Qt::black);
    if (frame & Band::Top)
        painter.fillRect(QRectF(r.left(), r.top() - ty / 2, r.width(), ty), Qt::black);
    if (frame & Band::Bottom)
        painter.fillRect(QRectF(r.left(), r.bottom() - ty / 2, r.width(), ty), Qt::black);
}

void paintBand(QPainter &painter, const Scale &scale, const Band &band, const QPointF &topLeftMm,
               double widthMm, const ReportRows &rows, int row, const QDate &printDate) {
    for (const Element &e : band.elements) {
        if (e.kind == Element::Kind::Rule) {
            paintRule(painter, scale, e, topLeftMm);
            continue;
        }
        const QString text = elementText(e, rows, row, printDate);
        if (text.isEmpty())
            continue;
        const QRectF at = scale.rect(e.rect.translated(topLeftMm));
        painter.setFont(fontFor(e.font));
        const bool data = e.kind == Element::Kind::Field || e.kind == Element::Kind::Expression;
        if (data) {
            // A value wider than its column is drawn narrower, down to 60 % of its width,
            // so that no digit of an amount is lost; only what is wider still is cut at the
            // column's sides, as a table cell is, but never at its top or bottom.
            painter.save();
            painter.setClipRect(at.adjusted(0, -at.height(), 0, at.height()));
            const double needed = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text);
            const double squeeze = needed > at.width() && needed > 0
                                       ? std::max(0.6, at.width() / needed)
                                       : 1.0;
            if (squeeze < 1.0) {
                // Scale about the cell's left edge, widening the cell by the inverse so that
                // the alignment inside it stays as designed.
                painter.translate(at.left(), 0);
                painter.scale(squeeze, 1.0);
                painter.translate(-at.left(), 0);
                const QRectF wide(at.left(), at.top(), at.width() / squeeze, at.height());
                painter.drawText(wide, int(e.alignment) | Qt::TextSingleLine | Qt::TextDontClip,
                                 text);
            } else {
                painter.drawText(at, int(e.alignment) | Qt::TextSingleLine | Qt::TextDontClip,
                                 text);
            }
            painter.restore();
        } else {
            painter.drawText(at, int(e.alignment) | Qt::TextDontClip, text);
        }
    }
    paintFrame(painter, scale, QRectF(topLeftMm, QSizeF(widthMm, band.heightMm)), band.frame);
}

double heightOf(const Band *band) {
    return band ? band->heightMm : 0.0;
}

} // namespace

std::optional<QVariant> evaluateExpression(const QString &expression,
                                           const std::function<QVariant(const QString &)> &field) {
    QVariantList terms;
    qsizetype pos = 0;
    const qsizetype size = expression.size();
    auto skipBlanks = [&] {
        while (pos < size && expression[pos].isSpace())
            ++pos;
    };
    for (;;) {
        skipBlanks();
        if (pos >= size)
            return std::nullopt;
        if (expression[pos] == u'\'') {
            QString literal;
            ++pos;
            for (;;) {
                if (pos >= size)
                    return std::nullopt;
                if (expression[pos] == u'\'') {
                    if (pos + 1 < size && expression[pos + 1] == u'\'') {
                        literal += u'\'';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                literal += expression[pos++];
            }
            terms.append(literal);
        } else if (expression[pos] == u'[') {
            const qsizetype close = expression.indexOf(u']', pos + 1);
            if (close < 0)
                return std::nullopt;
            terms.append(field(expression.mid(pos + 1, close - pos - 1)));
            pos = close + 1;
        } else {
            return std::nullopt;
        }
        skipBlanks();
        if (pos >= size)
            break;
        if (expression[pos] != u'+')
            return std::nullopt;
        ++pos;
    }
    if (terms.size() == 1)
        return terms.first();
    QString joined;
    for (const QVariant &term : terms)
        joined += Formats::plainText(term);
    return QVariant(joined);
}

QString elementText(const Element &element, const ReportRows &rows, int row,
                    const QDate &printDate) {
    switch (element.kind) {
    case Element::Kind::Label:
        return element.text;
    case Element::Kind::Note:
        return element.lines.join(u'\n');
    case Element::Kind::PrintDate:
        return u"印刷："_s + printDate.toString(u"yyyy/MM/dd"_s);
    case Element::Kind::Rule:
        return QString();
    case Element::Kind::Field:
    case Element::Kind::Expression: {
        const auto value = evaluateExpression(
            element.text, [&](const QString &column) { return rows.value(row, column); });
        if (!value)
            return element.text; // a malformed expression shows itself on the page
        return Formats::applyMask(*value, element.mask);
    }
    }
    return QString();
}

int rowsPerPage(const Page &page) {
    const Band *detail = page.band(Band::Kind::Detail);
    if (!detail || detail->heightMm <= 0)
        return 0;
    const double room =
        page.setup.contentRectMm().height() - heightOf(page.band(Band::Kind::PageHeader)) -
        heightOf(page.band(Band::Kind::ColumnHeader)) - heightOf(page.band(Band::Kind::PageFooter));
    // A small tolerance so that bands which fill the room exactly are not pushed over.
    return std::max(1, int(std::floor(room / detail->heightMm + 1e-6)));
}

void applyPageSetup(const Page &page, QPagedPaintDevice *device) {
    device->setPageSize(QPageSize(page.setup.paper));
    device->setPageOrientation(page.setup.orientation);
    // A printer may refuse margins below its unprintable edge; the renderer then measures
    // from wherever the device's painting area begins.
    device->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

int renderPage(const Page &page, const ReportRows &rows, QPagedPaintDevice *device,
               const QDate &printDate) {
    if (!device)
        return 0;
    installReportFonts();
    applyPageSetup(page, device);

    Scale scale;
    scale.x = device->logicalDpiX() / 25.4;
    scale.y = device->logicalDpiY() / 25.4;
    scale.pixelX = device->logicalDpiX() / designerDpi;
    scale.pixelY = device->logicalDpiY() / designerDpi;
    scale.originMm = device->pageLayout().paintRect(QPageLayout::Millimeter).topLeft();

    QPainter painter;
    if (!painter.begin(device))
        return 0;
    painter.setPen(Qt::black);

    const Band *header = page.band(Band::Kind::PageHeader);
    const Band *columnHeader = page.band(Band::Kind::ColumnHeader);
    const Band *detail = page.band(Band::Kind::Detail);
    const Band *footer = page.band(Band::Kind::PageFooter);
    const QRectF content = page.setup.contentRectMm();
    const int perPage = rowsPerPage(page);
    const int rowCount = detail ? rows.rowCount() : 0;
    const int pages = rowCount == 0 ? 1 : (rowCount + perPage - 1) / perPage;

    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            device->newPage();
        const int first = p * perPage;
        const int last = std::min(rowCount, first + perPage) - 1;
        const int headerRow = first < rowCount ? first : -1;
        double y = content.top();
        for (const Band *band : {header, columnHeader}) {
            if (!band)
                continue;
            paintBand(painter, scale, *band, QPointF(content.left(), y), content.width(), rows,
                      headerRow, printDate);
            y += band->heightMm;
        }
        for (int r = first; r <= last; ++r) {
            paintBand(painter, scale, *detail, QPointF(content.left(), y), content.width(), rows, r,
                      printDate);
            y += detail->heightMm;
        }
        if (footer) {
            paintBand(painter, scale, *footer,
                      QPointF(content.left(), content.bottom() - footer->heightMm), content.width(),
                      rows, last >= first ? last : -1, printDate);
        }
    }
    painter.end();
    return pages;
}

bool writePdf(const Page &page, const ReportRows &rows, const QString &file,
              const QDate &printDate) {
    QPdfWriter writer(file);
    writer.setResolution(300);
    writer.setTitle(page.title());
    writer.setCreator(u"Kensa Ledger"_s);
    return renderPage(page, rows, &writer, printDate) > 0;
}
