#include "LedgerWindow.h"

#include "Clock.h"
#include "EngineError.h"
#include "GridModel.h"
#include "ListFilter.h"
#include "Prompter.h"
#include "RadioGroup.h"
#include "RecordNavigator.h"
#include "SharedState.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char *const Navy = "#000080";
const char *const Cream = "#FFFBF0";

QToolButton *flatButton(const QString &name, const QString &caption, QWidget *parent) {
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setAutoRaise(true);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}
} // namespace

LedgerWindow::LedgerWindow(QWidget *parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ミルフォス"));
    resize(1026, 648);

    buildMenus();
    buildToolBar();

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setAutoFillBackground(true);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, QColor(Navy));
    client->setPalette(pal);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(4, 2, 4, 2);
    column->setSpacing(0);

    m_tabs = new QTabBar(client);
    m_tabs->setObjectName(QStringLiteral("TabControl1"));
    m_tabs->setExpanding(false);
    m_tabs->setDrawBase(false);
    m_tabs->setElideMode(Qt::ElideNone);
    m_tabs->setUsesScrollButtons(true);
    // A tab is chosen with the mouse only, so that every change runs the tab change.
    m_tabs->setFocusPolicy(Qt::NoFocus);
    m_tabs->addTab(QStringLiteral("全検査員"));
    m_tabs->setStyleSheet(QStringLiteral("QTabBar::tab { width: 999px; height: 22px; }"));
    column->addWidget(m_tabs);
    connect(m_tabs, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index != m_tabs->currentIndex())
            runAction(this, [&] {
                m_tabs->setCurrentIndex(index);
                tabChanged(index);
            });
    });

    column->addWidget(buildHeader());
    buildPages();
    column->addWidget(m_pages, 1);
    buildBottomRow(client);
    setCentralWidget(client);

    m_statusLeft = new QLabel(QStringLiteral("工事検査台帳システム"), this);
    m_statusDate = new QLabel(this);
    m_statusRight = new QLabel(QStringLiteral("建設工事検査担当"), this);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(m_statusLeft);
    statusBar()->addWidget(m_statusDate);
    statusBar()->addPermanentWidget(m_statusRight);
    m_statusLeft->setMinimumWidth(200);

    // Label30 "FLG" tells the keypad whether to recompute the total score.
    m_label30 = new QLabel(QStringLiteral("FLG"), client);
    m_label30->setObjectName(QStringLiteral("Label30"));
    m_label30->hide();

    connect(&m_list, &LedgerDataset::currentRowChanged, this, [this](int row) {
        syncGrids(row);
        updateStrip();
    });
    setWriteButtonsEnabled(false);
    updateStatusDate();
}

LedgerWindow::~LedgerWindow() = default;

void LedgerWindow::buildMenus() {
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto addItem = [this](QMenu *menu, const QString &name, const QString &caption,
                          std::function<void()> handler) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, handler] { runAction(this, handler); });
        return a;
    };

    QMenu *file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("MenuFile"));
    addItem(file, QStringLiteral("MenuBackup"), QStringLiteral("1．ﾃﾞｰﾀﾍﾞｰｽﾊﾞｯｸｱｯﾌﾟ..."),
            [this] { backupClicked(); });
    addItem(file, QStringLiteral("MenuDeleteOn"), QStringLiteral("2．削除機能を[有効]にする"),
            [this] { setDeletePanelVisible(true); });
    addItem(file, QStringLiteral("MenuDeleteOff"), QStringLiteral("3．削除機能を[無効]にする"),
            [this] { setDeletePanelVisible(false); });
    file->addSeparator();
    addItem(file, QStringLiteral("MenuExit"), QStringLiteral("4．業務終了..."),
            [this] { exitClicked(); });

    QMenu *sort = bar->addMenu(QStringLiteral("並替え(&S)"));
    sort->setObjectName(QStringLiteral("MenuSort"));
    for (int n = 1; n <= ListFilter::SortOrderCount; ++n)
        addItem(sort, QStringLiteral("MenuSort%1").arg(n), ListFilter::sortMenuCaption(n),
                [this, n] { SortList(n); });

    QMenu *manage = bar->addMenu(QStringLiteral("管理(&M)"));
    manage->setObjectName(QStringLiteral("MenuManage"));
    addItem(manage, QStringLiteral("MenuSettings"), QStringLiteral("1．検査員登録..."),
            [this] { emit settingsRequested(); });
    addItem(manage, QStringLiteral("MenuPaste"), QStringLiteral("2．ExceL 1行貼付け..."),
            [this] { showPasteBox(); });

    QMenu *system = bar->addMenu(QStringLiteral("システム(&L)"));
    system->setObjectName(QStringLiteral("MenuSystem"));
    addItem(system, QStringLiteral("MenuAbout"), QStringLiteral("2．このシステムは..."),
            [this] { aboutClicked(); });
}

