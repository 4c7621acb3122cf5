#include "PrintMenu.h"

#include "Form2_2.h"
#include "Form3_1.h"

#include "EngineError.h"
#include "LedgerWindow.h"
#include "Prompter.h"
#include "RadioGroup.h"
#include "Registers.h"
#include "ReportPages.h"
#include "ReportRun.h"
#include "SharedState.h"

#include <QHBoxLayout>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {
const QColor Navy(0x00, 0x00, 0x80);

struct TabDef {
    QString name;
    QString caption;
    QStringList items;
};

// The four tabs with the items of their radio groups, in menu order.
const QList<TabDef> &tabDefs() {
    static const QList<TabDef> defs{
        {u"TabSheet1"_s,
         u"１．件数、金額"_s,
         {u"様式1-1：月別検査調書（職種別、月別の件数、％）"_s,
          u"様式1-2：月別検査調書（検査員、職種別、月別の件数、金額）"_s,
          u"様式1-3：工事区分別検査集計表（月別、工事区分別の件数、金額）"_s,
          u"様式1-4：工事区分別検査集計表（月別、検査員別、工事区分別の件数、金額）"_s,
          u"様式1-5：検査区分別検査集計表（検査員別、月別、検査区分別の件数、金額）"_s,
          u"様式1-6：検査区分別検査集計表（職種別、検査員別、検査区分別の件数、金額）"_s}},
        {u"TabSheet2"_s,
         u"２．成績評定点"_s,
         {u"様式2-1：工事成績評定点総括表（職種別の件数・平均点）"_s,
          u"様式2-2：工事成績評定点集計表（ランク別、月別の件数・平均点）：全工事計"_s,
          u"様式2-2：工事成績評定点集計表（ランク別、月別の件数・平均点）：工事区分別"_s,
          u"様式2-2：工事成績評定点集計表（ランク別、月別の件数・平均点）：検査員別"_s,
          u"様式2-2：工事成績評定点集計表（ランク別、月別の件数・平均点）：検査員・工事区分別"_s}},
        {u"TabSheet3"_s,
         u"３．課別の件数、金額"_s,
         {u"様式3-1：課別検査集計表（課別の検査件数・金額集計）：年間集計"_s,
          u"様式3-1：課別検査集計表（工事区分別、課別の検査件数・金額集計）：年間集計"_s,
          u"様式3-1：課別検査集計表（検査員別、工事区分別、課別の検査件数・金額集計）：年間集計"_s}},
        {u"TabSheet4"_s,
         u"４．収受簿関連"_s,
         {u"工事検査依頼収受簿"_s, u"公印使用簿"_s, u"工事検査結果通知書発送簿"_s}},
    };
    return defs;
}

// Tab 1: the form of each item. Forms 1-3 and 1-4 share one page and set its title.
const QStringList &tab1Forms() {
    static const QStringList forms{u"1-1"_s, u"1-2"_s, u"1-3"_s, u"1-4"_s, u"1-5"_s, u"1-6"_s};
    return forms;
}

QToolButton *speedButton(const QString &name, const QString &caption, QWidget *parent) {
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumSize(96, 28);
    return b;
}
} // namespace

PrintMenu::PrintMenu(LedgerWindow &ledger, ReportPages &pages, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , m_ledger(ledger)
    , m_pages(pages) {
    setObjectName(u"Form4"_s);
    setWindowTitle(u"印刷メニュー"_s);
    // Only the window itself is navy; the tab pages keep the ordinary face.
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(u"#Form4 { background-color: %1; }"_s.arg(Navy.name()));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"PageControl1"_s);
    column->addWidget(m_tabs);

    m_tabs->addTab(buildTab(0, u"SpeedButton1"_s, u"集計・印刷"_s, &PrintMenu::SpeedButton1Click,
                            u"SpeedButton2"_s),
                   tabDefs().at(0).caption);
    m_tabs->addTab(buildTab(1, u"SpeedButton3"_s, u"集計・印刷"_s, &PrintMenu::SpeedButton3Click,
                            u"SpeedButton4"_s),
                   tabDefs().at(1).caption);
    m_tabs->addTab(buildTab(2, u"SpeedButton6"_s, u"集計・印刷"_s, &PrintMenu::SpeedButton6Click,
                            u"SpeedButton5"_s),
                   tabDefs().at(2).caption);
    m_tabs->addTab(
        buildTab(3, u"SpeedButton8"_s, u"印刷"_s, &PrintMenu::SpeedButton8Click, u"SpeedButton7"_s),
        tabDefs().at(3).caption);

    setFixedSize(sizeHint());
    connect(&ledger, &LedgerWindow::printMenuRequested, this, &PrintMenu::openFromLedger);
}

