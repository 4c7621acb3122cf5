// The three entry pages: their boxes, loading the selected case and clearing.
#include "LedgerWindow.h"

#include "EngineError.h"
#include "EntryBoxes.h"
#include "Formats.h"
#include "Prompter.h"
#include "SharedState.h"
#include "SqlText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QWidget *captionWidget(const EntryBox &b, QWidget *parent) {
    QWidget *w;
    if (!b.captionButton.isEmpty()) {
        auto *button = new QToolButton(parent);
        button->setObjectName(b.captionButton);
        button->setText(b.caption);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        if (!b.captionHint.isEmpty())
            button->setToolTip(b.captionHint);
        button->setStyleSheet(QStringLiteral("QToolButton { color: #000080; padding: 0px; }"));
        w = button;
    } else {
        auto *label = new QLabel(b.caption, parent);
        label->setObjectName(b.name + QStringLiteral("Caption"));
        w = label;
    }
    w->setFixedHeight(18);
    return w;
}

QVBoxLayout *boxStack(const EntryBox &b, QLineEdit *edit, QWidget *parent) {
    auto *stack = new QVBoxLayout;
    stack->setSpacing(0);
    stack->addWidget(captionWidget(b, parent), 0, Qt::AlignHCenter);
    stack->addWidget(edit);
    return stack;
}
} // namespace

QWidget *LedgerWindow::buildEntryGroup(int page) {
    static const char *const groupNames[] = {"GroupBox1", "GroupBox5", "GroupBox7"};
    auto *group = new QGroupBox(
        QStringLiteral("入力欄　（修正する場合は、一覧表の該当工事をクリック）"), this);
    group->setObjectName(QString::fromLatin1(groupNames[page - 1]));
    auto *outer = new QHBoxLayout(group);
    outer->setContentsMargins(4, 2, 4, 2);
    auto *rows = new QVBoxLayout;
    rows->setSpacing(2);
    outer->addLayout(rows, 1);

    QList<const EntryBox *> pageBoxes;
    for (const EntryBox &b : entryBoxes()) {
        if (b.page != page)
            continue;
        auto *edit = new QLineEdit(group);
        edit->setObjectName(b.name);
        edit->setText(b.initial);
        if (!b.hint.isEmpty())
            edit->setToolTip(b.hint);
        if (b.is(EntryBox::RightAligned))
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (b.is(EntryBox::Grey)) {
            edit->setReadOnly(true);
            edit->setStyleSheet(QStringLiteral("QLineEdit { background: #D4D0C8; }"));
        }
        edit->setFixedWidth(b.width);
        m_boxes.insert(b.name, edit);
        if (b.is(EntryBox::Hidden))
            edit->hide();
        else
            pageBoxes << &b;
    }
    std::stable_sort(pageBoxes.begin(), pageBoxes.end(), [](const EntryBox *a, const EntryBox *b) {
        return a->row != b->row ? a->row < b->row : a->slot < b->slot;
    });

    for (int r = 0; r <= 1; ++r) {
        auto *line = new QHBoxLayout;
        line->setSpacing(3);
        for (qsizetype i = 0; i < pageBoxes.size(); ++i) {
            const EntryBox &b = *pageBoxes.at(i);
            if (b.row != r)
                continue;
            if (b.group.isEmpty()) {
                auto *col = new QVBoxLayout;
                col->setSpacing(0);
                col->addSpacing(16);
                col->addLayout(boxStack(b, m_boxes.value(b.name), group));
                line->addLayout(col);
                continue;
            }
            // Boxes under one heading ("当初工期", "評定点" …) stand side by side below it.
            auto *col = new QVBoxLayout;
            col->setSpacing(0);
            auto *heading = new QLabel(b.group, group);
            heading->setAlignment(Qt::AlignCenter);
            heading->setFixedHeight(16);
            heading->setStyleSheet(QStringLiteral("QLabel { border-bottom: 1px solid gray; }"));
            col->addWidget(heading);
            auto *pair = new QHBoxLayout;
            pair->setSpacing(3);
            qsizetype j = i;
            while (j < pageBoxes.size() && pageBoxes.at(j)->row == r &&
                   pageBoxes.at(j)->group == b.group) {
                pair->addLayout(
                    boxStack(*pageBoxes.at(j), m_boxes.value(pageBoxes.at(j)->name), group));
                ++j;
            }
            col->addLayout(pair);
            line->addLayout(col);
            i = j - 1;
        }
        line->addStretch(1);
        rows->addLayout(line);
    }

    // The page's write buttons, disabled until an inspector's tab is selected.
    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    auto addButton = [&](const char *name, const char16_t *caption, const char16_t *hint,
                         void (LedgerWindow::*handler)()) {
        auto *b = new QToolButton(group);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(QString::fromUtf16(caption));
        if (hint)
            b->setToolTip(QString::fromUtf16(hint));
        b->setFixedSize(56, 30);
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
        connect(b, &QToolButton::clicked, this,
                [this, handler] { runAction(this, [&] { (this->*handler)(); }); });
        buttons->addWidget(b);
        m_writeButtons << b;
    };
    if (page == 1) {
        addButton("SpeedButton9", u"修正", u"上書き修正", &LedgerWindow::modifyClicked);
        addButton("SpeedButton12", u"登録", u"新規登録", &LedgerWindow::registerClicked);
    } else if (page == 2) {
        addButton("SpeedButton8", u"上書", nullptr, &LedgerWindow::resultClicked);
    } else {
        addButton("SpeedButton11", u"上書", nullptr, &LedgerWindow::dispatchClicked);
    }
    buttons->addStretch(1);
    outer->addLayout(buttons);
    return group;
}