void LedgerWindow::buildToolBar() {
    auto *tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setMovable(false);
    tools->setFloatable(false);
    addToolBar(Qt::TopToolBarArea, tools);
    struct Def {
        const char *name;
        const char16_t *caption;
        std::function<void()> handler;
    };
    const Def defs[] = {
        {"ToolButton1", u"業務終了...", [this] { exitClicked(); }},
        {"ToolButton2", u"受付日でソート", [this] { SortList(2); }},
        {"ToolButton3", u"合格日でソート", [this] { SortList(3); }},
        {"ToolButton4", u"評定点でソート", [this] { SortList(11); }},
        {"ToolButton5", u"入力欄を消去", [this] { ClearEntry(); }},
        {"ToolButton7", u"台帳集計・印刷...", [this] { emit printMenuRequested(); }},
    };
    for (const Def &d : defs) {
        QToolButton *b =
            flatButton(QString::fromLatin1(d.name), QString::fromUtf16(d.caption), tools);
        b->setFixedSize(91, 35);
        QFont small = b->font();
        small.setPointSizeF(std::min(small.pointSizeF(), 8.0));
        b->setFont(small);
        auto handler = d.handler;
        connect(b, &QToolButton::clicked, this, [this, handler] { runAction(this, handler); });
        tools->addWidget(b);
    }

    // The aggregation status panel.
    auto *panel = new QWidget(tools);
    panel->setObjectName(QStringLiteral("Panel5"));
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(12, 0, 4, 0);
    auto *label31 = new QLabel(QStringLiteral("<<集計状況表示>>"), panel);
    label31->setObjectName(QStringLiteral("Label31"));
    m_label25 = new QLabel(QStringLiteral("集計中..."), panel);
    m_label25->setObjectName(QStringLiteral("Label25"));
    m_label25->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    m_label25->hide();
    m_progress = new QProgressBar(panel);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setFixedWidth(160);
    m_progress->setTextVisible(false);
    m_progress->hide();
    row->addWidget(label31);
    row->addWidget(m_label25);
    row->addWidget(m_progress);
    row->addStretch(1);
    tools->addWidget(panel);
}

QWidget *LedgerWindow::buildHeader() {
    auto *header = new QWidget(this);
    header->setObjectName(QStringLiteral("Panel1"));
    header->setAutoFillBackground(true);
    QPalette pal = header->palette();
    pal.setColor(QPalette::Window, QColor(Cream));
    header->setPalette(pal);
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(6, 2, 6, 2);

    m_yearBox = new QComboBox(header);
    m_yearBox->setObjectName(QStringLiteral("ComboBox1"));
    m_yearBox->setEditable(true);
    m_yearBox->setInsertPolicy(QComboBox::NoInsert);
    m_yearBox->setMaxVisibleItems(10);
    // The list runs from 2011 to the year after the current fiscal year.
    const int lastYear = fiscalYearOf(Clock::current().today()) + 1;
    for (int y = 2011; y <= std::max(lastYear, 2020); ++y)
        m_yearBox->addItem(QString::number(y));
    m_yearBox->setEditText(QStringLiteral("2011"));
    m_yearBox->setFixedWidth(70);
    QFont big = m_yearBox->font();
    big.setPointSize(12);
    big.setBold(true);
    m_yearBox->setFont(big);
    // Only a choice from the list changes the year: Enter in the box chooses nothing.
    m_yearBox->lineEdit()->installEventFilter(this);
    m_yearBox->installEventFilter(this);
    connect(m_yearBox, &QComboBox::activated, this,
            [this](int index) { runAction(this, [&] { yearChosen(index); }); });
    row->addWidget(m_yearBox);

    auto *title = new QLabel(QStringLiteral("年度 工事検査台帳"), header);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(big);
    row->addWidget(title);
    row->addSpacing(10);

    auto *names = new QVBoxLayout;
    auto *line = new QHBoxLayout;
    m_label21 = new QLabel(QStringLiteral("全検査員"), header);
    m_label21->setObjectName(QStringLiteral("Label21"));
    m_label21->setStyleSheet(QStringLiteral("color: red;"));
    m_label21->setFont(big);
    auto *open = new QLabel(QStringLiteral("("), header);
    m_label26 = new QLabel(QStringLiteral("***"), header);
    m_label26->setObjectName(QStringLiteral("Label26"));
    auto *close = new QLabel(QStringLiteral("担当)"), header);
    line->addWidget(m_label21);
    line->addWidget(open);
    line->addWidget(m_label26);
    line->addWidget(close);
    line->addStretch(1);
    names->addLayout(line);
    m_label33 = new QLabel(header);
    m_label33->setObjectName(QStringLiteral("Label33"));
    m_label33->setStyleSheet(QStringLiteral("color: blue;"));
    m_label33->hide();
    names->addWidget(m_label33);
    row->addLayout(names, 1);

    m_bandGroup = new RadioGroup(
        QStringLiteral("RadioGroup2"), QStringLiteral("金額(万)"),
        {QStringLiteral("0～"), QStringLiteral("2,500～"), QStringLiteral("4,500～")}, 3, header);
    m_bandGroup->setItemIndex(0);
    connect(m_bandGroup, &RadioGroup::itemChanged, this,
            [this] { runAction(this, [this] { RefreshList(); }); });
    row->addWidget(m_bandGroup);

    QStringList months;
    for (int m : {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3})
        months << QString::number(m) + QStringLiteral("月");
    months << QStringLiteral("全て");
    m_monthGroup =
        new RadioGroup(QStringLiteral("RadioGroup1"),
                       QStringLiteral(" 一覧表に表示する受付月を選択"), months, 7, header);
    m_monthGroup->setItemIndex(12);
    connect(m_monthGroup, &RadioGroup::itemChanged, this,
            [this] { runAction(this, [this] { RefreshList(); }); });
    row->addWidget(m_monthGroup);
    return header;
}

