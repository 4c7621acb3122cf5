#include "FieldBindings.h"

#include "CalendarWindow.h"
#include "ChoicePicker.h"
#include "LedgerWindow.h"
#include "NumericKeypad.h"
#include "Prompter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSet>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {
using O = FieldBinding::Opens;
using L = FieldBinding::ListLoad;

FieldBinding calendar(const QString &field, int target, int dx, int dy) {
    FieldBinding b{field, O::Calendar};
    b.target = target;
    b.dx = dx;
    b.dy = dy;
    return b;
}

FieldBinding picker(const QString &field, const QString &page, int dx, int dy,
                    const QString &preloadFrom = QString(), const QString &preloadInto = QString(),
                    L listLoad = L::None) {
    FieldBinding b{field, O::Picker};
    b.page = page;
    b.preloadFrom = preloadFrom;
    b.preloadInto = preloadInto;
    b.listLoad = listLoad;
    b.dx = dx;
    b.dy = dy;
    return b;
}

FieldBinding keypad(const QString &field, const QString &mode, const QString &flag = QString()) {
    FieldBinding b{field, O::Keypad};
    b.mode = mode;
    b.flag = flag;
    return b;
}

QList<FieldBinding> makeBindings() {
    return {
        // Page ① 検査依頼受付
        calendar(u"Edit2"_s, 1, 20, 295),             // 受付日
        picker(u"Edit3"_s, u"TabSheet5"_s, 20, 295),  // 時間
        keypad(u"Edit37"_s, u"4"_s),                  // 工事番号
        picker(u"Edit38"_s, u"TabSheet9"_s, 80, 295), // 備考
        picker(u"Edit6"_s, u"TabSheet4"_s, 170, 295,  // 工事名
               u"Edit6"_s, u"Edit1"_s),
        picker(u"Edit36"_s, u"TabSheet10"_s, 170, 295), // 業者名
        picker(u"Edit20"_s, u"TabSheet1"_s, 370, 275),  // 契約区分
        picker(u"Edit18"_s, u"TabSheet2"_s, 410, 275),  // 検査区分
        picker(u"Edit7"_s, u"TabSheet6"_s, 460, 275),   // 業種名称
        picker(u"Edit19"_s, u"TabSheet3"_s, 530, 275),  // 工事区分
        keypad(u"Edit8"_s, u"1"_s),                     // 請負金額
        calendar(u"Edit9"_s, 4, 670, 295),              // 当初工期 (自)
        calendar(u"Edit10"_s, 5, 750, 295),             // 当初工期 (至)
        FieldBinding{u"Edit42"_s, O::NoEntry},          // 変更工期 (自): shown only
        calendar(u"Edit11"_s, 6, 750, 295),             // 変更工期 (至)
        picker(u"Edit12"_s, u"TabSheet8"_s, 710, 295,   // 担当部署
               u"Edit12"_s, u"Edit3"_s, L::Sections),
        picker(u"Edit13"_s, u"TabSheet7"_s, 710, 295, // 監督員
               QString(), QString(), L::Supervisors),
        // Page ② 検査結果登録
        calendar(u"Edit26"_s, 7, 70, 275),             // 立入点検日
        picker(u"Edit27"_s, u"TabSheet11"_s, 70, 275), // 立入点検結果
        calendar(u"Edit4"_s, 2, 160, 275),             // 検査日
        calendar(u"Edit5"_s, 3, 190, 275),             // 合格日
        keypad(u"Edit14"_s, u"2"_s, u"1"_s),           // 評定点 監督員
        keypad(u"Edit15"_s, u"2"_s, u"1"_s),           // 係長
        keypad(u"Edit16"_s, u"2"_s, u"1"_s),           // 検査員
        keypad(u"Edit17"_s, u"2"_s, u"0"_s),           // 合計: typed, not recomputed
        // Page ③ 発送処理
        calendar(u"Edit75"_s, 8, 600, 275),             // 発送日
        picker(u"Edit92"_s, u"TabSheet12"_s, 650, 275), // 公印の種類
        keypad(u"Edit90"_s, u"3"_s),                    // 件数
        keypad(u"Edit79"_s, u"3"_s),                    // 押印数
        picker(u"Edit34"_s, u"TabSheet13"_s, 650, 275), // 財務チェック
    };
}

