#pragma once

#include "Page.h"
#include "ReportRun.h"

#include <QMap>
#include <QWidget>
#include <optional>

class LedgerWindow;

// The window that carries the report pages (Form2). It is never shown: it keeps the page
// definitions QuickRep1 … QuickRep11 with the captions the runs set on them, and the
// table component ADOTable_Ksum1 on the main window's connection.
class ReportPages : public QWidget {
    Q_OBJECT
public:
    explicit ReportPages(LedgerWindow &ledger, QWidget *parent = nullptr);

    // The page of that name. Throws EngineError when the page is not there.
    Page &page(const QString &name);
    bool hasPage(const QString &name) const { return m_pages.contains(name); }
    QStringList pageNames() const { return m_pages.keys(); }

    // Sets a label's caption on a page; false when the page or the label is not there.
    bool setCaption(const QString &pageName, const QString &labelName, const QString &text);

    ReportTable &ADOTable_Ksum1() { return m_ksum1; }

private:
    QMap<QString, Page> m_pages;
    ReportTable m_ksum1;
};

// A fresh page of that name with its design captions; nothing when the page is not built
// yet. The companion takes its pages from here, so that it prints what the menu prints.
std::optional<Page> makeReportPage(const QString &name);