void LedgerWindow::buildPages() {
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setTabPosition(QTabWidget::South);
    m_pages->setStyleSheet(QStringLiteral("QTabBar::tab { width: 150px; }"));
    const QString pageNames[] = {QStringLiteral("①検査依頼受付"), QStringLiteral("②検査結果登録"),
                                 QStringLiteral("③発送処理")};
    const QString gridNames[] = {QStringLiteral("DBGrid1"), QStringLiteral("DBGrid3"),
                                 QStringLiteral("DBGrid4")};
    const QString groupNames[] = {QStringLiteral("GroupBox2"), QStringLiteral("GroupBox6"),
                                  QStringLiteral("GroupBox8")};
    for (int p = 1; p <= 3; ++p) {
        auto *page = new QWidget(m_pages);
        page->setObjectName(QStringLiteral("TabSheet%1").arg(p));
        auto *col = new QVBoxLayout(page);
        col->setContentsMargins(2, 2, 2, 2);
        col->setSpacing(2);
        col->addWidget(buildEntryGroup(p));
        auto *group = new QGroupBox(QStringLiteral("一覧表"), page);
        group->setObjectName(groupNames[p - 1]);
        auto *gcol = new QVBoxLayout(group);
        gcol->setContentsMargins(2, 2, 2, 2);
        gcol->addWidget(buildGrid(gridNames[p - 1], p), 1);
        if (p == 1)
            gcol->addWidget(buildReceptionStrip());
        col->addWidget(group, 1);
        m_listGroups << group;
        m_pages->addTab(page, pageNames[p - 1]);
    }
}

QTableView *LedgerWindow::buildGrid(const QString &name, int page) {
    auto *view = new QTableView(this);
    view->setObjectName(name);
    QList<GridColumn> cols = page == 1   ? receptionGridColumns()
                             : page == 2 ? resultGridColumns()
                                         : dispatchGridColumns();
    auto *model = new GridModel(m_list, cols, view);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->verticalHeader()->setMinimumSectionSize(18);
    view->verticalHeader()->setFixedWidth(14);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->setWordWrap(false);
    view->setAlternatingRowColors(false);
    for (int c = 0; c < cols.size(); ++c)
        view->setColumnWidth(c, cols.at(c).width);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_syncing && current.isValid())
                    m_list.setCurrentRow(current.row());
            });
    connect(model, &QAbstractItemModel::modelReset, this,
            [this] { syncGrids(m_list.currentRow()); });
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
    m_grids << view;
    return view;
}

