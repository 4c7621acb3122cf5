#pragma once

#include <QWidget>
#include <functional>

class LedgerWindow;
class QTabWidget;
class QToolButton;
class RadioGroup;
class ReportPages;
class TDat;
struct ReportContext;
enum class GradingScope;
enum class DepartmentScope;

// The print menu (Form4, "印刷メニュー"): four tabs of forms and registers, each with its
// radio group "様式一覧", a run button and a close button. Always on top and not modal;
// created once, then only shown and hidden, so it keeps its tab and items. It opens from
// the main window's tool button "台帳集計・印刷..." at the window's left + 300, top + 85.
class PrintMenu : public QWidget {
    Q_OBJECT
public:
    PrintMenu(LedgerWindow &ledger, ReportPages &pages, QWidget *parent = nullptr);

    // Places the menu beside the main window's tool bar and shows it.
    void openFromLedger();

    // The buttons' handlers: run the selected item of tab 1, 2 or 3; print a register of
    // tab 4; hide the menu (one handler for all four "閉じる" buttons).
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton6Click();
    void SpeedButton8Click();
    void SpeedButton2Click();

private:
    QWidget *buildTab(int tab, const QString &runName, const QString &runCaption,
                      void (PrintMenu::*run)(), const QString &closeName);
    // The click sequence of the run buttons: hide, repaint the main window, one TDat for
    // the click, the runs, the menu shown again. A failed run shows the engine's message.
    void runClick(const std::function<void(TDat &, ReportContext &)> &runs);
    void runGrading(TDat &dat, ReportContext &context, GradingScope scope,
                    const QString &constructionClass, const QString &inspectorName);
    void runDepartments(TDat &dat, ReportContext &context, DepartmentScope scope,
                        const QString &subtitle);
    // One run of a form without parameters, with the title or subtitle of its table entry.
    void runForm(const QString &key, TDat &dat, ReportContext &context);

    LedgerWindow &m_ledger;
    ReportPages &m_pages;
    QTabWidget *m_tabs = nullptr;
    RadioGroup *m_groups[4] = {};
};
