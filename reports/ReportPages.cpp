#include "ReportPages.h"

#include "EngineError.h"
#include "LedgerWindow.h"
#include "FormPages.h"
#include "ReportPageDefs.h"

using namespace Qt::Literals::StringLiterals;

namespace {
struct PageMaker {
    QString name;
    Page (*make)();
};

// Every report page, by name.
const QList<PageMaker> &pageMakers() {
    static const QList<PageMaker> makers{
        {u"QuickRep1"_s, &makeQuickRep1},   {u"QuickRep2"_s, &makeQuickRep2},
        {u"QuickRep3"_s, &makeQuickRep3},   {u"QuickRep4"_s, &makeQuickRep4},
        {u"QuickRep5"_s, &makeQuickRep5},   {u"QuickRep6"_s, &makeQuickRep6},
        {u"QuickRep7"_s, &makeQuickRep7},   {u"QuickRep8"_s, &makeQuickRep8},
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
