#pragma once

#include "Page.h"

// The report pages of the office, each as its page definition with the design captions;
// a run sets the year label (and where a page has one, the title or subtitle) before the
// page is shown.

// Form 1-1, monthly counts and shares by trade; year label "QRLabel149".
Page makeQuickRep7();

// The registers printed from the ledger list; year labels "QRLabel155", "QRLabel156",
// "QRLabel157".
Page makeQuickRep9();  // 工事検査依頼収受簿 (receipt book)
Page makeQuickRep10(); // 公印使用簿 (seal-use book)
Page makeQuickRep11(); // 工事検査結果通知書発送簿 (dispatch book)
