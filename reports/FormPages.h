#pragma once

#include "Page.h"

// The pages of the statistical forms, each as its page definition with the design
// captions; a run sets the year label (and where a page has one, the title or subtitle)
// before the page is shown.

Page makeQuickRep1(); // Form 1-2, 様式2：月別検査調書; year label "QRLabel76"
Page makeQuickRep2(); // Forms 1-3, 1-4, 様式3：業種別検査集計表; year label "QRLabel117", title "QRLabel17"
Page makeQuickRep3(); // Form 1-5, 様式5：工事完成検査集計表; year label "QRLabel150"
Page makeQuickRep4(); // Form 1-6, 様式5：工事完成検査集計表; year label "QRLabel151"
Page makeQuickRep5(); // Form 2-1, 40工事成績評定点総括; year label "QRLabel152"
Page makeQuickRep6(); // Form 2-2, 41工事成績評定点集計表; year label "QRLabel153", subtitle "QRLabel73"
Page makeQuickRep8(); // Form 3-1, 31部署別集計表; year label "QRLabel154", subtitle "QRLabel113"
