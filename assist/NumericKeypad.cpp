#include "NumericKeypad.h"

#include "EngineError.h"
#include "Formats.h"
#include "Prompter.h"
#include "SqlText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <cstdint>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

QString notAFloat(const QString &text) {
    return u"'"_s + text + u"' は有効な浮動小数点数ではありません"_s;
}

QString notAnInteger(const QString &text) {
    return u"'"_s + text + u"' は有効な整数値ではありません"_s;
}

// A text as a fixed-point decimal; a text that is not one, or does not fit, ends the
// action with the conversion's message.
Formats::Fixed fixedOf(const QString &text) {
    const auto value = Formats::Fixed::parse(text);
    if (!value)
        throw EngineError(notAFloat(text));
    return *value;
}

double floatOf(const QString &text) {
    const auto value = Formats::parseFloat(text);
    if (!value)
        throw EngineError(notAFloat(text));
    return *value;
}

int integerOf(const QString &text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw EngineError(notAnInteger(text));
    return value;
}

// A count of ten-thousandths rounded half away from zero to `decimals` places (0 to 4),
// written with exactly that many decimals, thousands grouped on request. Exact for the
// whole range, where a double would lose the last digits of a large amount.
QString fixedText(std::int64_t units, int decimals, bool grouping) {
    const bool negative = units < 0;
    const std::uint64_t magnitude = negative ? 0 - std::uint64_t(units) : std::uint64_t(units);
    std::uint64_t step = 1;
    for (int i = decimals; i < 4; ++i)
        step *= 10;
    std::uint64_t scaled = magnitude / step;
    if ((magnitude % step) * 2 >= step)
        ++scaled;
    QString digits = QString::number(qulonglong(scaled));
    if (digits.size() <= decimals)
        digits.prepend(QString(decimals - digits.size() + 1, u'0'));
    QString integer = digits.left(digits.size() - decimals);
    if (grouping) {
        for (qsizetype i = integer.size() - 3; i > 0; i -= 3)
            integer.insert(i, u',');
    }
    QString text = negative && scaled != 0 ? u"-"_s : QString();
    text += integer;
    if (decimals > 0)
        text += u'.' + digits.right(decimals);
    return text;
}

// 0.4 a + 0.2 b + 0.4 c in ten-thousandths, exactly: (4a + 2b + 4c) / 10, the last
// place rounded half away from zero.
std::int64_t weightedTotal(std::int64_t a, std::int64_t b, std::int64_t c) {
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / 10;
    for (std::int64_t v : {a, b, c}) {
        if (v > limit || v < -limit)
            throw EngineError(u"浮動小数点演算でオーバーフローしました"_s);
    }
    const std::int64_t tenfold = 4 * a + 2 * b + 4 * c;
    const std::int64_t whole = tenfold / 10;
    const std::int64_t rest = tenfold % 10;
    if (rest >= 5)
        return whole + 1;
    if (rest <= -5)
        return whole - 1;
    return whole;
}

void put(QLineEdit *box, const QString &text) {
    box->setText(text);
    box->setCursorPosition(0);
}

// The containers whose place counts when the keypad is placed beside a field.
bool addsItsPlace(const QWidget *w) {
    if (w->isWindow() || qobject_cast<const QGroupBox *>(w) || qobject_cast<const QTabWidget *>(w))
        return true;
    // The client area of a main window, below its menu and tool bars, is the window's own:
    // without its place the keypad would open over the field instead of below it.
    if (const auto *main = qobject_cast<const QMainWindow *>(w->parentWidget());
        main && main->centralWidget() == w)
        return true;
    // A page of a tab widget sits in the tab widget's own page stack.
    const QWidget *stack = w->parentWidget();
    if (qobject_cast<const QStackedWidget *>(stack) && stack->parentWidget() &&
        qobject_cast<const QTabWidget *>(stack->parentWidget()))
        return true;
    return w->objectName().startsWith(u"Panel"_s);
}

const QColor Navy(0x00, 0x00, 0x80);

} // namespace

bool isTypingKey(const QKeyEvent &key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return false;
    default:
        return true;
    }
}