QWidget *PrintMenu::buildTab(int tab, const QString &runName, const QString &runCaption,
                             void (PrintMenu::*run)(), const QString &closeName) {
    const TabDef &def = tabDefs().at(tab);
    auto *page = new QWidget(m_tabs);
    page->setObjectName(def.name);
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(8, 8, 8, 8);

    m_groups[tab] =
        new RadioGroup(u"RadioGroup%1"_s.arg(tab + 1), u"様式一覧"_s, def.items, 1, page);
    m_groups[tab]->setItemIndex(0);
    column->addWidget(m_groups[tab]);
    column->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QToolButton *runButton = speedButton(runName, runCaption, page);
    QToolButton *closeButton = speedButton(closeName, u"閉じる"_s, page);
    buttons->addWidget(runButton);
    buttons->addWidget(closeButton);
    column->addLayout(buttons);

    connect(runButton, &QToolButton::clicked, this, run);
    connect(closeButton, &QToolButton::clicked, this, &PrintMenu::SpeedButton2Click);
    return page;
}

void PrintMenu::openFromLedger() {
    move(m_ledger.dialogPos(300, 85));
    show();
    raise();
}

void PrintMenu::SpeedButton2Click() {
    hide();
}

void PrintMenu::runClick(const std::function<void(TDat &, ReportContext &)> &runs) {
    // 1., 2. The area the menu covered is redrawn before the long computation starts.
    hide();
    m_ledger.repaint();
    LedgerProgress progress(m_ledger);
    ReportContext context{m_ledger.database(), m_ledger.tempQuery(), progress,
                          &m_ledger.sectionQuery()};
    try {
        // 3.–5. One TDat for the click, freed after its last preview.
        TDat dat;
        runs(dat, context);
    } catch (const std::exception &e) {
        // A failed run ends the click with the engine's message and leaves the rows
        // written so far. The progress display is hidden and the menu comes back, so that
        // the clerk is left neither with a stuck "集計中..." nor without the menu.
        m_ledger.ProgressDisplay(0, 0);
        const auto *engine = dynamic_cast<const EngineError *>(&e);
        Prompter::error(engine ? engine->message() : QString::fromLocal8Bit(e.what()), &m_ledger);
    }
    show();
}

void PrintMenu::runForm(const QString &key, TDat &dat, ReportContext &context) {
    const ReportForm *form = reportForm(key);
    if (!form || !form->isAvailable())
        return;
    runReport(
        m_pages, *form, [&] { (dat.*(form->calc))(context); }, form->captions);
}

void PrintMenu::SpeedButton1Click() {
    const int item = m_groups[0]->itemIndex();
    runClick([&](TDat &dat, ReportContext &context) {
        if (item >= 0 && item < tab1Forms().size())
            runForm(tab1Forms().at(item), dat, context);
    });
}

void PrintMenu::runGrading(TDat &dat, ReportContext &context, GradingScope scope,
                           const QString &constructionClass, const QString &inspectorName) {
    const ReportForm &form = *reportForm(u"2-2"_s);
    runReport(
        m_pages, form,
        [&] { dat.Calc_Form2_2(context, scope, constructionClass, inspectorName); },
        {{u"QRLabel73"_s, Form2_2::subtitle(scope, constructionClass, inspectorName)}});
}

void PrintMenu::runDepartments(TDat &dat, ReportContext &context, DepartmentScope scope,
                               const QString &subtitle) {
    const ReportForm &form = *reportForm(u"3-1"_s);
    runReport(
        m_pages, form, [&] { dat.Calc_Form3_1(context, scope); },
        {{u"QRLabel113"_s, subtitle}});
}

