#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "Database.h"
#include "TableDataset.h"

class QAction;
class QCalendarWidget;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTabBar;
class QTabWidget;
class QTableView;
class QToolButton;
class RadioGroup;
class RecordNavigator;

// The main window (Form1): inspector tabs, the filtered and sortable ledger list, the
// three entry pages and the ledger writes. It owns the connection and the datasets that
// every other window reads and writes through.
class LedgerWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit LedgerWindow(QWidget *parent = nullptr);
    ~LedgerWindow() override;

    Database &database() { return m_db; }    // ADOConnection1
    Query &tempQuery() { return m_temp; }    // ADOQuery_Temp
    Query &sectionQuery() { return m_ka; }   // ADOQuery_Ka
    LedgerDataset &list() { return m_list; } // ADOTable_Dat

    // The start-up sequence; runs once, when the window is first shown.
    void startUp();
    bool hasStartedUp() const { return m_startedUp; }

    // The ledger list.
    void RefreshList();
    void SortList(int n);
    void LoadRoster();
    int tabIndex() const;
    QString tabText() const;
    QTabBar *inspectorTabs() const { return m_tabs; }
    // The user selected another inspector tab / chose a year from the year box's list.
    void tabChanged(int index);
    void yearChosen(int index);

    // The entry pages.
    void LoadCase();
    void ClearEntry();
    QLineEdit *box(const QString &name) const;
    QString boxText(const QString &name) const;
    void setBoxText(const QString &name, const QString &text);
    QLabel *flagLabel() const { return m_label30; } // Label30 "FLG"

    // The ledger writes of the pages' buttons.
    void registerClicked(); // "登録"
    void modifyClicked();   // "修正"
    void resultClicked();   // "上書" of page ②
    void dispatchClicked(); // "上書" of page ③
    void Dat_Append();
    void Dat_Edit();
    void Dat_EditResult();
    void Dat_EditDispatch();

    // Exit ("業務終了..."): asks, then closes the connection and the window.
    void exitClicked();

    // The aggregation status panel of the tool bar.
    void ProgressDisplay(int mode, int maximum);
    void stepProgress();

    // The picker's seal list and the calendar, filled at start-up.
    void setSealList(QComboBox *combo) { m_sealList = combo; }
    void setCalendar(QCalendarWidget *calendar) { m_calendar = calendar; }

    // Housekeeping.
    void backupClicked();
    void setDeletePanelVisible(bool on);
    void deleteCurrentCase();
    void aboutClicked();
    void showPasteBox();
    void pasteRow();
    // What the paste routine calls to set the picker's construction-class choice to none.
    void setConstructionClassReset(std::function<void()> reset) {
        m_constructionClassReset = std::move(reset);
    }

    QPoint dialogPos(int dx, int dy) const;

signals:
    void printMenuRequested();
    void settingsRequested();
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    QWidget *buildHeader();
    void buildPages();
    QWidget *buildEntryGroup(int page);
    QTableView *buildGrid(const QString &name, int page);
    QWidget *buildReceptionStrip();
    void buildBottomRow(QWidget *area);
    void updateStrip();
    void syncGrids(int row);
    void setWriteButtonsEnabled(bool on);
    void setFirstTabState();
    void updateStatusDate();
    void moveListTo(const QString &idText);
    void writeCurrentCase(const QPoint &at,
                          const std::function<QStringList(const QString &id)> &lines,
                          const QString &done);
    QString receiptNumber(qint64 seq, const QString &book, qint64 start) const;

    Database m_db;
    Query m_temp{m_db};
    Query m_ka{m_db};
    LedgerDataset m_list{m_db};
    bool m_startedUp = false;

    QTabBar *m_tabs = nullptr;
    QComboBox *m_yearBox = nullptr;
    QLabel *m_label21 = nullptr;
    QLabel *m_label26 = nullptr;
    QLabel *m_label33 = nullptr;
    QLabel *m_label30 = nullptr;
    QLabel *m_label25 = nullptr;
    QProgressBar *m_progress = nullptr;
    RadioGroup *m_monthGroup = nullptr;
    RadioGroup *m_bandGroup = nullptr;
    QTabWidget *m_pages = nullptr;
    QList<QGroupBox *> m_listGroups;
    QList<QTableView *> m_grids;
    QList<QLineEdit *> m_strip;
    QHash<QString, QLineEdit *> m_boxes;
    QList<QToolButton *> m_writeButtons;
    QWidget *m_deletePanel = nullptr;
    QWidget *m_pasteBox = nullptr;
    QComboBox *m_sealList = nullptr;
    QCalendarWidget *m_calendar = nullptr;
    QLabel *m_statusLeft = nullptr;
    QLabel *m_statusDate = nullptr;
    QLabel *m_statusRight = nullptr;
    bool m_syncing = false;
    std::function<void()> m_constructionClassReset;
};
