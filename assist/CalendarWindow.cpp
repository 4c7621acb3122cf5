#include "CalendarWindow.h"

#include "Formats.h"
#include "LedgerWindow.h"
#include "Prompter.h"

#include <QCalendarWidget>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {
using F = CalendarTargetDef::Form;

QList<CalendarTargetDef> makeTargets() {
    return {
        // Reception date and its hidden month.
        {1,
         u""_s,
         {{u"Edit2"_s, F::MonthDay}, {u"Edit24"_s, F::Month}},
         {{u"Edit2"_s, u""_s}, {u"Edit24"_s, u"0"_s}}},
        // Inspection date: the pass date, pass year and pass month follow it.
        {2,
         u""_s,
         {{u"Edit4"_s, F::MonthDay},
          {u"Edit5"_s, F::MonthDay},
          {u"Edit22"_s, F::Year},
          {u"Edit23"_s, F::Month}},
         {{u"Edit4"_s, u""_s}, {u"Edit5"_s, u""_s}, {u"Edit22"_s, u"0"_s}, {u"Edit23"_s, u"0"_s}}},
        // Pass date: only once an inspection date is there.
        {3,
         u"Edit4"_s,
         {{u"Edit5"_s, F::MonthDay}, {u"Edit22"_s, F::Year}, {u"Edit23"_s, F::Month}},
         {{u"Edit5"_s, u""_s}, {u"Edit22"_s, u"0"_s}, {u"Edit23"_s, u"0"_s}}},
        // Period start: the changed term starts with the initial one.
        {4,
         u""_s,
         {{u"Edit9"_s, F::Era}, {u"Edit42"_s, F::Era}},
         {{u"Edit9"_s, u""_s}, {u"Edit42"_s, u""_s}}},
        // Initial period end: emptying it empties the changed end too.
        {5, u""_s, {{u"Edit10"_s, F::Era}}, {{u"Edit10"_s, u""_s}, {u"Edit11"_s, u""_s}}},
        // Changed period end.
        {6, u""_s, {{u"Edit11"_s, F::Era}}, {{u"Edit11"_s, u""_s}}},
        // On-site check date.
        {7, u""_s, {{u"Edit26"_s, F::MonthDay}}, {{u"Edit26"_s, u""_s}}},
        // Dispatch date.
        {8, u""_s, {{u"Edit75"_s, F::MonthDay}}, {{u"Edit75"_s, u""_s}}},
    };
}

const QColor Navy(0x00, 0x00, 0x80);
} // namespace

const QList<CalendarTargetDef> &calendarTargets() {
    static const QList<CalendarTargetDef> table = makeTargets();
    return table;
}

CalendarWindow::CalendarWindow(LedgerWindow &ledger, QWidget *parent)
    : QWidget(parent)
    , m_ledger(&ledger) {
    setObjectName(u"Form5"_s);
    setWindowTitle(u"Calendar"_s);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setFixedSize(148, 189);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Navy);
    setPalette(pal);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(u"MonthCalendar1"_s);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    m_calendar->setGridVisible(false);
    m_calendar->setMinimumDate(Formats::firstEraDay());
    QFont small = m_calendar->font();
    small.setPointSize(7);
    m_calendar->setFont(small);
    m_calendar->setGeometry(0, 0, 148, 160);
    connect(m_calendar, &QCalendarWidget::clicked, this,
            [this](const QDate &date) { runAction(this, [&] { dayClicked(date); }); });

    auto *close = new QToolButton(this);
    close->setObjectName(u"SpeedButton1"_s);
    close->setText(u"閉じる"_s);
    close->setGeometry(4, 163, 70, 24);
    connect(close, &QToolButton::clicked, this, [this] { hide(); });

    auto *cls = new QToolButton(this);
    cls->setObjectName(u"SpeedButton2"_s);
    cls->setText(u"CLS"_s);
    cls->setToolTip(u"消去します"_s);
    cls->setGeometry(78, 163, 66, 24);
    QFont bold = cls->font();
    bold.setBold(true);
    cls->setFont(bold);
    cls->setStyleSheet(u"QToolButton { color: red; }"_s);
    connect(cls, &QToolButton::clicked, this,
            [this] { runAction(this, [this] { clsClicked(); }); });
}

QString CalendarWindow::dateText(const QDate &date, CalendarTargetDef::Form form) {
    switch (form) {
    case F::MonthDay:
        return Formats::monthDay(date);
    case F::Month:
        return Formats::monthNumber(date);
    case F::Year:
        return Formats::fourDigitYear(date);
    case F::Era:
        return Formats::eraDate(date);
    }
    return QString();
}

const CalendarTargetDef *CalendarWindow::currentTarget() const {
    for (const CalendarTargetDef &t : calendarTargets()) {
        if (t.target == m_target)
            return &t;
    }
    return nullptr;
}

void CalendarWindow::dayClicked(const QDate &date) {
    const CalendarTargetDef *t = currentTarget();
    if (!t || !m_ledger)
        return;
    if (!t->needsFilled.isEmpty() && m_ledger->boxText(t->needsFilled).isEmpty()) {
        Prompter::message(u"先に、検査日を入力して下さい"_s, std::nullopt, this);
        return;
    }
    for (const CalendarTargetDef::Write &w : t->writes)
        m_ledger->setBoxText(w.box, dateText(date, w.form));
}

void CalendarWindow::clsClicked() {
    const CalendarTargetDef *t = currentTarget();
    if (!t || !m_ledger)
        return;
    for (const BoxText &c : t->clears)
        m_ledger->setBoxText(c.box, c.text);
}