QWidget *LedgerWindow::buildReceptionStrip() {
    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel3"));
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char16_t *column;
        const char16_t *hint;
        int width;
    } defs[] = {{u"時間", u"受付時間", 50},
                {u"備考", u"備考", 90},
                {u"請負業者名", u"業者名", 260},
                {u"工期至", u"（至）当初工期", 90},
                {u"監督員", u"監督員氏名", 120}};
    int n = 1;
    for (const auto &d : defs) {
        auto *e = new QLineEdit(strip);
        e->setObjectName(QStringLiteral("DBEdit%1").arg(n++));
        e->setReadOnly(true);
        e->setToolTip(QString::fromUtf16(d.hint));
        e->setProperty("column", QString::fromUtf16(d.column));
        e->setFixedWidth(d.width);
        row->addWidget(e);
        m_strip << e;
    }
    row->addStretch(1);
    return strip;
}

void LedgerWindow::buildBottomRow(QWidget *area) {
    auto *bottom = new QWidget(area);
    bottom->setObjectName(QStringLiteral("Panel4"));
    auto *row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 2, 0, 0);

    // The delete panel: red, "ﾃﾞｰﾀ削除", a navigator that shows only its delete button.
    m_deletePanel = new QWidget(bottom);
    m_deletePanel->setObjectName(QStringLiteral("Panel2"));
    m_deletePanel->setAutoFillBackground(true);
    QPalette red = m_deletePanel->palette();
    red.setColor(QPalette::Window, Qt::red);
    m_deletePanel->setPalette(red);
    auto *drow = new QHBoxLayout(m_deletePanel);
    drow->setContentsMargins(4, 1, 4, 1);
    auto *dlabel = new QLabel(QStringLiteral("ﾃﾞｰﾀ削除"), m_deletePanel);
    dlabel->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    auto *deleter =
        new RecordNavigator(QStringLiteral("DBNavigator2"), RecordNavigator::Delete, m_deletePanel);
    connect(deleter, &RecordNavigator::deleteClicked, this,
            [this] { runAction(this, [this] { deleteCurrentCase(); }); });
    drow->addWidget(dlabel);
    drow->addWidget(deleter);
    m_deletePanel->hide();
    row->addWidget(m_deletePanel);

    // The paste box of one spreadsheet row, with its button and the hidden item list.
    m_pasteBox = new QWidget(bottom);
    m_pasteBox->setObjectName(QStringLiteral("PastePanel"));
    auto *prow = new QHBoxLayout(m_pasteBox);
    prow->setContentsMargins(0, 0, 0, 0);
    auto *plabel = new QLabel(QStringLiteral("ExceL 1行貼付け"), m_pasteBox);
    plabel->setStyleSheet(QStringLiteral("color: white;"));
    auto *pedit = new QLineEdit(m_pasteBox);
    pedit->setObjectName(QStringLiteral("LabeledEdit1"));
    pedit->setMinimumWidth(360);
    plabel->setBuddy(pedit);
    QToolButton *pbutton =
        flatButton(QStringLiteral("SpeedButton13"), QStringLiteral("貼付け実行"), m_pasteBox);
    pbutton->setStyleSheet(QStringLiteral("color: white;"));
    connect(pbutton, &QToolButton::clicked, this,
            [this] { runAction(this, [this] { pasteRow(); }); });
    auto *items = new QListWidget(m_pasteBox);
    items->setObjectName(QStringLiteral("ListBox1"));
    items->hide();
    prow->addWidget(plabel);
    prow->addWidget(pedit);
    prow->addWidget(pbutton);
    m_pasteBox->hide();
    row->addWidget(m_pasteBox);

    row->addStretch(1);
    auto *nav = new RecordNavigator(QStringLiteral("DBNavigator1"),
                                    RecordNavigator::First | RecordNavigator::Prior |
                                        RecordNavigator::Next | RecordNavigator::Last,
                                    bottom);
    connect(nav, &RecordNavigator::firstClicked, this, [this] { m_list.first(); });
    connect(nav, &RecordNavigator::priorClicked, this, [this] { m_list.prior(); });
    connect(nav, &RecordNavigator::nextClicked, this, [this] { m_list.next(); });
    connect(nav, &RecordNavigator::lastClicked, this, [this] { m_list.last(); });
    row->addWidget(nav);
    static_cast<QVBoxLayout *>(area->layout())->addWidget(bottom);
}

void LedgerWindow::updateStrip() {
    for (QLineEdit *e : std::as_const(m_strip)) {
        const QString column = e->property("column").toString();
        e->setText(m_list.recordCount() > 0 ? m_list.fieldText(column) : QString());
        e->setCursorPosition(0);
    }
}