NumericKeypad::NumericKeypad(QWidget *parent)
    : QWidget(parent) {
    setObjectName(u"Form7"_s);
    setWindowTitle(u"数字入力"_s);
    // No close box: the keypad is closed by its own buttons.
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setFixedSize(188, 166);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Navy);
    setPalette(pal);

    m_display = new QLineEdit(this);
    m_display->setObjectName(u"Edit2"_s);
    m_display->setGeometry(4, 4, 120, 28);
    m_display->setReadOnly(true);
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setStyleSheet(u"QLineEdit { background: #FFFFC0; color: black; }"_s);
    QFont big = m_display->font();
    big.setPointSize(13);
    big.setBold(true);
    m_display->setFont(big);
    m_display->installEventFilter(this);

    // Keys in three columns: 7 8 9 / 4 5 6 / 1 2 3 / 0 (two wide) and the point under 3.
    struct Key {
        QChar key;
        const char *name;
        int column, row, span;
    };
    const Key keys[] = {{u'7', "SpeedButton7", 0, 0, 1}, {u'8', "SpeedButton8", 1, 0, 1},
                        {u'9', "SpeedButton9", 2, 0, 1}, {u'4', "SpeedButton4", 0, 1, 1},
                        {u'5', "SpeedButton5", 1, 1, 1}, {u'6', "SpeedButton6", 2, 1, 1},
                        {u'1', "SpeedButton1", 0, 2, 1}, {u'2', "SpeedButton2", 1, 2, 1},
                        {u'3', "SpeedButton3", 2, 2, 1}, {u'0', "SpeedButton10", 0, 3, 2},
                        {u'.', "SpeedButton11", 2, 3, 1}};
    QFont keyFont = font();
    keyFont.setPointSize(11);
    keyFont.setBold(true);
    for (const Key &k : keys) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(k.name));
        b->setText(QString(k.key));
        b->setFont(keyFont);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(4 + 40 * k.column, 36 + 32 * k.row, 40 * k.span - 2, 30);
        const QChar key = k.key;
        connect(b, &QToolButton::clicked, this,
                [this, key] { runAction(this, [&] { pressKey(key); }); });
        m_keys << b;
        if (key == u'.')
            m_point = b;
    }

    auto command = [this](const char *name, const QString &caption, int y, int height) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(128, y, 56, height);
        return b;
    };
    QToolButton *close = command("SpeedButton12", u"閉じる"_s, 4, 28);
    QToolButton *cls = command("SpeedButton14", u"CLS"_s, 68, 40);
    QFont clsFont = keyFont;
    cls->setFont(clsFont);
    cls->setStyleSheet(u"QToolButton { color: red; }"_s);
    QToolButton *transfer = command("SpeedButton13", u"転記"_s, 116, 46);
    transfer->setFont(keyFont);
    connect(close, &QToolButton::clicked, this,
            [this] { runAction(this, [this] { closeClicked(); }); });
    connect(cls, &QToolButton::clicked, this,
            [this] { runAction(this, [this] { clsClicked(); }); });
    connect(transfer, &QToolButton::clicked, this,
            [this] { runAction(this, [this] { transferClicked(); }); });
}

QToolButton *NumericKeypad::keyButton(QChar key) const {
    for (QToolButton *b : m_keys) {
        if (b->text() == QString(key))
            return b;
    }
    return nullptr;
}

void NumericKeypad::OpenKeypad(QLineEdit *field, int windowNumber, const QString &mode) {
    m_point->setVisible(mode == u"2"_s);
    m_mode = mode;
    m_targetForm = QString::number(windowNumber);
    m_target = field;
    move(placeFor(field));
    show();
    raise();
}

void NumericKeypad::pressKey(QChar key) {
    if (key == u'0' && m_entry.isEmpty())
        return;
    if (key == u'.' && (m_entry.isEmpty() || m_entry.contains(u'.')))
        return;
    if (!(key.isDigit() && key.unicode() < 128) && key != u'.')
        return;
    m_entry += key;
    refreshDisplay();
}

