// The input assistants and the field bindings, driven through the real windows: clicks on
// the LedgerWindow's boxes, keys on the keypad, days on the calendar, choices on the picker.
#include "CalendarWindow.h"
#include "ChoicePicker.h"
#include "EntryBoxes.h"
#include "FieldBindings.h"
#include "LedgerWindow.h"
#include "NumericKeypad.h"
#include "RadioGroup.h"
#include "TestSupport.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// The LedgerWindow with its three assistants over a fresh ledger file, on 10 June 2011.
class Desk {
public:
    using Fill = std::function<void(const LedgerFolder &)>;
    explicit Desk(const Fill &fill = {}) {
        folder.insertInspector(2011, u"山田"_s, u"土木"_s, 1);
        if (fill)
            fill(folder);
        ledger = std::make_unique<LedgerWindow>();
        keypad = std::make_unique<NumericKeypad>();
        calendar = std::make_unique<CalendarWindow>(*ledger);
        picker = std::make_unique<ChoicePicker>(*ledger);
        bindFields(*ledger, {keypad.get(), calendar.get(), picker.get()});
        ledger->move(40, 30);
        ledger->show();
    }
    bool up() { return QTest::qWaitForWindowExposed(ledger.get()); }

    QLineEdit *box(const QString &name) const { return ledger->box(name); }
    QString text(const QString &name) const { return ledger->boxText(name); }