QList<ClearCaption> makeClearCaptions() {
    return {
        {u"SpeedButton3"_s, {{u"Edit2"_s, u""_s}, {u"Edit24"_s, u"0"_s}}}, // 受付日
        {u"SpeedButton2"_s, {{u"Edit3"_s, u""_s}}},                        // 時間
        {u"SpeedButton14"_s, {{u"Edit38"_s, u""_s}}},                      // 備考
        {u"SpeedButton6"_s, {{u"Edit9"_s, u""_s}, {u"Edit42"_s, u""_s}}},  // (自)
        {u"SpeedButton7"_s, {{u"Edit10"_s, u""_s}}},                       // (至) 当初工期
        {u"SpeedButton1"_s, {{u"Edit11"_s, u""_s}}},                       // (至) 変更工期
        {u"SpeedButton10"_s, {{u"Edit26"_s, u""_s}}},                      // 点検日
        {u"SpeedButton15"_s, {{u"Edit27"_s, u""_s}}},                      // 結果
        {u"SpeedButton4"_s,                                                // 検査日
         {{u"Edit4"_s, u""_s}, {u"Edit5"_s, u""_s}, {u"Edit22"_s, u"0"_s}, {u"Edit23"_s, u"0"_s}}},
        {u"SpeedButton5"_s, // 合格日
         {{u"Edit5"_s, u""_s}, {u"Edit22"_s, u"0"_s}, {u"Edit23"_s, u"0"_s}}},
    };
}

QList<KeyboardRefusal> makeKeyboardRefusals() {
    return {
        {u"Edit2"_s, {{u"Edit2"_s, u""_s}, {u"Edit24"_s, u"0"_s}}},
        {u"Edit5"_s, {{u"Edit5"_s, u""_s}, {u"Edit22"_s, u"0"_s}, {u"Edit23"_s, u"0"_s}}},
        {u"Edit8"_s, {{u"Edit8"_s, u"0"_s}, {u"Edit21"_s, u"0"_s}}},
        {u"Edit14"_s, {{u"Edit14"_s, u"0.0"_s}}},
        {u"Edit15"_s, {{u"Edit15"_s, u"0.0"_s}}},
        {u"Edit16"_s, {{u"Edit16"_s, u"0.0"_s}}},
        {u"Edit17"_s, {{u"Edit17"_s, u"0.0"_s}}},
    };
}

const KeyboardRefusal *findKeyboardRefusal(const QString &field) {
    for (const KeyboardRefusal &r : keyboardRefusals()) {
        if (r.field == field)
            return &r;
    }
    return nullptr;
}
} // namespace

const QList<FieldBinding> &fieldBindings() {
    static const QList<FieldBinding> table = makeBindings();
    return table;
}

const FieldBinding *findFieldBinding(const QString &field) {
    for (const FieldBinding &b : fieldBindings()) {
        if (b.field == field)
            return &b;
    }
    return nullptr;
}

const QList<ClearCaption> &clearCaptions() {
    static const QList<ClearCaption> table = makeClearCaptions();
    return table;
}

const QList<KeyboardRefusal> &keyboardRefusals() {
    static const QList<KeyboardRefusal> table = makeKeyboardRefusals();
    return table;
}

const QStringList &rightButtonRefusals() {
    static const QStringList fields = {u"Edit2"_s,  u"Edit5"_s,  u"Edit8"_s,  u"Edit14"_s,
                                       u"Edit15"_s, u"Edit16"_s, u"Edit17"_s, u"Edit18"_s,
                                       u"Edit19"_s, u"Edit20"_s};
    return fields;
}

const QStringList &ownTextTooltipFields() {
    static const QStringList fields = {
        u"Edit6"_s,  u"Edit7"_s,  u"Edit12"_s, u"Edit13"_s,
        u"Edit18"_s, u"Edit19"_s, u"Edit20"_s, u"Edit36"_s, // page ①
        u"Edit27"_s, u"Edit29"_s,                           // page ②
        u"Edit41"_s, u"Edit78"_s,                           // page ③
    };
    return fields;
}

FieldBindings::FieldBindings(LedgerWindow &ledger, const Assistants &assistants)
    : QObject(&ledger)
    , m_ledger(ledger)
    , m_assistants(assistants) {
    setObjectName(u"FieldBindings"_s);
    installOnBoxes();
    for (const QString &name : ownTextTooltipFields())
        m_ledger.box(name)->setMouseTracking(true);
    // The window itself: see the ShowToParent case of eventFilter.
    m_ledger.installEventFilter(this);

    for (const ClearCaption &c : clearCaptions()) {
        auto *button = m_ledger.findChild<QToolButton *>(c.button);
        Q_ASSERT_X(button, "FieldBindings", qPrintable(c.button));
        if (!button)
            continue;
        const QList<BoxText> effects = c.effects;
        connect(button, &QToolButton::clicked, this,
                [this, effects] { runAction(&m_ledger, [&] { applyTexts(effects); }); });
    }
}