void NumericKeypad::refreshDisplay() {
    QString text;
    if (m_mode == u"1"_s)
        text = fixedText(fixedOf(m_entry).units, 0, true);
    else if (m_mode == u"2"_s)
        text = Formats::formatNumber(floatOf(m_entry), u"0.0"_s);
    else if (m_mode == u"3"_s || m_mode == u"4"_s)
        text = Formats::formatNumber(floatOf(m_entry), u"0"_s);
    else
        return;
    m_display->setText(text);
}

void NumericKeypad::emptyEntry() {
    m_entry.clear();
    m_display->clear();
}

void NumericKeypad::clsClicked() {
    emptyEntry();
}

void NumericKeypad::closeClicked() {
    emptyEntry();
    hide();
}

QWidget *NumericKeypad::targetWindow() const {
    const QString name = u"Form"_s + m_targetForm;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (w->objectName() == name)
            return w;
    }
    return nullptr;
}

void NumericKeypad::transferClicked() {
    // 1. Nothing typed transfers a zero.
    if (SqlText::trimBlanks(m_entry).isEmpty())
        m_entry = u"0"_s;
    // 2., 3. Every value is converted before anything is written, so that a failed
    // conversion leaves the boxes as they were and the keypad open with its entry.
    QWidget *window = targetWindow();
    if (window && m_target && m_target->window() == window) {
        if (m_mode == u"1"_s) {
            const QString text = fixedText(fixedOf(m_entry).units, 0, true);
            put(m_target, text);
            if (auto *raw = window->findChild<QLineEdit *>(u"Edit21"_s))
                put(raw, m_entry);
        } else if (m_mode == u"2"_s) {
            put(m_target, Formats::formatNumber(floatOf(m_entry), u"0.0"_s));
            const auto *flag = window->findChild<QLabel *>(u"Label30"_s);
            auto *total = window->findChild<QLineEdit *>(u"Edit17"_s);
            if (flag && total && flag->text() == u"1"_s) {
                auto score = [window](const char *name) {
                    const auto *box = window->findChild<QLineEdit *>(QString::fromLatin1(name));
                    return fixedOf(box ? box->text() : QString()).units;
                };
                const std::int64_t sum =
                    weightedTotal(score("Edit14"), score("Edit15"), score("Edit16"));
                put(total, fixedText(sum, 1, false));
            }
        } else if (m_mode == u"3"_s) {
            put(m_target, m_display->text());
        } else if (m_mode == u"4"_s) {
            put(m_target, m_display->text().isEmpty()
                              ? u"-"_s
                              : QString::number(integerOf(m_entry)) + u"-00"_s);
        }
    }
    // 4.
    emptyEntry();
    hide();
}

QPoint NumericKeypad::placeFor(const QWidget *field) {
    QPoint sum = field->pos();
    if (!field->isWindow()) {
        const QWidget *c = field->parentWidget();
        for (int visited = 0; c && visited < 11; ++visited) {
            if (addsItsPlace(c))
                sum += c->pos();
            if (c->isWindow())
                break;
            c = c->parentWidget();
        }
    }
    return {sum.x() - 40, sum.y() + 70};
}

bool NumericKeypad::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_display)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!isTypingKey(*static_cast<QKeyEvent *>(event)))
            break;
        // The display shows the entry; it takes no typing. The entry itself stays.
        Prompter::message(u"ｷｰﾎﾞｰﾄﾞ入力不可"_s, std::nullopt, this);
        m_display->clear();
        return true;
    case QEvent::InputMethod:
        if (static_cast<QInputMethodEvent *>(event)->commitString().isEmpty())
            break;
        Prompter::message(u"ｷｰﾎﾞｰﾄﾞ入力不可"_s, std::nullopt, this);
        m_display->clear();
        return true;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::RightButton)
            break;
        Prompter::message(u"右ｸﾘｯｸ不可"_s, std::nullopt, this);
        return true;
    case QEvent::ContextMenu:
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void NumericKeypad::closeEvent(QCloseEvent *event) {
    // Closed from the window system (there is no close box): as "閉じる".
    emptyEntry();
    event->accept();
}