    void showPage(int page) {
        ledger->findChild<QTabWidget *>(u"PageControl1"_s)->setCurrentIndex(page - 1);
    }
    // A click on a box of the LedgerWindow, on the page that holds it.
    void click(const QString &name) {
        showPage(findEntryBox(name)->page);
        QTest::mouseClick(box(name), Qt::LeftButton);
    }
    void selectTab(int index) {
        ledger->inspectorTabs()->setCurrentIndex(index);
        ledger->tabChanged(index);
    }
    // Keys pressed on the keypad, one click each.
    void keys(const QString &keys) {
        for (QChar k : keys)
            QTest::mouseClick(keypad->keyButton(k), Qt::LeftButton);
    }
    void keypadButton(const QString &name) {
        QTest::mouseClick(keypad->findChild<QToolButton *>(name), Qt::LeftButton);
    }
    void pickerButton(const QString &name) {
        auto *b = picker->findChild<QPushButton *>(name);
        QVERIFY2(b, qPrintable(name));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void calendarButton(const QString &name) {
        QTest::mouseClick(calendar->findChild<QToolButton *>(name), Qt::LeftButton);
    }
    // Sets boxes from "Edit2=05/02" texts.
    void set(const QStringList &settings) {
        for (const QString &s : settings) {
            const qsizetype eq = s.indexOf(u'=');
            ledger->setBoxText(s.left(eq), s.mid(eq + 1));
        }
    }
    // The current texts of the boxes named in "Edit2=…" texts, in the same form.
    QStringList read(const QStringList &settings) const {
        QStringList out;
        for (const QString &s : settings) {
            const QString name = s.left(s.indexOf(u'='));
            out << name + u'=' + text(name);
        }
        return out;
    }
    QStringList messages() const {
        QStringList out;
        for (const Prompt &p : prompter.prompts) {
            if (p.kind == Prompt::Kind::Message)
                out << p.text;
        }
        return out;
    }
    QStringList errors() const {
        QStringList out;
        for (const Prompt &p : prompter.prompts) {
            if (p.kind == Prompt::Kind::Error)
                out << p.text;
        }
        return out;
    }

    ScopedClock clock{QDate(2011, 6, 10)};
    LedgerFolder folder;
    ScriptedPrompter prompter;
    std::unique_ptr<LedgerWindow> ledger;
    std::unique_ptr<NumericKeypad> keypad;
    std::unique_ptr<CalendarWindow> calendar;
    std::unique_ptr<ChoicePicker> picker;
};

// A click on a day of the calendar's month grid. Row 0 holds the day names; the first of
// the month stands in the first row of days unless it would open the row, then in the
// second.
void clickDay(QCalendarWidget *cal, const QDate &day) {
    cal->setCurrentPage(day.year(), day.month());
    auto *view = cal->findChild<QTableView *>(u"qt_calendar_calendarview"_s);
    QVERIFY(view);
    const QDate first(day.year(), day.month(), 1);
    int offset = (first.dayOfWeek() - int(cal->firstDayOfWeek()) + 7) % 7;
    if (offset < 1)
        offset += 7;
    const int cell = offset + day.day() - 1;
    const QModelIndex index = view->model()->index(1 + cell / 7, cell % 7);
    QCOMPARE(view->model()->data(index).toString(), QString::number(day.day()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// A choice from a combo box's drop-down list, clicked as the clerk does.
void choose(QComboBox *combo, const QString &item) {
    const int i = combo->findText(item);
    QVERIFY2(i >= 0, qPrintable(item));
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex index = view->model()->index(i, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QTRY_VERIFY(!view->isVisible());
}

// Typed text as one key event (the keys of a Japanese text have no key codes).
void type(QWidget *w, const QString &text) {
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, text, Qt::NoModifier);
}

void clickListItem(QListWidget *list, const QString &text) {
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    const QRect r = list->visualItemRect(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

// A click on a radio item, on its round button (the item is wider than its text).
void clickRadio(const RadioGroup *group, int index) {
    QAbstractButton *b = group->button(index);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

QStringList items(const QListWidget *list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

int visibleTabs(const ChoicePicker &picker) {
    auto *pages = picker.findChild<QTabWidget *>(u"PageControl1"_s);
    int n = 0;
    for (int i = 0; i < pages->count(); ++i)
        n += pages->isTabVisible(i) ? 1 : 0;
    return n;
}

} // namespace

class TestAssist : public QObject {
    Q_OBJECT
private slots:
    void keypadEntries_data();
    void keypadEntries();
    void keypadTotal_data();
    void keypadTotal();
    void keypadTotalFieldItself();
    void keypadRetargetKeepsEntry();
    void keypadDisplayRefusesKeys();
    void keypadBadInput_data();
    void keypadBadInput();
    void keypadPlacement_data();
    void keypadPlacement();

    void calendarTargets_data();
    void calendarTargets();

    void pickerTime();
    void pickerComboPages_data();
    void pickerComboPages();
    void pickerRadioPages_data();
    void pickerRadioPages();
    void pickerTextBoxes_data();
    void pickerTextBoxes();
    void pickerListsOfInspector();
    void pickerListsOnFirstTab();
    void pickerApostropheInspector();

    void openers_data();
    void openers();
    void keyboardRefusals_data();
    void keyboardRefusals();
    void rightButtonRefusals_data();
    void rightButtonRefusals();
    void clearCaptions_data();
    void clearCaptions();
    void captionVersusCalendarCls();
    void ownTextTooltips();
    void assistantsOpenTogether();

    void wholeCaseThroughAssistants();
};

// ---- Numeric keypad ----------------------------------------------------------------------

void TestAssist::keypadEntries_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("raw"); // Edit21 afterwards; null: not looked at

    QTest::newRow("amount grouped")
        << u"Edit8"_s << u"1234567"_s << u"1,234,567"_s << u"1,234,567"_s << u"1234567"_s;
    QTest::newRow("amount, leading zeros ignored")
        << u"Edit8"_s << u"0012"_s << u"12"_s << u"12"_s << u"12"_s;
    QTest::newRow("amount at the top of the range")
        << u"Edit8"_s << u"922337203685477"_s << u"922,337,203,685,477"_s
        << u"922,337,203,685,477"_s << u"922337203685477"_s;
    QTest::newRow("amount, nothing typed") << u"Edit8"_s << u""_s << u""_s << u"0"_s << u"0"_s;
    QTest::newRow("score rounds half away, second point ignored")
        << u"Edit14"_s << u"85.2.5"_s << u"85.3"_s << u"85.3"_s << QString();
    QTest::newRow("score, leading point and zero ignored")
        << u"Edit16"_s << u".0.5"_s << u"5.0"_s << u"5.0"_s << QString();
    QTest::newRow("score, nothing typed") << u"Edit15"_s << u""_s << u""_s << u"0.0"_s << QString();
    QTest::newRow("count") << u"Edit90"_s << u"3"_s << u"3"_s << u"3"_s << QString();
    QTest::newRow("count, nothing typed") << u"Edit79"_s << u""_s << u""_s << u""_s << QString();
    QTest::newRow("construction number")
        << u"Edit37"_s << u"123"_s << u"123"_s << u"123-00"_s << QString();
    QTest::newRow("construction number, nothing typed")
        << u"Edit37"_s << u""_s << u""_s << u"-"_s << QString();
}

void TestAssist::keypadEntries() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, written);
    QFETCH(QString, raw);
    Desk d;
    QVERIFY(d.up());

    d.click(field);
    QVERIFY(d.keypad->isVisible());
    const bool scores = findFieldBinding(field)->mode == u"2"_s;
    QCOMPARE(d.keypad->keyButton(u'.')->isVisibleTo(d.keypad.get()), scores);
    d.keys(keys);
    QCOMPARE(d.keypad->displayBox()->text(), display);
    d.keypadButton(u"SpeedButton13"_s); // 転記
    QCOMPARE(d.text(field), written);
    if (!raw.isNull())
        QCOMPARE(d.text(u"Edit21"_s), raw);
    QVERIFY(!d.keypad->isVisible());
    QCOMPARE(d.keypad->entry(), QString());
    QCOMPARE(d.keypad->displayBox()->text(), QString());
    QCOMPARE(d.errors(), QStringList());
}

void TestAssist::keypadTotal_data() {
    QTest::addColumn<QStringList>("scores"); // supervisor, chief, inspector
    QTest::addColumn<QString>("total");
    QTest::newRow("80 70 90") << QStringList{u"80"_s, u"70"_s, u"90"_s} << u"82.0"_s;
    QTest::newRow("with decimals") << QStringList{u"85.3"_s, u"72.3"_s, u"90.1"_s} << u"84.6"_s;
}

void TestAssist::keypadTotal() {
    QFETCH(QStringList, scores);
    QFETCH(QString, total);
    Desk d;
    QVERIFY(d.up());
    const QStringList fields{u"Edit14"_s, u"Edit15"_s, u"Edit16"_s};
    for (int i = 0; i < 3; ++i) {
        d.click(fields.at(i));
        QCOMPARE(d.ledger->flagLabel()->text(), u"1"_s);
        d.keys(scores.at(i));
        d.keypadButton(u"SpeedButton13"_s);
    }
    QCOMPARE(d.text(u"Edit17"_s), total);
}

void TestAssist::keypadTotalFieldItself() {
    Desk d;
    QVERIFY(d.up());
    for (const auto &[field, keys] :
         {std::pair{u"Edit14"_s, u"80"_s}, {u"Edit15"_s, u"70"_s}, {u"Edit16"_s, u"90"_s}}) {
        d.click(field);
        d.keys(keys);
        d.keypadButton(u"SpeedButton13"_s);
    }
    QCOMPARE(d.text(u"Edit17"_s), u"82.0"_s);

    // The total typed into its own box stays as typed.
    d.click(u"Edit17"_s);
    QCOMPARE(d.ledger->flagLabel()->text(), u"0"_s);
    d.keys(u"75"_s);
    d.keypadButton(u"SpeedButton13"_s);
    QCOMPARE(d.text(u"Edit17"_s), u"75.0"_s);

    // A later score recomputes it over the typed total.
    d.click(u"Edit15"_s);
    d.keys(u"60"_s);
    d.keypadButton(u"SpeedButton13"_s);
    QCOMPARE(d.read({u"Edit14="_s, u"Edit15="_s, u"Edit16="_s, u"Edit17="_s}),
             (QStringList{u"Edit14=80.0"_s, u"Edit15=60.0"_s, u"Edit16=90.0"_s, u"Edit17=80.0"_s}));
}

void TestAssist::keypadRetargetKeepsEntry() {
    Desk d;
    QVERIFY(d.up());
    d.click(u"Edit8"_s);
    d.keys(u"12"_s);
    QCOMPARE(d.keypad->displayBox()->text(), u"12"_s);
    d.click(u"Edit14"_s);
    QCOMPARE(d.keypad->mode(), u"2"_s);
    QCOMPARE(d.keypad->entry(), u"12"_s);
    QVERIFY(d.keypad->keyButton(u'.')->isVisible());
    QCOMPARE(d.keypad->pos(), NumericKeypad::placeFor(d.box(u"Edit14"_s)));
    d.keypadButton(u"SpeedButton13"_s);
    QCOMPARE(d.text(u"Edit14"_s), u"12.0"_s);
    QCOMPARE(d.read({u"Edit8="_s, u"Edit21="_s}), (QStringList{u"Edit8=0"_s, u"Edit21=0"_s}));
}

void TestAssist::keypadDisplayRefusesKeys() {
    Desk d;
    QVERIFY(d.up());
    d.click(u"Edit90"_s);
    d.keys(u"7"_s);
    QLineEdit *display = d.keypad->displayBox();
    QTest::keyClick(display, Qt::Key_4);
    QCOMPARE(d.messages(), QStringList{u"ｷｰﾎﾞｰﾄﾞ入力不可"_s});
    QCOMPARE(display->text(), QString());
    QCOMPARE(d.keypad->entry(), u"7"_s);

    QTest::mouseClick(display, Qt::RightButton);
    QCOMPARE(d.prompter.lastText(), u"右ｸﾘｯｸ不可"_s);
    QCOMPARE(d.keypad->entry(), u"7"_s);

    // A count transfers the display, emptied by the refused key.
    d.keypadButton(u"SpeedButton13"_s);
    QCOMPARE(d.text(u"Edit90"_s), QString());
}

void TestAssist::keypadBadInput_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("preset");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("unchanged");

    QTest::newRow("amount beyond the fixed-point range")
        << u"Edit8"_s << QStringList{} << u"1234567890123456"_s
        << u"'1234567890123456' は有効な浮動小数点数ではありません"_s
        << QStringList{u"Edit8=0"_s, u"Edit21=0"_s};
    QTest::newRow("construction number beyond 32 bits")
        << u"Edit37"_s << QStringList{} << u"2147483648"_s
        << u"'2147483648' は有効な整数値ではありません"_s << QStringList{u"Edit37="_s};
    QTest::newRow("score box not a number")
        << u"Edit14"_s << QStringList{u"Edit15=abc"_s, u"Edit17=77.0"_s} << u"80"_s
        << u"'abc' は有効な浮動小数点数ではありません"_s
        << QStringList{u"Edit15=abc"_s, u"Edit17=77.0"_s};
}

void TestAssist::keypadBadInput() {
    QFETCH(QString, field);
    QFETCH(QStringList, preset);
    QFETCH(QString, keys);
    QFETCH(QString, error);
    QFETCH(QStringList, unchanged);
    Desk d;
    QVERIFY(d.up());
    d.set(preset);
    d.click(field);
    d.keys(keys);
    d.keypadButton(u"SpeedButton13"_s);

    QVERIFY(!d.errors().isEmpty());
    QCOMPARE(d.errors().last(), error);
    QCOMPARE(d.read(unchanged), unchanged);
    QVERIFY(d.keypad->isVisible());
    QCOMPARE(d.keypad->entry(), keys);
}

void TestAssist::keypadPlacement_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<QPoint>("expected"); // null: computed from the widgets' own places
    QTest::newRow("group box in a window") << 0 << QPoint(100 + 10 + 5 - 40, 50 + 20 + 6 + 70);
    QTest::newRow("a frame adds nothing, a panel does")
        << 1 << QPoint(100 + 7 + 5 - 40, 50 + 8 + 6 + 70);
    QTest::newRow("tab page and tab widget, not their page stack") << 2 << QPoint();
    QTest::newRow("at most eleven containers") << 3 << QPoint(11 - 40, 11 + 70);
    QTest::newRow("client area of a main window, below its tool bar") << 4 << QPoint();
}

void TestAssist::keypadPlacement() {
    QFETCH(int, shape);
    QFETCH(QPoint, expected);
    QMainWindow window;
    window.resize(400, 300);
    window.move(100, 50);
    auto *client = new QWidget;
    window.setCentralWidget(client);
    // Shapes 0 to 3 stand in a plain widget of a bare client area, which adds nothing.
    auto *plain = new QWidget(client);
    plain->setGeometry(3, 4, 380, 280);
    QWidget *top = plain;
    QLineEdit *field = nullptr;
    QTabWidget *tabs = nullptr;
    QWidget *page = nullptr;
    switch (shape) {
    case 0: {
        auto *group = new QGroupBox(top);
        group->setGeometry(10, 20, 200, 100);
        field = new QLineEdit(group);
        break;
    }
    case 1: {
        auto *frame = new QFrame(top);
        frame->setGeometry(30, 30, 300, 200);
        auto *panel = new QWidget(frame);
        panel->setObjectName(u"Panel2"_s);
        panel->setGeometry(7, 8, 200, 100);
        field = new QLineEdit(panel);
        break;
    }
    case 2:
        tabs = new QTabWidget(top);
        tabs->setGeometry(12, 14, 300, 200);
        page = new QWidget;
        tabs->addTab(page, u"①"_s);
        field = new QLineEdit(page);
        break;
    case 3: {
        // Twelve panels: the outermost one and the window lie beyond the eleventh container.
        QWidget *parent = top;
        for (int i = 0; i < 12; ++i) {
            auto *panel = new QWidget(parent);
            panel->setObjectName(u"Panel%1"_s.arg(i));
            panel->setGeometry(1, 1, 300 - i, 200 - i);
            parent = panel;
        }
        field = new QLineEdit(parent);
        break;
    }
    case 4:
        window.addToolBar(u"tools"_s)->addAction(u"業務終了..."_s);
        field = new QLineEdit(client);
        break;
    }
    field->move(shape == 3 ? QPoint(0, 0) : QPoint(5, 6));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (shape == 2) {
        QVERIFY(page->pos() != page->mapTo(tabs, QPoint()));
        expected = window.pos() + tabs->pos() + page->pos() + QPoint(5, 6) + QPoint(-40, 70);
    }
    if (shape == 4) {
        QVERIFY(client->y() > 0);
        expected = window.pos() + client->pos() + QPoint(5, 6) + QPoint(-40, 70);
    }
    QCOMPARE(NumericKeypad::placeFor(field), expected);
}

// ---- Calendar ---------------------------------------------------------------------------

void TestAssist::calendarTargets_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("preset");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QStringList>("afterClick");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("afterCls");

    QTest::newRow("reception date") << u"Edit2"_s << QStringList{} << QDate(2011, 5, 2)
                                    << QStringList{u"Edit2=05/02"_s, u"Edit24=5"_s} << QString()
                                    << QStringList{u"Edit2="_s, u"Edit24=0"_s};
    QTest::newRow("reception date in January")
        << u"Edit2"_s << QStringList{} << QDate(2012, 1, 5)
        << QStringList{u"Edit2=01/05"_s, u"Edit24=1"_s} << QString()
        << QStringList{u"Edit2="_s, u"Edit24=0"_s};
    QTest::newRow("inspection date overwrites the pass date")
        << u"Edit4"_s << QStringList{u"Edit5=04/20"_s, u"Edit22=2011"_s, u"Edit23=4"_s}
        << QDate(2011, 5, 2)
        << QStringList{u"Edit4=05/02"_s, u"Edit5=05/02"_s, u"Edit22=2011"_s, u"Edit23=5"_s}
        << QString() << QStringList{u"Edit4="_s, u"Edit5="_s, u"Edit22=0"_s, u"Edit23=0"_s};
    QTest::newRow("pass date in January")
        << u"Edit5"_s << QStringList{u"Edit4=01/10"_s} << QDate(2012, 1, 12)
        << QStringList{u"Edit4=01/10"_s, u"Edit5=01/12"_s, u"Edit22=2012"_s, u"Edit23=1"_s}
        << QString() << QStringList{u"Edit4=01/10"_s, u"Edit5="_s, u"Edit22=0"_s, u"Edit23=0"_s};
    QTest::newRow("pass date refused without inspection date")
        << u"Edit5"_s << QStringList{u"Edit5=04/20"_s, u"Edit22=2011"_s, u"Edit23=4"_s}
        << QDate(2011, 5, 2) << QStringList{u"Edit5=04/20"_s, u"Edit22=2011"_s, u"Edit23=4"_s}
        << u"先に、検査日を入力して下さい"_s
        << QStringList{u"Edit5="_s, u"Edit22=0"_s, u"Edit23=0"_s};
    QTest::newRow("initial start fills the changed start")
        << u"Edit9"_s << QStringList{} << QDate(2011, 5, 2)
        << QStringList{u"Edit9=H23/05/02"_s, u"Edit42=H23/05/02"_s} << QString()
        << QStringList{u"Edit9="_s, u"Edit42="_s};
    QTest::newRow("initial end; its CLS empties the changed end")
        << u"Edit10"_s << QStringList{u"Edit11=H24/03/31"_s} << QDate(2011, 9, 30)
        << QStringList{u"Edit10=H23/09/30"_s, u"Edit11=H24/03/31"_s} << QString()
        << QStringList{u"Edit10="_s, u"Edit11="_s};
    QTest::newRow("changed end; its CLS keeps the initial end")
        << u"Edit11"_s << QStringList{u"Edit10=H23/09/30"_s} << QDate(2012, 3, 31)
        << QStringList{u"Edit10=H23/09/30"_s, u"Edit11=H24/03/31"_s} << QString()
        << QStringList{u"Edit10=H23/09/30"_s, u"Edit11="_s};
    QTest::newRow("era year of a later date")
        << u"Edit11"_s << QStringList{} << QDate(2026, 1, 9) << QStringList{u"Edit11=H38/01/09"_s}
        << QString() << QStringList{u"Edit11="_s};
    QTest::newRow("on-site check date")
        << u"Edit26"_s << QStringList{} << QDate(2011, 7, 1) << QStringList{u"Edit26=07/01"_s}
        << QString() << QStringList{u"Edit26="_s};
    QTest::newRow("dispatch date")
        << u"Edit75"_s << QStringList{} << QDate(2011, 12, 28) << QStringList{u"Edit75=12/28"_s}
        << QString() << QStringList{u"Edit75="_s};
}

void TestAssist::calendarTargets() {
    QFETCH(QString, field);
    QFETCH(QStringList, preset);
    QFETCH(QDate, day);
    QFETCH(QStringList, afterClick);
    QFETCH(QString, message);
    QFETCH(QStringList, afterCls);
    Desk d;
    QVERIFY(d.up());
    d.set(preset);
    d.click(field);
    QVERIFY(d.calendar->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(d.calendar.get()));

    clickDay(d.calendar->calendar(), day);
    QCOMPARE(d.read(afterClick), afterClick);
    QCOMPARE(d.messages(), message.isNull() ? QStringList() : QStringList{message});
    QVERIFY(d.calendar->isVisible());

    d.calendarButton(u"SpeedButton2"_s); // CLS
    QCOMPARE(d.read(afterCls), afterCls);
    QVERIFY(d.calendar->isVisible());
    d.calendarButton(u"SpeedButton1"_s); // 閉じる
    QVERIFY(!d.calendar->isVisible());
}

// ---- Choice picker -----------------------------------------------------------------------

void TestAssist::pickerTime() {
    Desk d;
    QVERIFY(d.up());
    d.click(u"Edit3"_s);
    QVERIFY(d.picker->isVisible());
    auto *hours = d.picker->findChild<QComboBox *>(u"ComboBox1"_s);
    auto *minutes = d.picker->findChild<QComboBox *>(u"ComboBox2"_s);
    QCOMPARE(hours->currentText(), u"10"_s);
    QCOMPARE(minutes->currentText(), u"00"_s);

    choose(hours, u"7"_s);
    QCOMPARE(d.text(u"Edit3"_s), u"7:00"_s);
    choose(minutes, u"30"_s);
    QCOMPARE(d.text(u"Edit3"_s), u"7:30"_s);

    // CLS empties the time but keeps the hour and the minute.
    d.pickerButton(u"TabSheet5Cls"_s);
    QCOMPARE(d.text(u"Edit3"_s), QString());
    QCOMPARE(hours->currentText(), u"7"_s);
    choose(minutes, u"40"_s);
    QCOMPARE(d.text(u"Edit3"_s), u"7:40"_s);

    // Typed texts are written as typed.
    hours->lineEdit()->clear();
    QTest::keyClicks(hours->lineEdit(), u"07"_s);
    minutes->lineEdit()->clear();
    QTest::keyClicks(minutes->lineEdit(), u"15"_s);
    d.pickerButton(u"TabSheet5Transfer"_s);
    QCOMPARE(d.text(u"Edit3"_s), u"07:15"_s);
    QVERIFY(!d.picker->isVisible());
}

void TestAssist::pickerComboPages_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("typed");

