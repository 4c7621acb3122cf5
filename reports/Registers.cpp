#include "Registers.h"

#include "TableDataset.h"
#include "Page.h"
#include "Previewer.h"
#include "ReportPages.h"
#include "ReportRun.h"
#include "SharedState.h"

using namespace Qt::Literals::StringLiterals;

const QList<RegisterDef> &registerDefs() {
    static const QList<RegisterDef> defs{
        {RegisterKind::ReceiptRegister, u"receipt-register"_s, u"工事検査依頼収受簿"_s,
         u"QuickRep9"_s, u"QRLabel155"_s},
        {RegisterKind::SealUseRegister, u"seal-register"_s, u"公印使用簿"_s, u"QuickRep10"_s,
         u"QRLabel156"_s},
        {RegisterKind::DispatchRegister, u"dispatch-register"_s, u"工事検査結果通知書発送簿"_s,
         u"QuickRep11"_s, u"QRLabel157"_s},
    };
    return defs;
}

const RegisterDef &registerDef(RegisterKind kind) {
    return registerDefs().at(int(kind));
}

const RegisterDef *registerDef(const QString &key) {
    for (const RegisterDef &def : registerDefs()) {
        if (def.key == key)
            return &def;
    }
    return nullptr;
}

ReportRows registerRows(const LedgerDataset &list) {
    ReportRows rows;
    rows.columns = list.columns();
    for (int r = 0; r < list.recordCount(); ++r) {
        QVariantList values;
        values.reserve(rows.columns.size());
        for (const QString &column : std::as_const(rows.columns))
            values.append(list.value(r, column));
        rows.rows.append(values);
    }
    return rows;
}

void PrintRegister(RegisterKind kind, const LedgerDataset &list, ReportPages &pages) {
    const RegisterDef &def = registerDef(kind);
    Page &page = pages.page(def.pageName);
    const ReportRows rows = registerRows(list);
    page.setCaption(def.yearLabel, yearText(shared().fiscalYear));
    Previewer::current().preview(page, rows);
}