void FieldBindings::installOnBoxes() {
    QSet<QString> names;
    for (const FieldBinding &b : fieldBindings())
        names.insert(b.field);
    for (const KeyboardRefusal &r : keyboardRefusals())
        names.insert(r.field);
    for (const QString &name : rightButtonRefusals())
        names.insert(name);
    for (const QString &name : ownTextTooltipFields())
        names.insert(name);
    // Installing again puts this filter in front of the ones installed since.
    for (const QString &name : std::as_const(names))
        m_ledger.box(name)->installEventFilter(this);
}

void FieldBindings::applyTexts(const QList<BoxText> &texts) {
    for (const BoxText &t : texts)
        m_ledger.setBoxText(t.box, t.text);
}

void FieldBindings::refuseKeyboard(const KeyboardRefusal &refusal) {
    Prompter::message(u"ｷｰﾎﾞｰﾄﾞ入力不可"_s, std::nullopt, &m_ledger);
    applyTexts(refusal.resets);
}

void FieldBindings::open(const QString &field) {
    const FieldBinding *b = findFieldBinding(field);
    if (!b)
        return;
    switch (b->opens) {
    case O::Calendar: {
        CalendarWindow *cal = m_assistants.calendar;
        if (!cal)
            return;
        cal->move(m_ledger.dialogPos(b->dx, b->dy));
        cal->show();
        cal->raise();
        cal->setCalendarTarget(b->target);
        break;
    }
    case O::Picker: {
        ChoicePicker *p = m_assistants.picker;
        if (!p)
            return;
        p->ShowPickerPage(b->page);
        p->move(m_ledger.dialogPos(b->dx, b->dy));
        if (!b->preloadFrom.isEmpty()) {
            QLineEdit *into = p->box(b->preloadInto);
            into->setText(m_ledger.boxText(b->preloadFrom));
            into->setCursorPosition(0);
        }
        // A failed list load ends the opening here: the picker is not shown.
        if (b->listLoad == L::Sections)
            p->LoadSectionList();
        else if (b->listLoad == L::Supervisors)
            p->LoadSupervisorList();
        p->show();
        p->raise();
        break;
    }
    case O::Keypad:
        if (!m_assistants.keypad)
            return;
        if (!b->flag.isEmpty())
            m_ledger.flagLabel()->setText(b->flag);
        m_assistants.keypad->OpenKeypad(m_ledger.box(field), 1, b->mode);
        break;
    case O::NoEntry:
        Prompter::message(u"ここは,入力不要です"_s, std::nullopt, &m_ledger);
        break;
    }
}

bool FieldBindings::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &m_ledger) {
        // The window's own filters on its boxes (digits only for the amount) are installed
        // when it is first shown; the refusals must see every key before them.
        if (event->type() == QEvent::ShowToParent)
            installOnBoxes();
        return false;
    }
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box)
        return false;
    const QString name = box->objectName();
    switch (event->type()) {
    case QEvent::KeyPress:
        if (const KeyboardRefusal *r = findKeyboardRefusal(name);
            r && isTypingKey(*static_cast<QKeyEvent *>(event))) {
            runAction(&m_ledger, [&] { refuseKeyboard(*r); });
            return true;
        }
        break;
    case QEvent::InputMethod:
        if (const KeyboardRefusal *r = findKeyboardRefusal(name);
            r && !static_cast<QInputMethodEvent *>(event)->commitString().isEmpty()) {
            runAction(&m_ledger, [&] { refuseKeyboard(*r); });
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton &&
            rightButtonRefusals().contains(name)) {
            Prompter::message(u"右ｸﾘｯｸ不可"_s, std::nullopt, &m_ledger);
            return true;
        }
        break;
    case QEvent::ContextMenu:
        // No context menu (and so no paste) where the right button is refused.
        if (rightButtonRefusals().contains(name))
            return true;
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            box->rect().contains(mouse->position().toPoint()) && findFieldBinding(name))
            runAction(&m_ledger, [&] { open(name); });
        break;
    }
    case QEvent::MouseMove:
    case QEvent::ToolTip:
        if (ownTextTooltipFields().contains(name))
            box->setToolTip(box->text());
        break;
    default:
        break;
    }
    return false;
}

FieldBindings *bindFields(LedgerWindow &ledger, const Assistants &assistants) {
    if (assistants.picker)
        ledger.setSealList(assistants.picker->sealList());
    if (assistants.calendar)
        ledger.setCalendar(assistants.calendar->calendar());
    return new FieldBindings(ledger, assistants);
}