    QTest::newRow("industry header item")
        << u"Edit7"_s << u"ComboBox3"_s << u"■===建築===■"_s << u"特殊工事"_s;
    QTest::newRow("industry") << u"Edit7"_s << u"ComboBox3"_s << u"ほ装工事"_s << u"ほ装工事"_s;
    QTest::newRow("seal type") << u"Edit92"_s << u"ComboBox4"_s << u"副市長印"_s << u"職印"_s;
}

void TestAssist::pickerComboPages() {
    QFETCH(QString, field);
    QFETCH(QString, combo);
    QFETCH(QString, item);
    QFETCH(QString, typed);
    Desk d([](const LedgerFolder &f) {
        f.exec(u"INSERT INTO 21公印 (公印種類) VALUES ('副市長印')"_s);
    });
    QVERIFY(d.up());
    d.click(field);
    auto *box = d.picker->findChild<QComboBox *>(combo);
    QVERIFY(box->isVisible());
    choose(box, item);
    QCOMPARE(d.text(field), item);
    QVERIFY(d.picker->isVisible());

    box->lineEdit()->clear();
    type(box->lineEdit(), typed);
    QCOMPARE(d.text(field), item); // typing alone writes nothing
    d.pickerButton(d.picker->currentPage() + u"Transfer"_s);
    QCOMPARE(d.text(field), typed);
    QVERIFY(!d.picker->isVisible());
}

