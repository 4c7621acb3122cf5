#include "ChoicePicker.h"

#include "LedgerWindow.h"
#include "Prompter.h"
#include "RadioGroup.h"
#include "SqlText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor Navy(0x00, 0x00, 0x80);

// A list drawn in two columns of plain lines, filled top to bottom, then the next column.
class TwoColumnList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void resizeEvent(QResizeEvent *event) override {
        QListWidget::resizeEvent(event);
        setGridSize(QSize(std::max(20, viewport()->width() / 2), 14));
    }
};

QComboBox *choiceBox(const QString &name, const QStringList &items, int shown, QWidget *parent) {
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    // Typed text is written as typed: no completion, and Enter adds nothing to the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->addItems(items);
    combo->setMaxVisibleItems(shown);
    return combo;
}

QStringList hours() {
    QStringList h;
    for (int i = 7; i <= 24; ++i)
        h << QString::number(i);
    return h;
}

const QStringList industries = {
    u"■===土木===■"_s, u"土木一式工事"_s, u"ほ装工事"_s, u"安全施設工事"_s,     u"造園工事"_s,
    u"さく井工事"_s,   u"橋梁補修工事"_s, u"塗装工事"_s, u"とび土工"_s,         u"水道施設工事"_s,
    u"■===建築===■"_s, u"建築一式工事"_s, u"建築工事"_s, u"解体工事"_s,         u"内装仕上工事"_s,
    u"建具工事"_s,     u"防水工事"_s,     u"杭打工事"_s, u"とび土工"_s,         u"■===設備===■"_s,
    u"電気工事"_s,     u"電気通信工事"_s, u"浚渫工事"_s, u"機械器具設置工事"_s, u"管工事"_s,
    u"鋼構造物工事"_s, u"清掃施設工事"_s, u"その他"_s,
};

// The pages in their order in the page control; each writes one box of the LedgerWindow.
struct PageDef {
    const char *sheet;
    const char16_t *caption;
};
const PageDef pageOrder[] = {
    {"TabSheet5", u"時間"},     {"TabSheet4", u"工事名"},    {"TabSheet1", u"契約区分"},
    {"TabSheet2", u"検査区分"}, {"TabSheet6", u"業種名称"},  {"TabSheet3", u"工事区分"},
    {"TabSheet8", u"担当部署"}, {"TabSheet7", u"監督員"},    {"TabSheet9", u"備　考"},
    {"TabSheet10", u"業者名"},  {"TabSheet11", u"点検結果"}, {"TabSheet12", u"公印の種類"},
    {"TabSheet13", u"財務"},
};

