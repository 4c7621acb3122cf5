#pragma once

#include "ReportRows.h"

#include <QString>

class LedgerDataset;
class ReportPages;

// The three registers printed straight from the ledger list, in the order of the print
// menu's tab 4.
enum class RegisterKind { ReceiptRegister, SealUseRegister, DispatchRegister };

struct RegisterDef {
    RegisterKind kind;
    QString key;       // the companion's name for it: "receipt-register"
    QString caption;   // the menu item: "工事検査依頼収受簿"
    QString pageName;  // "QuickRep9"
    QString yearLabel; // "QRLabel155"
};

const QList<RegisterDef> &registerDefs();
const RegisterDef &registerDef(RegisterKind kind);
// The register with that companion name; nullptr when there is none.
const RegisterDef *registerDef(const QString &key);

// The rows of the list exactly as it is filtered and sorted now, one per ledger row.
// Neither the filter, the order nor the current row is touched.
ReportRows registerRows(const LedgerDataset &list);

// Prints a register: its page over the ledger list as the main window shows it, the year
// label FiscalYear + "年度", the preview that returns when closed.
void PrintRegister(RegisterKind kind, const LedgerDataset &list, ReportPages &pages);