void TestAssist::pickerRadioPages_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("written");

    QTest::newRow("contract class") << u"Edit20"_s << u"RadioGroup1"_s << 1 << u"各課執行"_s;
    QTest::newRow("inspection class")
        << u"Edit18"_s << u"RadioGroup2"_s << 4 << u"清算出来高検査"_s;
    QTest::newRow("construction class") << u"Edit19"_s << u"RadioGroup3"_s << 5 << u"機械設備"_s;
    QTest::newRow("remarks") << u"Edit38"_s << u"RadioGroup4"_s << 7 << u"清算出来高"_s;
    QTest::newRow("on-site result") << u"Edit27"_s << u"RadioGroup5"_s << 3 << u"口頭指示"_s;
    QTest::newRow("finance check") << u"Edit34"_s << u"RadioGroup6"_s << 1 << u"○"_s;
}

void TestAssist::pickerRadioPages() {
    QFETCH(QString, field);
    QFETCH(QString, group);
    QFETCH(int, index);
    QFETCH(QString, written);
    Desk d;
    QVERIFY(d.up());
    d.set({field + u"=loaded"_s});
    d.click(field);
    auto *radio = d.picker->findChild<RadioGroup *>(group);
    QVERIFY(radio->isVisible());

    // The item already selected writes nothing; another one writes at once.
    clickRadio(radio, 0);
    QCOMPARE(d.text(field), u"loaded"_s);
    clickRadio(radio, index);
    QCOMPARE(d.text(field), written);
    clickRadio(radio, 0);
    QCOMPARE(d.text(field), radio->itemText(0));
    QVERIFY(d.picker->isVisible());
}

