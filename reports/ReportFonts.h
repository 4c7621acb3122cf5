#pragma once

#include <QString>

// The pages name the office's Windows faces. Without a mapping onto installed faces the
// Mincho texts would silently come out in whatever Gothic face the system picks.
namespace ReportFonts {

QString minchoFace(); // "ＭＳ Ｐ明朝"
QString gothicFace(); // "ＭＳ Ｐゴシック"

} // namespace ReportFonts

// Maps "ＭＳ Ｐ明朝" onto IPAPMincho, "ＭＳ Ｐゴシック" onto IPAPGothic and the fixed-pitch
// "ＭＳ 明朝" and "ＭＳ ゴシック" onto IPAMincho and IPAGothic, with the Noto CJK faces as
// fallback. Called once at start by the program and the companion; calling it again is
// harmless.
void installReportFonts();
