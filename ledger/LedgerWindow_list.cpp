// The ledger list: inspector tabs, year box, month and amount groups, sort orders.
#include "LedgerWindow.h"

#include "ListFilter.h"
#include "Prompter.h"
#include "RadioGroup.h"
#include "SharedState.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTableView>
#include <QWidget>

int LedgerWindow::tabIndex() const {
    return m_tabs->currentIndex();
}

QString LedgerWindow::tabText() const {
    return m_tabs->tabText(m_tabs->currentIndex());
}

void LedgerWindow::LoadRoster() {
    SharedState &s = shared();
    // 1. The first tab, then one tab per inspector of the year.
    const QSignalBlocker block(m_tabs);
    while (m_tabs->count() > 0)
        m_tabs->removeTab(0);
    m_tabs->addTab(QStringLiteral("全検査員"));
    readRoster(m_temp, s.fiscalYear);
    // 3. The tab width: the larger of 40 and 999 / (InspectorCount + 1).
    const int width = std::max(40, 999 / (s.roster.count + 1));
    m_tabs->setStyleSheet(
        QStringLiteral("QTabBar::tab { width: %1px; height: 22px; padding: 0px; }").arg(width));
    m_tabs->setProperty("tabWidth", width);
    for (int i = 1; i <= s.roster.count; ++i)
        m_tabs->addTab(s.roster.name(i));
    m_tabs->setCurrentIndex(0);
}

void LedgerWindow::RefreshList() {
    // 1.
    m_label33->hide();
    // 2.–5. The filter of the current tab, month, band and year.
    const QString filter = ListFilter::build(shared().fiscalYear, tabIndex(), tabText(),
                                             m_monthGroup->itemIndex(), m_bandGroup->itemIndex());
    // 6.
    m_label21->setText(tabIndex() <= 0 ? QStringLiteral("全検査員")
                                       : tabText() + QStringLiteral(" 検査員"));
    // 7.
    m_list.close();
    m_list.setFilter(filter);
    m_list.setFiltered(true);
    m_list.setSort(QStringLiteral("ID"));
    m_list.open();
    // 8.
    const QString caption = QStringLiteral("一覧表( 登録件数=") +
                            QString::number(m_list.recordCount()) + QStringLiteral("件 )");
    for (QGroupBox *g : std::as_const(m_listGroups))
        g->setTitle(caption);
}

void LedgerWindow::SortList(int n) {
    m_list.setSort(ListFilter::sortColumns(n));
}

void LedgerWindow::setFirstTabState() {
    m_label26->setText(QStringLiteral("***"));
    setWriteButtonsEnabled(false);
    m_pasteBox->hide();
}

void LedgerWindow::tabChanged(int index) {
    ClearEntry();
    if (index > 0) {
        m_label26->setText(TradeLookup(m_tabs->tabText(index)));
        setWriteButtonsEnabled(true);
        m_pasteBox->hide();
    } else {
        setFirstTabState();
    }
    RefreshList();
}

void LedgerWindow::yearChosen(int index) {
    if (index < 0)
        return;
    shared().fiscalYear = m_yearBox->itemText(index);
    m_yearBox->setEditText(shared().fiscalYear);
    LoadRoster();
    ClearEntry();
    setFirstTabState();
    RefreshList();
}

void LedgerWindow::moveListTo(const QString &idText) {
    m_list.locateId(idText.isEmpty() ? QStringLiteral("0") : idText);
}

bool LedgerWindow::eventFilter(QObject *watched, QEvent *event) {
    // Enter in the year box would choose the typed year; only the list chooses.
    if (watched == m_yearBox->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    // Turning the wheel over the year box would choose a year in passing.
    if (watched == m_yearBox && event->type() == QEvent::Wheel)
        return true;
    // A mouse button or key released in a grid loads the selected case.
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease) {
        for (QTableView *v : std::as_const(m_grids)) {
            if (watched == v->viewport() || watched == v) {
                if (event->type() == QEvent::KeyRelease &&
                    static_cast<QKeyEvent *>(event)->isAutoRepeat())
                    break;
                runAction(this, [this] { LoadCase(); });
                break;
            }
        }
    }
    if (event->type() == QEvent::KeyPress && watched->property("digitsOnly").toBool()) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString t = key->text();
        if (!t.isEmpty() && t.at(0).isPrint() && !t.at(0).isDigit())
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