void TestAssist::pickerTextBoxes_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pickerBox");
    QTest::addColumn<bool>("preloaded");

    QTest::newRow("construction name, preloaded") << u"Edit6"_s << u"Edit1"_s << true;
    QTest::newRow("section, preloaded") << u"Edit12"_s << u"Edit3"_s << true;
    QTest::newRow("supervisor keeps the old name") << u"Edit13"_s << u"Edit2"_s << false;
    QTest::newRow("contractor keeps the old name") << u"Edit36"_s << u"Edit4"_s << false;
}

void TestAssist::pickerTextBoxes() {
    QFETCH(QString, field);
    QFETCH(QString, pickerBox);
    QFETCH(bool, preloaded);
    Desk d;
    QVERIFY(d.up());
    d.selectTab(1);
    QLineEdit *own = d.picker->box(pickerBox);

    // Typed in the picker and transferred.
    d.click(field);
    own->clear();
    type(own, u"旧い名前"_s);
    d.pickerButton(d.picker->currentPage() + u"Transfer"_s);
    QCOMPARE(d.text(field), u"旧い名前"_s);

    // Another case loaded into the box; the picker opens with the box or its old text.
    d.set({field + u"=新しい名前"_s});
    d.click(field);
    const QString shown = preloaded ? u"新しい名前"_s : u"旧い名前"_s;
    QCOMPARE(own->text(), shown);
    d.pickerButton(d.picker->currentPage() + u"Transfer"_s);
    QCOMPARE(d.text(field), shown);

    // CLS empties both.
    d.click(field);
    d.pickerButton(d.picker->currentPage() + u"Cls"_s);
    QCOMPARE(d.text(field), QString());
    QCOMPARE(own->text(), QString());
}

void TestAssist::pickerListsOfInspector() {
    Desk d([](const LedgerFolder &f) {
        f.insertInspector(2011, u"鈴木"_s, u"建築"_s, 2);
        f.insertCase({{u"年度"_s, 2011},
                      {u"検査員"_s, u"山田"_s},
                      {u"工事名"_s, u"A"_s},
                      {u"担当課"_s, u"土木部道路課"_s},
                      {u"監督員"_s, u"田中"_s}});
        f.insertCase({{u"年度"_s, 2011},
                      {u"検査員"_s, u"山田"_s},
                      {u"工事名"_s, u"B"_s},
                      {u"担当課"_s, u"土木部道路課"_s},
                      {u"監督員"_s, u"佐藤"_s}});
        f.insertCase({{u"年度"_s, 2010},
                      {u"検査員"_s, u"山田"_s},
                      {u"工事名"_s, u"C"_s},
                      {u"担当課"_s, u"建設部公園課"_s},
                      {u"監督員"_s, u"伊藤"_s}});
        f.insertCase({{u"年度"_s, 2011}, {u"検査員"_s, u"山田"_s}, {u"工事名"_s, u"D"_s}});
        f.insertCase({{u"年度"_s, 2011},
                      {u"検査員"_s, u"鈴木"_s},
                      {u"工事名"_s, u"E"_s},
                      {u"担当課"_s, u"下水道課"_s},
                      {u"監督員"_s, u"高橋"_s}});
    });
    QVERIFY(d.up());
    d.selectTab(1); // 山田
    d.ledger->database().setLogging(true);
    d.ledger->database().clearLog();

    // Every year of the ledger, the case without a section as an empty line.
    d.click(u"Edit12"_s);
    QCOMPARE(d.ledger->database().statementLog(),
             QStringList{u"SELECT 担当課 FROM 10工事検査台帳 WHERE (検査員='山田') GROUP BY 担当課 "
                         "ORDER BY 担当課"_s});
    QCOMPARE(items(d.picker->sectionList()),
             (QStringList{u""_s, u"土木部道路課"_s, u"建設部公園課"_s}));
    clickListItem(d.picker->sectionList(), u"建設部公園課"_s);
    QCOMPARE(d.picker->box(u"Edit3"_s)->text(), u"建設部公園課"_s);
    QCOMPARE(d.text(u"Edit12"_s), u"建設部公園課"_s);

    d.ledger->database().clearLog();
    d.pickerButton(u"TabSheet8All"_s);
    QCOMPARE(d.ledger->database().statementLog(),
             QStringList{u"SELECT 担当課 FROM 10工事検査台帳 GROUP BY 担当課 ORDER BY 担当課"_s});
    QCOMPARE(items(d.picker->sectionList()),
             (QStringList{u""_s, u"下水道課"_s, u"土木部道路課"_s, u"建設部公園課"_s}));

    d.ledger->database().clearLog();
    d.click(u"Edit13"_s);
    QCOMPARE(d.ledger->database().statementLog(),
             QStringList{u"SELECT 監督員 FROM 10工事検査台帳 WHERE (検査員='山田') GROUP BY 監督員 "
                         "ORDER BY 監督員"_s});
    QCOMPARE(d.picker->currentPage(), u"TabSheet7"_s);
    QStringList sorted{u""_s, u"伊藤"_s, u"佐藤"_s, u"田中"_s};
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(items(d.picker->supervisorList()), sorted);
    clickListItem(d.picker->supervisorList(), u"佐藤"_s);
    QCOMPARE(d.picker->box(u"Edit2"_s)->text(), u"佐藤"_s);
    QCOMPARE(d.text(u"Edit13"_s), u"佐藤"_s);
}

void TestAssist::pickerListsOnFirstTab() {
    Desk d([](const LedgerFolder &f) {
        f.insertCase({{u"年度"_s, 2011},
                      {u"検査員"_s, u"山田"_s},
                      {u"工事名"_s, u"A"_s},
                      {u"担当課"_s, u"土木部道路課"_s},
                      {u"監督員"_s, u"田中"_s}});
    });
    QVERIFY(d.up());
    d.selectTab(1);
    d.click(u"Edit12"_s);
    d.click(u"Edit13"_s);
    QCOMPARE(d.picker->sectionList()->count(), 1);
    QCOMPARE(d.picker->supervisorList()->count(), 1);

    d.selectTab(0); // 全検査員
    d.click(u"Edit12"_s);
    QCOMPARE(d.picker->sectionList()->count(), 0);
    d.pickerButton(u"TabSheet8All"_s);
    QCOMPARE(d.picker->sectionList()->count(), 0);
    d.click(u"Edit13"_s);
    QCOMPARE(d.picker->supervisorList()->count(), 0);
    QVERIFY(d.picker->isVisible());
}