QLineEdit *LedgerWindow::box(const QString &name) const {
    QLineEdit *e = m_boxes.value(name);
    Q_ASSERT_X(e, "LedgerWindow::box", qPrintable(name));
    return e;
}

QString LedgerWindow::boxText(const QString &name) const {
    return box(name)->text();
}

void LedgerWindow::setBoxText(const QString &name, const QString &text) {
    QLineEdit *e = box(name);
    e->setText(text);
    e->setCursorPosition(0);
}

namespace {
// The amount in yen of the hidden box, shown in units of 10,000 yen.
QString manYenOf(const QString &yenText) {
    const auto yen = Formats::parseFloat(yenText);
    if (!yen)
        throw EngineError(QStringLiteral("'") + yenText +
                          QStringLiteral("' は有効な浮動小数点数ではありません"));
    return Formats::amountInManYen(*yen);
}
} // namespace

void LedgerWindow::LoadCase() {
    if (m_list.recordCount() <= 0 || m_list.currentRow() < 0)
        return;
    auto loadPage = [this](int page) {
        for (const EntryBox &b : entryBoxes()) {
            if (b.page != page)
                continue;
            switch (b.load) {
            case EntryBox::Load::Column:
                setBoxText(b.name, m_list.fieldText(b.column));
                break;
            case EntryBox::Load::AmountManYen:
                setBoxText(b.name, manYenOf(boxText(QStringLiteral("Edit21"))));
                break;
            case EntryBox::Load::ChangedStart:
                setBoxText(b.name, SqlText::trimBlanks(boxText(QStringLiteral("Edit11"))).isEmpty()
                                       ? QString()
                                       : m_list.fieldText(QStringLiteral("工期自")));
                break;
            case EntryBox::Load::Nothing:
                break;
            }
        }
    };
    loadPage(1);
    m_yearBox->setEditText(m_list.fieldText(QStringLiteral("年度")));
    m_label33->setText(QStringLiteral("担当は[ ") + m_list.fieldText(QStringLiteral("検査員")) +
                       QStringLiteral(" 検査員 ]です"));
    m_label33->setVisible(tabIndex() == 0);
    loadPage(2);
    loadPage(3);
}

void LedgerWindow::ClearEntry() {
    for (const EntryBox &b : entryBoxes()) {
        if (!b.is(EntryBox::NotCleared))
            setBoxText(b.name, b.initial);
    }
}