QPushButton *pageButton(const QString &name, const QString &caption, QWidget *parent) {
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFixedSize(58, 24);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ChoicePicker::ChoicePicker(LedgerWindow &ledger, QWidget *parent)
    : QWidget(parent)
    , m_ledger(&ledger) {
    setObjectName(u"Form3"_s);
    setWindowTitle(u"入力欄"_s);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setFixedSize(298, 165);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Navy);
    setPalette(pal);
    QFont f = font();
    f.setPointSize(9);
    setFont(f);

    auto *panel = new QWidget(this);
    panel->setObjectName(u"Panel1"_s);
    panel->setGeometry(0, 0, 298, 165);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    m_pages = new QTabWidget(panel);
    m_pages->setObjectName(u"PageControl1"_s);
    panelLayout->addWidget(m_pages);
    for (const PageDef &p : pageOrder)
        addPage(QString::fromLatin1(p.sheet), QString::fromUtf16(p.caption));

    buildTimePage();
    buildTextPage(u"TabSheet4"_s, u"工事名"_s, u"Edit1"_s, u"Edit6"_s);
    buildRadioPage(u"TabSheet1"_s, u"契約区分"_s, u"RadioGroup1"_s, {u"契約依頼"_s, u"各課執行"_s},
                   1, u"Edit20"_s, u"（各課執行は、設計協議）"_s);
    buildRadioPage(
        u"TabSheet2"_s, u"検査区分"_s, u"RadioGroup2"_s,
        {u"完成検査"_s, u"出来高検査"_s, u"中間検査"_s, u"部分完成検査"_s, u"清算出来高検査"_s}, 1,
        u"Edit18"_s);
    m_industries = choiceBox(u"ComboBox3"_s, industries, 33, this);
    m_industries->setCurrentIndex(1); // 土木一式工事
    buildComboPage(u"TabSheet6"_s, u"業種名称"_s, m_industries, u"Edit7"_s);
    buildRadioPage(u"TabSheet3"_s, u"工事区分"_s, u"RadioGroup3"_s,
                   {u"土木"_s, u"舗装"_s, u"造園"_s, u"建築"_s, u"電気設備"_s, u"機械設備"_s}, 2,
                   u"Edit19"_s);
    m_sections = new QListWidget(this);
    m_sections->setObjectName(u"ListBox1"_s);
    buildListPage(u"TabSheet8"_s, u"担当部署"_s, u"担当部署（局　部　課）"_s, u"Edit3"_s,
                  m_sections, u"Edit12"_s, true);
    m_supervisors = new TwoColumnList(this);
    m_supervisors->setObjectName(u"ListBox2"_s);
    m_supervisors->setFlow(QListView::TopToBottom);
    m_supervisors->setWrapping(true);
    m_supervisors->setResizeMode(QListView::Adjust);
    m_supervisors->setUniformItemSizes(true);
    m_supervisors->setSortingEnabled(true);
    buildListPage(u"TabSheet7"_s, u"監督員"_s, u"氏名"_s, u"Edit2"_s, m_supervisors, u"Edit13"_s,
                  false);
    buildRadioPage(u"TabSheet9"_s, u"備　考"_s, u"RadioGroup4"_s,
                   {u"＊＊＊"_s, u"繰越"_s, u"繰越出来高"_s, u"繰越清算"_s, u"設計協議"_s,
                    u"中間出来高"_s, u"部分完成"_s, u"清算出来高"_s},
                   2, u"Edit38"_s);
    buildTextPage(u"TabSheet10"_s, u"業者名"_s, u"Edit4"_s, u"Edit36"_s);
    buildRadioPage(u"TabSheet11"_s, u"点検結果"_s, u"RadioGroup5"_s,
                   {u"特になし"_s, u"指示書指示"_s, u"指示書指導"_s, u"口頭指示"_s, u"口頭指導"_s},
                   2, u"Edit27"_s);
    m_seals = choiceBox(u"ComboBox4"_s, {}, 8, this);
    buildComboPage(u"TabSheet12"_s, u"公印の種類"_s, m_seals, u"Edit92"_s);
    buildRadioPage(u"TabSheet13"_s, u"財務"_s, u"RadioGroup6"_s, {u"×"_s, u"○"_s}, 1, u"Edit34"_s);

    for (QListWidget *list : {m_sections, m_supervisors}) {
        list->setStyleSheet(u"QListWidget::item { height: 14px; padding: 0px; }"_s);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    }
}

QWidget *ChoicePicker::addPage(const QString &sheet, const QString &caption) {
    auto *page = new QWidget(m_pages);
    page->setObjectName(sheet);
    m_pages->addTab(page, caption);
    return page;
}

namespace {
QWidget *pageNamed(QTabWidget *pages, const QString &sheet) {
    for (int i = 0; i < pages->count(); ++i) {
        if (pages->widget(i)->objectName() == sheet)
            return pages->widget(i);
    }
    return nullptr;
}

// A page: its choice controls on the left, its buttons in a column on the right.
QVBoxLayout *pageLayout(QWidget *page, QVBoxLayout **buttons) {
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(4);
    auto *content = new QVBoxLayout;
    row->addLayout(content, 1);
    *buttons = new QVBoxLayout;
    (*buttons)->setSpacing(3);
    row->addLayout(*buttons);
    return content;
}
} // namespace

void ChoicePicker::buildTimePage() {
    QWidget *page = pageNamed(m_pages, u"TabSheet5"_s);
    QVBoxLayout *buttons = nullptr;
    QVBoxLayout *content = pageLayout(page, &buttons);
    m_hours = choiceBox(u"ComboBox1"_s, hours(), 18, page);
    m_hours->setCurrentIndex(3); // 10
    m_minutes =
        choiceBox(u"ComboBox2"_s, {u"00"_s, u"10"_s, u"20"_s, u"30"_s, u"40"_s, u"50"_s}, 6, page);
    m_minutes->setCurrentIndex(0);
    auto *line = new QHBoxLayout;
    line->addWidget(m_hours);
    line->addWidget(new QLabel(u"時"_s, page));
    line->addWidget(new QLabel(u"："_s, page));
    line->addWidget(m_minutes);
    line->addWidget(new QLabel(u"分"_s, page));
    line->addStretch(1);
    content->addStretch(1);
    content->addLayout(line);
    content->addStretch(2);

    auto choose = [this] { runAction(this, [this] { write(u"Edit3"_s, timeText()); }); };
    connect(m_hours, &QComboBox::activated, this, choose);
    connect(m_minutes, &QComboBox::activated, this, choose);

    QPushButton *transfer = pageButton(u"TabSheet5Transfer"_s, u"転記"_s, page);
    QPushButton *cls = pageButton(u"TabSheet5Cls"_s, u"CLS"_s, page);
    QPushButton *close = pageButton(u"TabSheet5Close"_s, u"閉じる"_s, page);
    connect(transfer, &QPushButton::clicked, this, [this] {
        runAction(this, [this] {
            write(u"Edit3"_s, timeText());
            hide();
        });
    });
    // The hour and minute keep their texts, so that choosing a minute alone later writes
    // the old hour with it.
    connect(cls, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { write(u"Edit3"_s, QString()); }); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    buttons->addWidget(transfer);
    buttons->addWidget(cls);
    buttons->addStretch(1);
    buttons->addWidget(close);
}