void TestAssist::pickerApostropheInspector() {
    Desk d([](const LedgerFolder &f) {
        f.exec(u"DELETE FROM 20検査員"_s);
        f.insertInspector(2011, u"オニール'健"_s, u"設備"_s, 1);
        f.insertCase({{u"年度"_s, 2011},
                      {u"検査員"_s, u"オニール'健"_s},
                      {u"工事名"_s, u"A"_s},
                      {u"担当課"_s, u"水道課"_s},
                      {u"監督員"_s, u"木村"_s}});
    });
    QVERIFY(d.up());
    d.selectTab(1);
    d.ledger->database().setLogging(true);
    d.click(u"Edit12"_s);
    d.click(u"Edit13"_s);
    QCOMPARE(
        d.ledger->database().statementLog(),
        (QStringList{u"SELECT 担当課 FROM 10工事検査台帳 WHERE (検査員='オニール''健') GROUP BY "
                     "担当課 ORDER BY 担当課"_s,
                     u"SELECT 監督員 FROM 10工事検査台帳 WHERE (検査員='オニール''健') GROUP BY "
                     "監督員 ORDER BY 監督員"_s}));
    QCOMPARE(items(d.picker->sectionList()), QStringList{u"水道課"_s});
    QCOMPARE(items(d.picker->supervisorList()), QStringList{u"木村"_s});
    QCOMPARE(d.errors(), QStringList());
}

// ---- Field bindings ----------------------------------------------------------------------

void TestAssist::openers_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("opens");  // "calendar", "picker", "keypad", "message", "nothing"
    QTest::addColumn<QString>("detail"); // target, page or mode
    QTest::addColumn<QPoint>("offset");  // from the LedgerWindow's corner

    auto cal = [](const char *field, int target, int dx, int dy) {
        QTest::newRow(field) << QString::fromLatin1(field) << u"calendar"_s
                             << QString::number(target) << QPoint(dx, dy);
    };
    auto pick = [](const char *field, const char *page, int dx, int dy) {
        QTest::newRow(field) << QString::fromLatin1(field) << u"picker"_s
                             << QString::fromLatin1(page) << QPoint(dx, dy);
    };
    auto pad = [](const char *field, const char *mode) {
        QTest::newRow(field) << QString::fromLatin1(field) << u"keypad"_s
                             << QString::fromLatin1(mode) << QPoint();
    };
    cal("Edit2", 1, 20, 295);
    pick("Edit3", "TabSheet5", 20, 295);
    pad("Edit37", "4");
    pick("Edit38", "TabSheet9", 80, 295);
    pick("Edit6", "TabSheet4", 170, 295);
    pick("Edit36", "TabSheet10", 170, 295);
    pick("Edit20", "TabSheet1", 370, 275);
    pick("Edit18", "TabSheet2", 410, 275);
    pick("Edit7", "TabSheet6", 460, 275);
    pick("Edit19", "TabSheet3", 530, 275);
    pad("Edit8", "1");
    cal("Edit9", 4, 670, 295);
    cal("Edit10", 5, 750, 295);
    cal("Edit11", 6, 750, 295);
    pick("Edit12", "TabSheet8", 710, 295);
    pick("Edit13", "TabSheet7", 710, 295);
    cal("Edit26", 7, 70, 275);
    pick("Edit27", "TabSheet11", 70, 275);
    cal("Edit4", 2, 160, 275);
    cal("Edit5", 3, 190, 275);
    pad("Edit14", "2");
    pad("Edit17", "2");
    cal("Edit75", 8, 600, 275);
    pick("Edit92", "TabSheet12", 650, 275);
    pad("Edit90", "3");
    pad("Edit79", "3");
    pick("Edit34", "TabSheet13", 650, 275);
    QTest::newRow("Edit42") << u"Edit42"_s << u"message"_s << u"ここは,入力不要です"_s << QPoint();
    QTest::newRow("Edit1") << u"Edit1"_s << u"nothing"_s << QString() << QPoint();
    QTest::newRow("Edit29") << u"Edit29"_s << u"nothing"_s << QString() << QPoint();
}

void TestAssist::openers() {
    QFETCH(QString, field);
    QFETCH(QString, opens);
    QFETCH(QString, detail);
    QFETCH(QPoint, offset);
    Desk d;
    QVERIFY(d.up());
    d.click(field);

    QCOMPARE(d.calendar->isVisible(), opens == u"calendar"_s);
    QCOMPARE(d.picker->isVisible(), opens == u"picker"_s);
    QCOMPARE(d.keypad->isVisible(), opens == u"keypad"_s);
    QCOMPARE(d.messages(), opens == u"message"_s ? QStringList{detail} : QStringList());
    const QPoint at = d.ledger->pos() + offset;
    if (opens == u"calendar"_s) {
        QCOMPARE(d.calendar->calendarTarget(), detail.toInt());
        QCOMPARE(d.calendar->pos(), at);
    } else if (opens == u"picker"_s) {
        QCOMPARE(d.picker->currentPage(), detail);
        QCOMPARE(visibleTabs(*d.picker), 1);
        QCOMPARE(d.picker->pos(), at);
    } else if (opens == u"keypad"_s) {
        QCOMPARE(d.keypad->mode(), detail);
        QCOMPARE(d.keypad->pos(), NumericKeypad::placeFor(d.box(field)));
    }
}

void TestAssist::keyboardRefusals_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("preset");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("refused");

    QTest::newRow("digit in the amount")
        << u"Edit8"_s << int(Qt::Key_5) << QStringList{u"Edit8=1,234"_s, u"Edit21=12340000"_s}
        << QStringList{u"Edit8=0"_s, u"Edit21=0"_s} << true;
    QTest::newRow("letter in the amount")
        << u"Edit8"_s << int(Qt::Key_A) << QStringList{u"Edit8=1,234"_s, u"Edit21=12340000"_s}
        << QStringList{u"Edit8=0"_s, u"Edit21=0"_s} << true;
    QTest::newRow("reception date")
        << u"Edit2"_s << int(Qt::Key_1) << QStringList{u"Edit2=05/02"_s, u"Edit24=5"_s}
        << QStringList{u"Edit2="_s, u"Edit24=0"_s} << true;
    QTest::newRow("pass date") << u"Edit5"_s << int(Qt::Key_Backspace)
                               << QStringList{u"Edit4=05/02"_s, u"Edit5=05/02"_s, u"Edit22=2011"_s,
                                              u"Edit23=5"_s}
                               << QStringList{u"Edit4=05/02"_s, u"Edit5="_s, u"Edit22=0"_s,
                                              u"Edit23=0"_s}
                               << true;
    QTest::newRow("one score only")
        << u"Edit15"_s << int(Qt::Key_7)
        << QStringList{u"Edit14=80"_s, u"Edit15=70"_s, u"Edit16=90"_s, u"Edit17=82"_s}
        << QStringList{u"Edit14=80"_s, u"Edit15=0.0"_s, u"Edit16=90"_s, u"Edit17=82"_s} << true;
    QTest::newRow("total score") << u"Edit17"_s << int(Qt::Key_Delete)
                                 << QStringList{u"Edit16=90"_s, u"Edit17=82"_s}
                                 << QStringList{u"Edit16=90"_s, u"Edit17=0.0"_s} << true;
    QTest::newRow("construction number takes typing")
        << u"Edit37"_s << int(Qt::Key_5) << QStringList{u"Edit37="_s} << QStringList{u"Edit37=5"_s}
        << false;
}

