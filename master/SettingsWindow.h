#pragma once

#include <QList>
#include <QWidget>

#include "Kanri.h"
#include "TableDataset.h"

class LedgerWindow;
class QLineEdit;
class QTabWidget;
class QTableView;
class QToolButton;
class RecordNavigator;

// The settings window (Form6, "工事検査員等の設定"): the inspectors of every fiscal year,
// the seal types and the numbering books, each in a read-only grid over a whole master
// table (ADOTable_C1 to ADOTable_C3 on the ledger window's connection), with entry boxes
// that a click or a key in the grid fills and the writes of TKanri. Created hidden once;
// the tables are open only while the window is shown.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    // The ledger window must outlive this window.
    explicit SettingsWindow(LedgerWindow &ledger, QWidget *parent = nullptr);

    // "1．検査員登録...": opens the three tables, places the window at the ledger window's
    // left and its top + 40, and shows it. The boxes keep what they last held.
    void openSettings();
    // "閉じる": closes the three tables and hides the window.
    void closeSettings();

    TableDataset &inspectors() { return m_c1; } // ADOTable_C1 on 20検査員
    TableDataset &seals() { return m_c2; }      // ADOTable_C2 on 21公印
    TableDataset &books() { return m_c3; }      // ADOTable_C3 on 22諸定義

    // Fill the boxes from the current row (only when the table has a row).
    void Ken_Load();
    void Stp_Load();
    void Uke_Load();

    // The buttons: each asks first, then makes a TKanri for its one write.
    void inspectorAddClicked();  // "追加" SpeedButton3
    void inspectorEditClicked(); // "修正" SpeedButton2
    void sealAddClicked();       // "追加" SpeedButton5
    void sealEditClicked();      // "修正" SpeedButton4
    void booksEditClicked();     // "修正" SpeedButton6
    // The delete buttons of the inspector and seal navigators.
    void deleteCurrentRow(TableDataset &table);

    QLineEdit *box(const QString &name) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildInspectorPage();
    QWidget *buildSealPage();
    QWidget *boxGrid(int group, QWidget *parent);
    QTableView *buildGrid(const QString &name, TableDataset &table, const QStringList &columns,
                          QWidget *parent);
    RecordNavigator *buildNavigator(const QString &name, TableDataset &table, bool withDelete,
                                    QWidget *parent);
    QToolButton *button(const QString &name, const QString &caption, void (SettingsWindow::*)(),
                        QWidget *parent);
    void syncGrid(QTableView *view, int row);
    InspectorBoxes inspectorBoxes() const;
    BookBoxes bookBoxes() const;
    TKanri kanri();
    QPoint at(int dx, int dy) const;
    void closeTables();

    LedgerWindow &m_ledger;
    TableDataset m_c1;
    TableDataset m_c2;
    TableDataset m_c3;
    QTabWidget *m_pages = nullptr;
    QList<QLineEdit *> m_boxes;
    QTableView *m_grid1 = nullptr;
    QTableView *m_grid2 = nullptr;
    QTableView *m_grid3 = nullptr;
    bool m_syncing = false;
};