QString ChoicePicker::timeText() const {
    return m_hours->currentText() + u":"_s + m_minutes->currentText();
}

// "転記" writes the page's box into the field and hides the window; "CLS" empties both.
void ChoicePicker::addBoxButtons(QVBoxLayout *buttons, QWidget *page, const QString &sheet,
                                 QLineEdit *edit, const QString &field) {
    QPushButton *transfer = pageButton(sheet + u"Transfer"_s, u"転記"_s, page);
    QPushButton *cls = pageButton(sheet + u"Cls"_s, u"CLS"_s, page);
    connect(transfer, &QPushButton::clicked, this, [this, edit, field] {
        runAction(this, [&] {
            write(field, edit->text());
            hide();
        });
    });
    connect(cls, &QPushButton::clicked, this, [this, edit, field] {
        runAction(this, [&] {
            write(field, QString());
            edit->clear();
        });
    });
    buttons->addWidget(transfer);
    buttons->addWidget(cls);
}

void ChoicePicker::buildTextPage(const QString &sheet, const QString &caption,
                                 const QString &boxName, const QString &field) {
    Q_UNUSED(caption);
    QWidget *page = pageNamed(m_pages, sheet);
    QVBoxLayout *buttons = nullptr;
    QVBoxLayout *content = pageLayout(page, &buttons);
    auto *edit = new QLineEdit(page);
    edit->setObjectName(boxName);
    m_boxes.insert(boxName, edit);
    content->addStretch(1);
    content->addWidget(edit);
    content->addStretch(2);

    addBoxButtons(buttons, page, sheet, edit, field);
    QPushButton *close = pageButton(sheet + u"Close"_s, u"閉じる"_s, page);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    buttons->addStretch(1);
    buttons->addWidget(close);
}

void ChoicePicker::buildRadioPage(const QString &sheet, const QString &caption,
                                  const QString &groupName, const QStringList &items, int columns,
                                  const QString &field, const QString &note) {
    QWidget *page = pageNamed(m_pages, sheet);
    QVBoxLayout *buttons = nullptr;
    QVBoxLayout *content = pageLayout(page, &buttons);
    auto *group = new RadioGroup(groupName, caption, items, columns, page);
    group->setItemIndex(0);
    content->addWidget(group);
    if (!note.isEmpty()) {
        auto *label = new QLabel(note, page);
        label->setStyleSheet(u"QLabel { color: blue; }"_s);
        content->addWidget(label);
    }
    content->addStretch(1);
    // Only a change of the selection writes: the item already selected writes nothing.
    connect(group, &RadioGroup::itemChanged, this, [this, group, field](int index) {
        runAction(this, [&] { write(field, group->itemText(index)); });
    });
    QPushButton *close = pageButton(sheet + u"Close"_s, u"閉じる"_s, page);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    buttons->addStretch(1);
    buttons->addWidget(close);
}

void ChoicePicker::buildComboPage(const QString &sheet, const QString &caption, QComboBox *combo,
                                  const QString &field) {
    Q_UNUSED(caption);
    QWidget *page = pageNamed(m_pages, sheet);
    QVBoxLayout *buttons = nullptr;
    QVBoxLayout *content = pageLayout(page, &buttons);
    combo->setParent(page);
    content->addStretch(1);
    content->addWidget(combo);
    content->addStretch(2);
    // A choice from the list writes at once; "転記" writes the box's text, chosen or typed.
    connect(combo, &QComboBox::activated, this, [this, combo, field](int index) {
        runAction(this, [&] { write(field, combo->itemText(index)); });
    });
    QPushButton *transfer = pageButton(sheet + u"Transfer"_s, u"転記"_s, page);
    QPushButton *close = pageButton(sheet + u"Close"_s, u"閉じる"_s, page);
    connect(transfer, &QPushButton::clicked, this, [this, combo, field] {
        runAction(this, [&] {
            write(field, combo->currentText());
            hide();
        });
    });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    buttons->addWidget(transfer);
    buttons->addStretch(1);
    buttons->addWidget(close);
}

