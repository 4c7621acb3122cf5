#pragma once

#include "Page.h"
#include "ReportRows.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

class QPagedPaintDevice;

// The one renderer of report pages. It serves the preview's printer, printing and PDF
// files alike: lengths are turned into device units from the device's own resolution, so
// every device gets the same page.

// Paints the page with the rows, in their order, onto the device and returns the number of
// pages painted (0 when painting could not start). Every page gets the page header and the
// column header at the top and the page footer at the bottom of its content area; detail
// bands follow one per row as long as they fit, then a new page begins. A page without rows
// still prints once. Fields and expressions in the header bands take their values from the
// first row of the page, those of the footer from its last row. The device is set to the
// page's paper and orientation first; it is not kept.
int renderPage(const Page &page, const ReportRows &rows, QPagedPaintDevice *device,
               const QDate &printDate);

// Writes the page as a PDF file (A4 landscape, 300 dpi, the page's title as the document
// title). False when the file could not be written.
bool writePdf(const Page &page, const ReportRows &rows, const QString &file,
              const QDate &printDate);

// Gives the device the page's paper and orientation with no margins of its own, the page
// keeping its margins itself. renderPage() does this; a caller may do it beforehand so
// that a preview opens with the right paper.
void applyPageSetup(const Page &page, QPagedPaintDevice *device);

// How many detail bands fit on one page (at least 1 when the page has a detail band,
// 0 when it has none).
int rowsPerPage(const Page &page);

// Evaluates an expression of quoted literals and bracketed fields joined by '+'
// ("'('+[職種区分]+')'"); a literal writes a quote as two quotes. A single field gives the
// field's value itself, so that a mask can format it; several terms give their texts
// joined. Nothing when the expression is malformed.
std::optional<QVariant> evaluateExpression(const QString &expression,
                                           const std::function<QVariant(const QString &)> &field);

// The text an element prints for the given row (-1: no row).
QString elementText(const Element &element, const ReportRows &rows, int row,
                    const QDate &printDate);
