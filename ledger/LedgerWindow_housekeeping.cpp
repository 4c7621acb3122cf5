// Housekeeping commands of the ledger window.
#include "LedgerWindow.h"

void LedgerWindow::backupClicked() {}
void LedgerWindow::setDeletePanelVisible(bool) {}
void LedgerWindow::deleteCurrentCase() {}
void LedgerWindow::aboutClicked() {}
void LedgerWindow::showPasteBox() {}
void LedgerWindow::pasteRow() {}