void LedgerWindow::syncGrids(int row) {
    m_syncing = true;
    for (QTableView *v : std::as_const(m_grids)) {
        if (row < 0) {
            v->selectionModel()->clear();
            continue;
        }
        const QModelIndex idx = v->model()->index(row, 0);
        if (v->selectionModel()->currentIndex().row() != row)
            v->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
        else
            v->selectionModel()->select(idx, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
        if (v->isVisible())
            v->scrollTo(idx);
    }
    m_syncing = false;
}

void LedgerWindow::setWriteButtonsEnabled(bool on) {
    for (QToolButton *b : std::as_const(m_writeButtons))
        b->setEnabled(on);
}

void LedgerWindow::updateStatusDate() {
    static const char16_t *const weekdays[] = {u"日曜日", u"月曜日", u"火曜日", u"水曜日",
                                               u"木曜日", u"金曜日", u"土曜日"};
    const QDate today = Clock::current().today();
    m_statusDate->setText(QStringLiteral("今日は ") + today.toString(QStringLiteral("yyyy/MM/dd")) +
                          QStringLiteral(" (") +
                          QString::fromUtf16(weekdays[today.dayOfWeek() % 7]) +
                          QStringLiteral(")"));
}

QPoint LedgerWindow::dialogPos(int dx, int dy) const {
    return pos() + QPoint(dx, dy);
}

void LedgerWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!m_startedUp)
        startUp();
}

void LedgerWindow::startUp() {
    if (m_startedUp)
        return;
    m_startedUp = true;
    runAction(this, [this] {
        SharedState &s = shared();
        // 1. Amount and number boxes: right-aligned, digits only for typing.
        for (const char *name : {"Edit8", "Edit35", "Edit39", "Edit74"}) {
            QLineEdit *e = box(QString::fromLatin1(name));
            e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            e->setProperty("digitsOnly", true);
            e->installEventFilter(this);
        }
        // 2., 3.
        s.workDir = QDir::toNativeSeparators(QDir::currentPath());
        while (s.workDir.size() > 1 &&
               (s.workDir.endsWith(QLatin1Char('/')) || s.workDir.endsWith(QLatin1Char('\\'))))
            s.workDir.chop(1);
        updateStatusDate();
        // 4. The ledger file must be there.
        const QString file = QDir(QDir::currentPath()).filePath(QStringLiteral("DB.mdb"));
        if (!QFileInfo::exists(file)) {
            Prompter::message(QStringLiteral("サーバへの接続が出来ていません。"), std::nullopt,
                              this);
            return;
        }
        // 5.
        m_db.close();
        m_db.open(file);
        // 6.
        s.fiscalYear = QString::number(fiscalYearOf(Clock::current().today()));
        m_yearBox->setEditText(s.fiscalYear);
        // 7.
        LoadRoster();
        // 8., 9.
        s.firstYearId = readFirstYearId(m_temp, s.fiscalYear);
        s.numbering = readNumbering(m_temp);
        // 10. The picker's seal list.
        m_temp.close();
        m_temp.open(QStringLiteral("select * from 21公印"));
        if (m_sealList) {
            m_sealList->clear();
            m_temp.first();
            m_sealList->setEditText(m_temp.text(QStringLiteral("公印種類")));
            m_sealList->setMaxVisibleItems(std::max(1, m_temp.recordCount()));
            for (m_temp.first(); !m_temp.eof(); m_temp.next())
                m_sealList->addItem(m_temp.text(QStringLiteral("公印種類")));
            m_temp.first();
            m_sealList->setEditText(m_temp.text(QStringLiteral("公印種類")));
        }
        m_temp.close();
        // 11.
        RefreshList();
        // 12.
        m_statusDate->setMinimumWidth(std::max(0, statusBar()->width() - 400));
        // 13.
        if (m_calendar)
            m_calendar->setSelectedDate(Clock::current().today());
    });
}

void LedgerWindow::exitClicked() {
    if (!Prompter::ask(QStringLiteral("終了しますか。"), dialogPos(6, 85), this))
        return;
    close();
}

void LedgerWindow::closeEvent(QCloseEvent *event) {
    m_list.close();
    m_db.close();
    event->accept();
    emit closed();
}

void LedgerWindow::ProgressDisplay(int mode, int maximum) {
    if (mode == 1) {
        m_label25->show();
        m_label25->repaint();
        m_progress->show();
        m_progress->setRange(0, std::max(0, maximum));
        m_progress->setValue(0);
        m_progress->repaint();
    } else if (mode == 0) {
        m_label25->hide();
        m_label25->repaint();
        m_progress->hide();
    }
}

void LedgerWindow::stepProgress() {
    // A bar stepped past its maximum starts again from zero.
    int next = m_progress->value() + 1;
    if (next > m_progress->maximum())
        next = m_progress->minimum();
    m_progress->setValue(next);
    m_progress->repaint();
}
