#include "ReportPages.h"

#include "EngineError.h"
#include "LedgerWindow.h"
#include "ReportPageDefs.h"

using namespace Qt::Literals::StringLiterals;

namespace {
struct PageMaker {
    QString name;
    Page (*make)();
};

// The pages built so far; each form's page joins this table when the form is built.
const QList<PageMaker> &pageMakers() {
    static const QList<PageMaker> makers{
        {u"QuickRep7"_s, &makeQuickRep7},
        {u"QuickRep9"_s, &makeQuickRep9},
        {u"QuickRep10"_s, &makeQuickRep10},
        {u"QuickRep11"_s, &makeQuickRep11},
    };
    return makers;
}
} // namespace

std::optional<Page> makeReportPage(const QString &name) {
    for (const PageMaker &maker : pageMakers()) {
        if (maker.name == name)
            return maker.make();
    }
    return std::nullopt;
}

ReportPages::ReportPages(LedgerWindow &ledger, QWidget *parent)
    : QWidget(parent)
    , m_ksum1(ledger.database()) {
    setObjectName(u"Form2"_s);
    setWindowTitle(u"帳票"_s);
    for (const PageMaker &maker : pageMakers())
        m_pages.insert(maker.name, maker.make());
}

Page &ReportPages::page(const QString &name) {
    auto it = m_pages.find(name);
    if (it == m_pages.end())
        throw EngineError(u"帳票 "_s + name + u" がありません。"_s);
    return *it;
}

bool ReportPages::setCaption(const QString &pageName, const QString &labelName,
                             const QString &text) {
    auto it = m_pages.find(pageName);
    return it != m_pages.end() && it->setCaption(labelName, text);
}
