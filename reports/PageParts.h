#pragma once

#include "Page.h"

// The parts the page headers of the statistical forms share. Lengths are in mm, rectangles
// relative to the band; contentWidthMm is the width inside the page's margins.

// The page header of a form, 15.6 mm high and framed on all sides, opened by the year label
// at the top left (design caption "西暦年度" in 12 pt Mincho; a run replaces it with the
// fiscal year through the name given) and the print date at the top right in 10 pt Mincho.
Band formPageHeader(const QString &yearLabelName, double contentWidthMm);

// A form's title in its page header: 18 pt Mincho, left-aligned and centred vertically.
Element formTitle(const QRectF &rectMm, const QString &title, const QString &name = QString());

// "金額：円" in 12 pt Mincho at the right end of the title line, on the forms that print
// amounts.
Element amountsInYen(double contentWidthMm);

// The twelve month heads April to March ("４月" … "３月", one-digit months in full-width
// digits), centred between one-pixel rules from firstLeftMm, then the total column's head
// from totalLeftMm to rightMm, with two-pixel rules before the first month and the total.
void addMonthHeads(Band &band, double firstLeftMm, double totalLeftMm, double rightMm,
                   const QString &totalHead, const FontSpec &font);