void TestAssist::keyboardRefusals() {
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(QStringList, preset);
    QFETCH(QStringList, after);
    QFETCH(bool, refused);
    Desk d;
    QVERIFY(d.up());
    d.set(preset);
    d.showPage(findEntryBox(field)->page);
    QLineEdit *box = d.box(field);
    box->setFocus();
    box->end(false);
    QTest::keyClick(box, Qt::Key(key));
    QCOMPARE(d.messages(), refused ? QStringList{u"ｷｰﾎﾞｰﾄﾞ入力不可"_s} : QStringList());
    QCOMPARE(d.read(after), after);
}

void TestAssist::rightButtonRefusals_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("refused");
    for (const char *f : {"Edit2", "Edit5", "Edit8", "Edit14", "Edit15", "Edit16", "Edit17",
                          "Edit18", "Edit19", "Edit20"})
        QTest::newRow(f) << QString::fromLatin1(f) << true;
    QTest::newRow("Edit6 takes the right button") << u"Edit6"_s << false;
}

void TestAssist::rightButtonRefusals() {
    QFETCH(QString, field);
    QFETCH(bool, refused);
    Desk d;
    QVERIFY(d.up());
    d.showPage(findEntryBox(field)->page);
    QTest::mouseClick(d.box(field), Qt::RightButton);
    QCOMPARE(d.messages(), refused ? QStringList{u"右ｸﾘｯｸ不可"_s} : QStringList());
    // The right button opens no assistant.
    QVERIFY(!d.calendar->isVisible());
    QVERIFY(!d.picker->isVisible());
    QVERIFY(!d.keypad->isVisible());
}

void TestAssist::clearCaptions_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("preset");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("受付日") << u"SpeedButton3"_s << 1
                            << QStringList{u"Edit2=05/02"_s, u"Edit24=5"_s, u"Edit3=10:00"_s}
                            << QStringList{u"Edit2="_s, u"Edit24=0"_s, u"Edit3=10:00"_s};
    QTest::newRow("時間") << u"SpeedButton2"_s << 1 << QStringList{u"Edit3=10:00"_s}
                          << QStringList{u"Edit3="_s};
    QTest::newRow("備考") << u"SpeedButton14"_s << 1 << QStringList{u"Edit38=繰越"_s}
                          << QStringList{u"Edit38="_s};
    QTest::newRow("(自)") << u"SpeedButton6"_s << 1
                          << QStringList{u"Edit9=H23/05/02"_s, u"Edit42=H23/05/02"_s,
                                         u"Edit10=H23/09/30"_s}
                          << QStringList{u"Edit9="_s, u"Edit42="_s, u"Edit10=H23/09/30"_s};
    QTest::newRow("(至) initial term")
        << u"SpeedButton7"_s << 1 << QStringList{u"Edit10=H23/09/30"_s, u"Edit11=H24/03/31"_s}
        << QStringList{u"Edit10="_s, u"Edit11=H24/03/31"_s};
    QTest::newRow("(至) changed term")
        << u"SpeedButton1"_s << 1 << QStringList{u"Edit10=H23/09/30"_s, u"Edit11=H24/03/31"_s}
        << QStringList{u"Edit10=H23/09/30"_s, u"Edit11="_s};
    QTest::newRow("点検日") << u"SpeedButton10"_s << 2 << QStringList{u"Edit26=07/01"_s}
                            << QStringList{u"Edit26="_s};
    QTest::newRow("結果") << u"SpeedButton15"_s << 2 << QStringList{u"Edit27=口頭指示"_s}
                          << QStringList{u"Edit27="_s};
    QTest::newRow("検査日") << u"SpeedButton4"_s << 2
                            << QStringList{u"Edit4=05/02"_s, u"Edit5=05/02"_s, u"Edit22=2011"_s,
                                           u"Edit23=5"_s}
                            << QStringList{u"Edit4="_s, u"Edit5="_s, u"Edit22=0"_s, u"Edit23=0"_s};
    QTest::newRow("合格日") << u"SpeedButton5"_s << 2
                            << QStringList{u"Edit4=05/02"_s, u"Edit5=05/02"_s, u"Edit22=2011"_s,
                                           u"Edit23=5"_s}
                            << QStringList{u"Edit4=05/02"_s, u"Edit5="_s, u"Edit22=0"_s,
                                           u"Edit23=0"_s};
}

void TestAssist::clearCaptions() {
    QFETCH(QString, button);
    QFETCH(int, page);
    QFETCH(QStringList, preset);
    QFETCH(QStringList, after);
    Desk d;
    QVERIFY(d.up());
    d.set(preset);
    d.showPage(page);
    auto *b = d.ledger->findChild<QToolButton *>(button);
    QVERIFY(b && b->isVisible());
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(d.read(after), after);
    QCOMPARE(d.prompter.prompts.size(), 0);
}

void TestAssist::captionVersusCalendarCls() {
    Desk d;
    QVERIFY(d.up());
    const QStringList both{u"Edit10=H23/09/30"_s, u"Edit11=H24/03/31"_s};
    d.set(both);
    QTest::mouseClick(d.ledger->findChild<QToolButton *>(u"SpeedButton7"_s), Qt::LeftButton);
    QCOMPARE(d.read(both), (QStringList{u"Edit10="_s, u"Edit11=H24/03/31"_s}));

    d.set(both);
    d.click(u"Edit10"_s);
    d.calendarButton(u"SpeedButton2"_s);
    QCOMPARE(d.read(both), (QStringList{u"Edit10="_s, u"Edit11="_s}));
}

void TestAssist::ownTextTooltips() {
    Desk d;
    QVERIFY(d.up());
    const QString longName = u"市道中央環状線（第３工区）道路改良工事及び附帯する排水施設工事"_s;
    d.click(u"Edit6"_s);
    QLineEdit *own = d.picker->box(u"Edit1"_s);
    own->clear();
    type(own, longName);
    d.pickerButton(u"TabSheet4Transfer"_s);

    QLineEdit *name = d.box(u"Edit6"_s);
    QTest::mouseMove(name, QPoint(10, 5));
    QTest::mouseMove(name, QPoint(20, 6));
    QTRY_COMPARE(name->toolTip(), longName);

    // A box with a fixed hint keeps it.
    QLineEdit *start = d.box(u"Edit9"_s);
    d.set({u"Edit9=H23/05/02"_s});
    QTest::mouseMove(start, QPoint(10, 5));
    QTest::mouseMove(start, QPoint(20, 6));
    QCOMPARE(start->toolTip(), u"（自）当初工期"_s);
}