void PrintMenu::SpeedButton3Click() {
    const int item = m_groups[1]->itemIndex();
    runClick([&](TDat &dat, ReportContext &context) {
        const SharedState &s = shared();
        switch (item) {
        case 0:
            runForm(u"2-1"_s, dat, context);
            break;
        case 1: // Form 2-2 over all works.
            runGrading(dat, context, GradingScope::AllWorks, QString(), QString());
            break;
        case 2: // Form 2-2 for each of the six construction classes.
            Prompter::message(u"[土木,舗装,造園,建築,電気設備,機械設備]の集計・印刷をします。\r\r"
                              u"この集計には、時間がかかります。\r\r"
                              u"尚、集計・印刷は６回繰り返されます。"_s,
                              std::nullopt, &m_ledger);
            for (const QString &cls : Classes::construction)
                runGrading(dat, context, GradingScope::ByConstructionClass, cls, QString());
            break;
        case 3: // Form 2-2 for each inspector.
            if (!Prompter::askWarning(u"検査員毎に全工事合計の集計・印刷をします。\r"
                                      u"この集計には、大変時間がかかります。\r\r"
                                      u"本当に印刷しますか。\r"
                                      u"途中で、印刷の中止は出来ません。\r"
                                      u"尚、集計・印刷は検査員の人数分[ "_s +
                                          QString::number(s.inspectorCount()) +
                                          u"人 ]繰り返されます。"_s,
                                      std::nullopt, &m_ledger))
                return;
            for (int i = 1; i <= s.roster.count; ++i)
                runGrading(dat, context, GradingScope::ByInspector, QString(), s.roster.name(i));
            break;
        case 4: { // Form 2-2 for each inspector and each class of the inspector's trade.
            if (!Prompter::askWarning(u"検査員毎に全工事区分の集計・印刷をします。\r"
                                      u"この集計には、大変時間がかかります。\r\r"
                                      u"本当に印刷しますか。\r"
                                      u"途中で、印刷の中止は出来ません。\r"
                                      u"尚、集計・印刷は[ "_s +
                                          QString::number(s.inspectorCount() * 2) +
                                          u"回程 ]繰り返されます。"_s,
                                      std::nullopt, &m_ledger))
                return;
            // Civil inspectors: 土木, 舗装, 造園; building: 建築; equipment: 電気設備, 機械設備.
            const struct {
                const TKensain &list;
                QList<int> classes;
            } groups[] = {{s.civil, {0, 1, 2}}, {s.building, {3}}, {s.equipment, {4, 5}}};
            for (const auto &group : groups) {
                for (int i = 1; i <= group.list.count; ++i) {
                    for (int k : group.classes)
                        runGrading(dat, context, GradingScope::ByInspectorAndClass,
                                   Classes::construction.at(k), group.list.name(i));
                }
            }
            break;
        }
        default:
            break;
        }
    });
}

void PrintMenu::SpeedButton6Click() {
    const int item = m_groups[2]->itemIndex();
    runClick([&](TDat &dat, ReportContext &context) {
        switch (item) {
        case 0: // Form 3-1 over all sections.
            runDepartments(dat, context, DepartmentScope::AllSections, u"全工事の年間集計"_s);
            break;
        case 1: // Form 3-1 by construction class.
            Prompter::message(u"集計が６回繰り返されます。"_s, std::nullopt, &m_ledger);
            runDepartments(dat, context, DepartmentScope::SectionsByClass, u"工事区分別の年間集計"_s);
            break;
        case 2: // Form 3-1 by inspector and construction class.
            if (!Prompter::askWarning(u"検査員別、工事区分別の集計・印刷をします。\r"
                                      u"この集計には、大変時間がかかります。\r\r"
                                      u"本当に印刷しますか。\r\r"
                                      u"途中で、印刷の中止は出来ません。\r"
                                      u"尚、集計は[ "_s +
                                          QString::number(shared().inspectorCount() * 6) +
                                          u"回 ]繰り返されます。"_s,
                                      std::nullopt, &m_ledger))
                return;
            runDepartments(dat, context, DepartmentScope::SectionsByInspectorAndClass,
                           u"検査員別、工事区分別の年間集計"_s);
            break;
        default:
            break;
        }
    });
}

void PrintMenu::SpeedButton8Click() {
    const int item = m_groups[3]->itemIndex();
    hide();
    m_ledger.repaint();
    // The registers need no aggregation and no TDat; a failure is shown as for the runs.
    try {
        if (item >= 0 && item < registerDefs().size())
            PrintRegister(registerDefs().at(item).kind, m_ledger.list(), m_pages);
    } catch (const std::exception &e) {
        const auto *engine = dynamic_cast<const EngineError *>(&e);
        Prompter::error(engine ? engine->message() : QString::fromLocal8Bit(e.what()), &m_ledger);
    }
    show();
}
