#include "SettingsWindow.h"

#include "LedgerWindow.h"
#include "GridModel.h"
#include "Prompter.h"
#include "RecordNavigator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {
enum Group { Inspectors = 1, Seals = 2, Books = 3 };

// The entry boxes of the window: each is labelled above, carries a hint and is filled
// from one column of its group's table. row and col place it within its group.
struct MasterBox {
    const char *name;
    const char16_t *label;
    const char16_t *hint; // nullptr: none
    const char16_t *column;
    Group group;
    int row;
    int col;
    int width;
};

const MasterBox masterBoxes[] = {
    {"LabeledEdit1", u"年度", u"西暦を入力", u"年度", Inspectors, 0, 0, 60},
    {"LabeledEdit2", u"検査員番号", u"数値を入力", u"検査員番号", Inspectors, 0, 1, 72},
    {"LabeledEdit3", u"検査員", u"検査員の氏名を入力", u"検査員", Inspectors, 1, 0, 110},
    {"LabeledEdit4", u"職種区分", u"土木、建築、設備のいずれかを入力", u"職種区分", Inspectors, 1,
     1, 72},
    {"LabeledEdit5", u"職員コード", u"入力は任意", u"職員コード", Inspectors, 1, 2, 80},
    {"LabeledEdit6", u"公印種類", nullptr, u"公印種類", Seals, 0, 0, 180},
    {"LabeledEdit7", u"収受名", nullptr, u"収受名", Books, 0, 0, 120},
    {"LabeledEdit8", u"収受開始番号", nullptr, u"収受開始番号", Books, 0, 1, 90},
    {"LabeledEdit9", u"発送名", nullptr, u"発送名", Books, 1, 0, 120},
    {"LabeledEdit10", u"発送開始番号", nullptr, u"発送開始番号", Books, 1, 1, 90},
};

// The columns of DBGrid1 to DBGrid3, with their widths in pixels.
struct GridDef {
    QStringList columns;
    QList<int> widths;
};
const GridDef inspectorGrid{
    {u"ID"_s, u"年度"_s, u"検査員番号"_s, u"検査員"_s, u"職種区分"_s, u"職員コード"_s},
    {30, 40, 64, 80, 56, 64}};
const GridDef sealGrid{{u"ID"_s, u"公印種類"_s}, {36, 200}};
const GridDef bookGrid{{u"収受名"_s, u"収受開始番号"_s, u"発送名"_s, u"発送開始番号"_s},
                       {90, 84, 90, 84}};

const QString Navy = u"#000080"_s;
const QString DeleteQuestion = u"レコードを削除してもよいですか？"_s;

// Places of the questions and of the messages, from the window's corner.
constexpr int AskX = 150, AskY = 120, MessageX = 245, MessageY = 130;
} // namespace