void TestAssist::assistantsOpenTogether() {
    Desk d;
    QVERIFY(d.up());
    d.click(u"Edit2"_s);
    d.click(u"Edit3"_s);
    d.click(u"Edit8"_s);
    d.keys(u"5"_s);
    QVERIFY(d.calendar->isVisible() && d.picker->isVisible() && d.keypad->isVisible());
    for (QWidget *w :
         {static_cast<QWidget *>(d.calendar.get()), static_cast<QWidget *>(d.picker.get()),
          static_cast<QWidget *>(d.keypad.get())}) {
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!w->isModal());
    }
    QVERIFY(!(d.keypad->windowFlags() & Qt::WindowCloseButtonHint));

    // The LedgerWindow stays usable: another box re-aims the open calendar.
    d.click(u"Edit9"_s);
    QCOMPARE(d.calendar->calendarTarget(), 4);
    QCOMPARE(d.calendar->pos(), d.ledger->pos() + QPoint(670, 295));
    QCOMPARE(d.keypad->entry(), u"5"_s);

    // Each closes on its own, writing nothing.
    d.keypadButton(u"SpeedButton12"_s);
    QVERIFY(!d.keypad->isVisible());
    QCOMPARE(d.keypad->entry(), QString());
    QCOMPARE(d.text(u"Edit8"_s), u"0"_s);
    d.picker->close();
    QVERIFY(!d.picker->isVisible());
    QVERIFY(d.calendar->isVisible());
    QCOMPARE(d.text(u"Edit3"_s), QString());
    QCOMPARE(d.prompter.prompts.size(), 0);
}

// ---- One whole case ----------------------------------------------------------------------

void TestAssist::wholeCaseThroughAssistants() {
    Desk d([](const LedgerFolder &f) {
        f.insertCase({{u"年度"_s, 2010},
                      {u"検査員"_s, u"山田"_s},
                      {u"工事名"_s, u"前年度の工事"_s},
                      {u"担当課"_s, u"土木部道路課"_s},
                      {u"監督員"_s, u"佐藤"_s}});
    });
    QVERIFY(d.up());
    d.selectTab(1);
    QVERIFY(d.ledger->findChild<QToolButton *>(u"SpeedButton12"_s)->isEnabled());

    // Page ①
    d.click(u"Edit2"_s);
    clickDay(d.calendar->calendar(), QDate(2011, 6, 3));
    d.click(u"Edit9"_s);
    clickDay(d.calendar->calendar(), QDate(2011, 6, 20));
    d.click(u"Edit10"_s);
    clickDay(d.calendar->calendar(), QDate(2011, 12, 22));
    d.click(u"Edit11"_s);
    clickDay(d.calendar->calendar(), QDate(2012, 2, 29));
    d.calendarButton(u"SpeedButton1"_s);

    d.click(u"Edit3"_s);
    choose(d.picker->findChild<QComboBox *>(u"ComboBox1"_s), u"13"_s);
    choose(d.picker->findChild<QComboBox *>(u"ComboBox2"_s), u"30"_s);
    d.click(u"Edit37"_s);
    d.keys(u"231"_s);
    d.keypadButton(u"SpeedButton13"_s);
    d.click(u"Edit38"_s);
    clickRadio(d.picker->findChild<RadioGroup *>(u"RadioGroup4"_s), 1);
    d.click(u"Edit6"_s);
    type(d.picker->box(u"Edit1"_s), u"市道１号線舗装工事"_s);
    d.pickerButton(u"TabSheet4Transfer"_s);
    d.click(u"Edit36"_s);
    type(d.picker->box(u"Edit4"_s), u"株式会社　山川建設"_s);
    d.pickerButton(u"TabSheet10Transfer"_s);
    d.click(u"Edit20"_s);
    clickRadio(d.picker->findChild<RadioGroup *>(u"RadioGroup1"_s), 1);
    d.click(u"Edit18"_s);
    clickRadio(d.picker->findChild<RadioGroup *>(u"RadioGroup2"_s), 2);
    d.click(u"Edit7"_s);
    choose(d.picker->findChild<QComboBox *>(u"ComboBox3"_s), u"ほ装工事"_s);
    d.click(u"Edit19"_s);
    clickRadio(d.picker->findChild<RadioGroup *>(u"RadioGroup3"_s), 1);
    d.click(u"Edit8"_s);
    d.keys(u"12345678"_s);
    d.keypadButton(u"SpeedButton13"_s);
    d.click(u"Edit12"_s);
    clickListItem(d.picker->sectionList(), u"土木部道路課"_s);
    d.click(u"Edit13"_s);
    clickListItem(d.picker->supervisorList(), u"佐藤"_s);
    d.pickerButton(u"TabSheet7Close"_s);

    // Page ②: the scores are registered with the case.
    for (const auto &[field, keys] :
         {std::pair{u"Edit14"_s, u"80"_s}, {u"Edit15"_s, u"70"_s}, {u"Edit16"_s, u"90"_s}}) {
        d.click(field);
        d.keys(keys);
        d.keypadButton(u"SpeedButton13"_s);
    }

    QCOMPARE(d.errors(), QStringList());
    d.showPage(1);
    QTest::mouseClick(d.ledger->findChild<QToolButton *>(u"SpeedButton12"_s), Qt::LeftButton);
    QCOMPARE(d.prompter.lastText(), u"台帳に新規登録しました"_s);

    const QList<QStringList> rows = d.folder.rows(
        u"SELECT 受付日,受付月,時間,工事番号,備考,工事名,請負業者名,契約区分,検査区分,業種名称,"
        "工事区分,請負金額,工期自,工期至,変更工期,担当課,監督員,評定監督員,評定係長,評定検査員,"
        "評定合計,年度,検査員 FROM 10工事検査台帳 WHERE 年度=2011"_s);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first(), (QStringList{u"06/03"_s,
                                        u"6"_s,
                                        u"13:30"_s,
                                        u"231-00"_s,
                                        u"繰越"_s,
                                        u"市道１号線舗装工事"_s,
                                        u"株式会社　山川建設"_s,
                                        u"各課執行"_s,
                                        u"中間検査"_s,
                                        u"ほ装工事"_s,
                                        u"舗装"_s,
                                        u"12345678"_s,
                                        u"H23/06/20"_s,
                                        u"H23/12/22"_s,
                                        u"H24/02/29"_s,
                                        u"土木部道路課"_s,
                                        u"佐藤"_s,
                                        u"80"_s,
                                        u"70"_s,
                                        u"90"_s,
                                        u"82"_s,
                                        u"2011"_s,
                                        u"山田"_s}));
}

QTEST_MAIN(TestAssist)
#include "tst_assist.moc"
