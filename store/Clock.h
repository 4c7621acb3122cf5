#pragma once

#include <QDate>

// "Today" comes from here only, so that a start on 15 March 2012 can be tried out.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;

    // The clock in use; the system clock unless another was installed.
    static const Clock &current();
    // Installs a clock (not owned); nullptr returns to the system clock.
    static void install(const Clock *clock);
};

class SystemClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

class FixedClock : public Clock {
public:
    explicit FixedClock(const QDate &day)
        : m_day(day) {}
    QDate today() const override { return m_day; }
    void set(const QDate &day) { m_day = day; }

private:
    QDate m_day;
};
