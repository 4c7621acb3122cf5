#pragma once

#include <QDate>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class LedgerWindow;
class QCalendarWidget;

// One box of the LedgerWindow set to a fixed text.
struct BoxText {
    QString box;
    QString text;
};

// What the calendar writes for one target: each click on a day writes the date into the
// target's boxes in their own text forms; "CLS" empties them.
struct CalendarTargetDef {
    enum class Form {
        MonthDay, // "mm/dd"
        Month,    // month number without leading zero
        Year,     // four digits
        Era,      // "H" + era year + "/mm/dd"
    };
    struct Write {
        QString box;
        Form form;
    };
    int target;
    QString needsFilled; // a click writes only while this box is not empty ("" for none)
    QList<Write> writes;
    QList<BoxText> clears;
};

// The eight targets, keyed by CalendarTarget.
const QList<CalendarTargetDef> &calendarTargets();

// The calendar (Form5, "Calendar"): fills the date boxes of the LedgerWindow. Each click on
// a day writes it into the boxes of the current target; the window stays open so that a
// wrong day can be corrected with another click. Created once, hidden, re-aimed by the
// field openers.
class CalendarWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalendarWindow(LedgerWindow &ledger, QWidget *parent = nullptr);

    // CalendarTarget: 1 to 8; any other number writes and empties nothing.
    void setCalendarTarget(int target) { m_target = target; }
    int calendarTarget() const { return m_target; }

    QCalendarWidget *calendar() const { return m_calendar; } // MonthCalendar1

    void dayClicked(const QDate &date); // a click on a day of the calendar
    void clsClicked();                  // "CLS"

    static QString dateText(const QDate &date, CalendarTargetDef::Form form);

private:
    const CalendarTargetDef *currentTarget() const;

    QPointer<LedgerWindow> m_ledger;
    QCalendarWidget *m_calendar = nullptr;
    int m_target = 0;
};