void ChoicePicker::buildListPage(const QString &sheet, const QString &caption,
                                 const QString &groupCaption, const QString &boxName,
                                 QListWidget *list, const QString &field, bool withAll) {
    Q_UNUSED(caption);
    QWidget *page = pageNamed(m_pages, sheet);
    QVBoxLayout *buttons = nullptr;
    QVBoxLayout *content = pageLayout(page, &buttons);
    auto *group = new QGroupBox(groupCaption, page);
    auto *inner = new QVBoxLayout(group);
    inner->setContentsMargins(3, 2, 3, 3);
    inner->setSpacing(2);
    auto *edit = new QLineEdit(group);
    edit->setObjectName(boxName);
    m_boxes.insert(boxName, edit);
    list->setParent(group);
    inner->addWidget(edit);
    inner->addWidget(list, 1);
    content->addWidget(group);

    // A click on a line puts it into the box and into the LedgerWindow's field at once;
    // moving through the lines with the keys does the same.
    auto pick = [this, edit, field](QListWidgetItem *item) {
        if (!item)
            return;
        runAction(this, [&] {
            edit->setText(item->text());
            edit->setCursorPosition(0);
            write(field, item->text());
        });
    };
    connect(list, &QListWidget::itemClicked, this, pick);
    connect(list, &QListWidget::itemSelectionChanged, this, [list, pick] {
        if (!list->selectedItems().isEmpty())
            pick(list->selectedItems().first());
    });

    addBoxButtons(buttons, page, sheet, edit, field);
    QPushButton *close = pageButton(sheet + u"Close"_s, u"閉じる"_s, page);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    if (withAll) {
        QPushButton *all = pageButton(sheet + u"All"_s, u"全"_s, page);
        all->setToolTip(u"登録済みの全ての課名を表示"_s);
        connect(all, &QPushButton::clicked, this,
                [this] { runAction(this, [this] { LoadAllSections(); }); });
        buttons->addWidget(all);
    }
    buttons->addStretch(1);
    buttons->addWidget(close);
}

void ChoicePicker::ShowPickerPage(const QString &sheet) {
    // The thirteen tabs are set one after the other, TabSheet1 to TabSheet13.
    for (int n = 1; n <= 13; ++n) {
        const QString name = u"TabSheet"_s + QString::number(n);
        QWidget *page = pageNamed(m_pages, name);
        const int index = m_pages->indexOf(page);
        m_pages->setTabVisible(index, name == sheet);
    }
    if (QWidget *page = pageNamed(m_pages, sheet))
        m_pages->setCurrentWidget(page);
}

QString ChoicePicker::currentPage() const {
    QWidget *page = m_pages->currentWidget();
    return page ? page->objectName() : QString();
}

QLineEdit *ChoicePicker::box(const QString &name) const {
    QLineEdit *e = m_boxes.value(name);
    Q_ASSERT_X(e, "ChoicePicker::box", qPrintable(name));
    return e;
}

void ChoicePicker::write(const QString &field, const QString &text) {
    if (m_ledger)
        m_ledger->setBoxText(field, text);
}

QString ChoicePicker::sectionListStatement(const QString &inspector) {
    return u"SELECT 担当課 FROM 10工事検査台帳"_s + u" WHERE (検査員="_s +
           SqlText::quote(inspector) + u")"_s + u" GROUP BY 担当課 ORDER BY 担当課"_s;
}

QString ChoicePicker::supervisorListStatement(const QString &inspector) {
    return u"SELECT 監督員 FROM 10工事検査台帳"_s + u" WHERE (検査員="_s +
           SqlText::quote(inspector) + u")"_s + u" GROUP BY 監督員 ORDER BY 監督員"_s;
}

QString ChoicePicker::allSectionsStatement() {
    return u"SELECT 担当課 FROM 10工事検査台帳"_s + u" GROUP BY 担当課 ORDER BY 担当課"_s;
}

void ChoicePicker::fillList(QListWidget *list, const QString &statement, const QString &column) {
    Query &q = m_ledger->sectionQuery();
    q.close();
    q.open(statement);
    for (q.first(); !q.eof(); q.next())
        list->addItem(q.text(column));
    q.close();
}

void ChoicePicker::LoadSectionList() {
    const QSignalBlocker quiet(m_sections);
    m_sections->clear();
    if (!m_ledger || m_ledger->tabIndex() <= 0)
        return;
    fillList(m_sections, sectionListStatement(m_ledger->tabText()), u"担当課"_s);
}

void ChoicePicker::LoadSupervisorList() {
    const QSignalBlocker quiet(m_supervisors);
    m_supervisors->clear();
    if (!m_ledger || m_ledger->tabIndex() <= 0)
        return;
    fillList(m_supervisors, supervisorListStatement(m_ledger->tabText()), u"監督員"_s);
}

void ChoicePicker::LoadAllSections() {
    const QSignalBlocker quiet(m_sections);
    m_sections->clear();
    if (!m_ledger || m_ledger->tabIndex() <= 0)
        return;
    fillList(m_sections, allSectionsStatement(), u"担当課"_s);
}