SettingsWindow::SettingsWindow(LedgerWindow &ledger, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , m_ledger(ledger)
    , m_c1(ledger.database(), u"20検査員"_s, this)
    , m_c2(ledger.database(), u"21公印"_s, this)
    , m_c3(ledger.database(), u"22諸定義"_s, this) {
    setObjectName(u"Form6"_s);
    setWindowTitle(u"工事検査員等の設定"_s);
    setWindowModality(Qt::NonModal);
    setFixedSize(399, 501);
    setAutoFillBackground(true);
    QPalette navy = palette();
    navy.setColor(QPalette::Window, QColor(Navy));
    setPalette(navy);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(u"PageControl1"_s);
    m_pages->setPalette(QApplication::palette());
    m_pages->setAutoFillBackground(true);
    // Tabs of a fixed size, their caption highlighted under the mouse.
    m_pages->setStyleSheet(u"QTabBar::tab { width: 110px; height: 22px; padding: 0px; }"
                           " QTabBar::tab:hover { color: #0000FF; }"_s);
    m_pages->addTab(buildInspectorPage(), u"工事検査員"_s);
    m_pages->addTab(buildSealPage(), u"公印名称、収発簿"_s);
    column->addWidget(m_pages, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    QToolButton *close =
        button(u"SpeedButton1"_s, u"閉じる"_s, &SettingsWindow::closeSettings, this);
    close->setAutoRaise(true);
    close->setStyleSheet(u"QToolButton { color: white; font-weight: bold; }"_s);
    close->setFixedSize(80, 28);
    bottom->addWidget(close);
    column->addLayout(bottom);
}

QToolButton *SettingsWindow::button(const QString &name, const QString &caption,
                                    void (SettingsWindow::*handler)(), QWidget *parent) {
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFixedSize(56, 26);
    connect(b, &QToolButton::clicked, this,
            [this, handler] { runAction(this, [&] { (this->*handler)(); }); });
    return b;
}

QWidget *SettingsWindow::boxGrid(int group, QWidget *parent) {
    auto *area = new QWidget(parent);
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    for (const MasterBox &b : masterBoxes) {
        if (b.group != group)
            continue;
        auto *edit = new QLineEdit(area);
        edit->setObjectName(QString::fromLatin1(b.name));
        edit->setFixedWidth(b.width);
        edit->setProperty("column", QString::fromUtf16(b.column));
        if (b.hint)
            edit->setToolTip(QString::fromUtf16(b.hint));
        auto *label = new QLabel(QString::fromUtf16(b.label), area);
        label->setObjectName(QString::fromLatin1(b.name) + u"Label"_s);
        label->setBuddy(edit);
        grid->addWidget(label, b.row * 2, b.col, Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(edit, b.row * 2 + 1, b.col, Qt::AlignLeft);
        m_boxes << edit;
    }
    grid->setColumnStretch(grid->columnCount(), 1);
    return area;
}

QTableView *SettingsWindow::buildGrid(const QString &name, TableDataset &table,
                                      const QStringList &columns, QWidget *parent) {
    auto *view = new QTableView(parent);
    view->setObjectName(name);
    QList<GridColumn> gridColumns;
    for (const QString &column : columns)
        gridColumns.append({column, QString(), 0, QColor()});
    view->setModel(new GridModel(table, gridColumns, view));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->horizontalHeader()->setStretchLastSection(true);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->verticalHeader()->setMinimumSectionSize(18);
    view->verticalHeader()->setFixedWidth(14);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, &table](const QModelIndex &current) {
                if (!m_syncing && current.isValid())
                    table.setCurrentRow(current.row());
            });
    connect(&table, &TableDataset::currentRowChanged, this,
            [this, view](int row) { syncGrid(view, row); });
    connect(view->model(), &QAbstractItemModel::modelReset, this,
            [this, view, &table] { syncGrid(view, table.currentRow()); });
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    return view;
}

RecordNavigator *SettingsWindow::buildNavigator(const QString &name, TableDataset &table,
                                                bool withDelete, QWidget *parent) {
    int buttons = RecordNavigator::First | RecordNavigator::Prior | RecordNavigator::Next |
                  RecordNavigator::Last;
    if (withDelete)
        buttons |= RecordNavigator::Delete;
    auto *nav = new RecordNavigator(name, buttons, parent);
    connect(nav, &RecordNavigator::firstClicked, this, [&table] { table.first(); });
    connect(nav, &RecordNavigator::priorClicked, this, [&table] { table.prior(); });
    connect(nav, &RecordNavigator::nextClicked, this, [&table] { table.next(); });
    connect(nav, &RecordNavigator::lastClicked, this, [&table] { table.last(); });
    connect(nav, &RecordNavigator::deleteClicked, this,
            [this, &table] { runAction(this, [&] { deleteCurrentRow(table); }); });
    return nav;
}

QWidget *SettingsWindow::buildInspectorPage() {
    auto *page = new QWidget(m_pages);
    page->setObjectName(u"TabSheet1"_s);
    auto *col = new QVBoxLayout(page);
    col->setContentsMargins(2, 2, 2, 2);

    auto *group = new QGroupBox(u"工事検査員"_s, page);
    group->setObjectName(u"GroupBox1"_s);
    auto *gcol = new QVBoxLayout(group);
    gcol->setContentsMargins(6, 4, 6, 6);
    auto *entry = new QHBoxLayout;
    entry->addWidget(boxGrid(Inspectors, group), 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(
        button(u"SpeedButton2"_s, u"修正"_s, &SettingsWindow::inspectorEditClicked, group));
    buttons->addWidget(
        button(u"SpeedButton3"_s, u"追加"_s, &SettingsWindow::inspectorAddClicked, group));
    buttons->addStretch(1);
    entry->addLayout(buttons);
    gcol->addLayout(entry);
    m_grid1 = buildGrid(u"DBGrid1"_s, m_c1, inspectorGrid.columns, group);
    for (int c = 0; c < inspectorGrid.widths.size(); ++c)
        m_grid1->setColumnWidth(c, inspectorGrid.widths.at(c));
    gcol->addWidget(m_grid1, 1);
    gcol->addWidget(buildNavigator(u"DBNavigator1"_s, m_c1, true, group), 0, Qt::AlignLeft);
    col->addWidget(group);
    return page;
}

QWidget *SettingsWindow::buildSealPage() {
    auto *page = new QWidget(m_pages);
    page->setObjectName(u"TabSheet2"_s);
    auto *col = new QVBoxLayout(page);
    col->setContentsMargins(2, 2, 2, 2);

    auto *seals = new QGroupBox(u"公印名称"_s, page);
    seals->setObjectName(u"GroupBox2"_s);
    auto *scol = new QVBoxLayout(seals);
    scol->setContentsMargins(6, 4, 6, 6);
    auto *sentry = new QHBoxLayout;
    sentry->addWidget(boxGrid(Seals, seals), 1);
    sentry->addWidget(button(u"SpeedButton4"_s, u"修正"_s, &SettingsWindow::sealEditClicked, seals),
                      0, Qt::AlignBottom);
    sentry->addWidget(button(u"SpeedButton5"_s, u"追加"_s, &SettingsWindow::sealAddClicked, seals),
                      0, Qt::AlignBottom);
    scol->addLayout(sentry);
    m_grid2 = buildGrid(u"DBGrid2"_s, m_c2, sealGrid.columns, seals);
    for (int c = 0; c < sealGrid.widths.size(); ++c)
        m_grid2->setColumnWidth(c, sealGrid.widths.at(c));
    scol->addWidget(m_grid2, 1);
    scol->addWidget(buildNavigator(u"DBNavigator2"_s, m_c2, true, seals), 0, Qt::AlignLeft);
    col->addWidget(seals, 3);

    auto *books = new QGroupBox(u"収発簿定義"_s, page);
    books->setObjectName(u"GroupBox3"_s);
    auto *bcol = new QVBoxLayout(books);
    bcol->setContentsMargins(6, 4, 6, 6);
    auto *bentry = new QHBoxLayout;
    bentry->addWidget(boxGrid(Books, books), 1);
    bentry->addWidget(
        button(u"SpeedButton6"_s, u"修正"_s, &SettingsWindow::booksEditClicked, books), 0,
        Qt::AlignBottom);
    bcol->addLayout(bentry);
    m_grid3 = buildGrid(u"DBGrid3"_s, m_c3, bookGrid.columns, books);
    for (int c = 0; c < bookGrid.widths.size(); ++c)
        m_grid3->setColumnWidth(c, bookGrid.widths.at(c));
    m_grid3->setFixedHeight(64);
    bcol->addWidget(m_grid3);
    bcol->addWidget(buildNavigator(u"DBNavigator3"_s, m_c3, false, books), 0, Qt::AlignLeft);
    col->addWidget(books, 2);
    return page;
}

void SettingsWindow::syncGrid(QTableView *view, int row) {
    m_syncing = true;
    if (row < 0) {
        view->selectionModel()->clear();
    } else {
        const QModelIndex idx = view->model()->index(row, 0);
        view->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
        view->scrollTo(idx);
    }
    m_syncing = false;
}

QLineEdit *SettingsWindow::box(const QString &name) const {
    for (QLineEdit *e : m_boxes) {
        if (e->objectName() == name)
            return e;
    }
    Q_ASSERT_X(false, "SettingsWindow::box", qPrintable(name));
    return nullptr;
}

QPoint SettingsWindow::at(int dx, int dy) const {
    return pos() + QPoint(dx, dy);
}

void SettingsWindow::openSettings() {
    runAction(this, [this] {
        m_c1.open();
        m_c2.open();
        m_c3.open();
        move(m_ledger.dialogPos(0, 40));
        show();
        raise();
        activateWindow();
    });
}

void SettingsWindow::closeTables() {
    m_c1.close();
    m_c2.close();
    m_c3.close();
}

void SettingsWindow::closeSettings() {
    closeTables();
    hide();
}

void SettingsWindow::closeEvent(QCloseEvent *event) {
    closeTables();
    event->accept();
}

bool SettingsWindow::eventFilter(QObject *watched, QEvent *event) {
    // A mouse button released in a grid, or a key released in the inspector and seal
    // grids, loads the current row into the boxes. The navigators only move the row.
    const bool mouse = event->type() == QEvent::MouseButtonRelease;
    const bool key =
        event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent *>(event)->isAutoRepeat();
    if (mouse || key) {
        auto in = [watched](QTableView *v) { return watched == v || watched == v->viewport(); };
        if (in(m_grid1))
            runAction(this, [this] { Ken_Load(); });
        else if (in(m_grid2))
            runAction(this, [this] { Stp_Load(); });
        else if (mouse && in(m_grid3))
            runAction(this, [this] { Uke_Load(); });
    }
    return QWidget::eventFilter(watched, event);
}

namespace {
void loadGroup(const QList<QLineEdit *> &boxes, Group group, const TableDataset &table) {
    if (table.recordCount() <= 0)
        return;
    for (const MasterBox &b : masterBoxes) {
        if (b.group != group)
            continue;
        for (QLineEdit *e : boxes) {
            if (e->objectName() == QLatin1String(b.name)) {
                e->setText(table.fieldText(QString::fromUtf16(b.column)));
                e->setCursorPosition(0);
            }
        }
    }
}
} // namespace

void SettingsWindow::Ken_Load() {
    loadGroup(m_boxes, Inspectors, m_c1);
}

void SettingsWindow::Stp_Load() {
    loadGroup(m_boxes, Seals, m_c2);
}

void SettingsWindow::Uke_Load() {
    loadGroup(m_boxes, Books, m_c3);
}

InspectorBoxes SettingsWindow::inspectorBoxes() const {
    return {box(u"LabeledEdit1"_s)->text(), box(u"LabeledEdit2"_s)->text(),
            box(u"LabeledEdit3"_s)->text(), box(u"LabeledEdit4"_s)->text(),
            box(u"LabeledEdit5"_s)->text()};
}

BookBoxes SettingsWindow::bookBoxes() const {
    return {box(u"LabeledEdit7"_s)->text(), box(u"LabeledEdit8"_s)->text(),
            box(u"LabeledEdit9"_s)->text(), box(u"LabeledEdit10"_s)->text()};
}

TKanri SettingsWindow::kanri() {
    return TKanri(m_ledger.database(), m_ledger.tempQuery(), at(MessageX, MessageY), this);
}

void SettingsWindow::inspectorAddClicked() {
    if (Prompter::ask(u"工事検査員を[新規登録]しますか。"_s, at(AskX, AskY), this))
        kanri().Ken_Add(inspectorBoxes(), m_c1);
}

void SettingsWindow::inspectorEditClicked() {
    if (!Prompter::ask(u"工事検査員を[修正]しますか。"_s, at(AskX, AskY), this))
        return;
    const QString id = m_c1.fieldText(u"ID"_s);
    kanri().Ken_Edit(inspectorBoxes(), m_c1);
    m_c1.locateId(id);
}

void SettingsWindow::sealAddClicked() {
    if (Prompter::ask(u"公印を[新規登録]しますか。"_s, at(AskX, AskY), this))
        kanri().Stp_Add(box(u"LabeledEdit6"_s)->text(), m_c2);
}

void SettingsWindow::sealEditClicked() {
    if (!Prompter::ask(u"公印の種類を[修正]しますか。"_s, at(AskX, AskY), this))
        return;
    const QString id = m_c2.fieldText(u"ID"_s);
    kanri().Stp_Edit(box(u"LabeledEdit6"_s)->text(), m_c2);
    m_c2.locateId(id);
}

void SettingsWindow::booksEditClicked() {
    if (Prompter::ask(u"収発簿の定義を[修正]しますか。"_s, at(AskX, AskY), this))
        kanri().Uke_Edit(bookBoxes(), m_c3);
}

void SettingsWindow::deleteCurrentRow(TableDataset &table) {
    if (table.recordCount() <= 0)
        return;
    if (Prompter::okCancel(DeleteQuestion, this))
        table.deleteCurrent();
}
