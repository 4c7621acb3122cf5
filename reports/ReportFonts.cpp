#include "ReportFonts.h"

#include <QFont>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace ReportFonts {

QString minchoFace() {
    return u"ＭＳ Ｐ明朝"_s;
}
QString gothicFace() {
    return u"ＭＳ Ｐゴシック"_s;
}

} // namespace ReportFonts

void installReportFonts() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QFont::insertSubstitutions(u"ＭＳ Ｐ明朝"_s, {u"IPAPMincho"_s, u"Noto Serif CJK JP"_s});
    QFont::insertSubstitutions(u"ＭＳ Ｐゴシック"_s, {u"IPAPGothic"_s, u"Noto Sans CJK JP"_s});
    QFont::insertSubstitutions(u"ＭＳ 明朝"_s, {u"IPAMincho"_s, u"Noto Serif CJK JP"_s});
    QFont::insertSubstitutions(u"ＭＳ ゴシック"_s, {u"IPAGothic"_s, u"Noto Sans CJK JP"_s});
}
