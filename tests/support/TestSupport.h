#pragma once

#include "Clock.h"
#include "Prompter.h"

#include <QDir>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>

// A prompter that records every prompt and answers from a script (Yes when the script is
// empty). Installed for its lifetime.
class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter() { Prompter::install(this); }
    ~ScriptedPrompter() override { Prompter::install(nullptr); }

    bool show(const Prompt &prompt) override {
        prompts.append(prompt);
        return answers.isEmpty() ? true : answers.takeFirst();
    }

    QStringList texts() const {
        QStringList t;
        for (const Prompt &p : prompts)
            t << p.text;
        return t;
    }
    QString lastText() const { return prompts.isEmpty() ? QString() : prompts.last().text; }
    void clear() { prompts.clear(); }

    QList<Prompt> prompts;
    QList<bool> answers;
};

// A clock fixed to one day, installed for its lifetime.
class ScopedClock {
public:
    explicit ScopedClock(const QDate &day)
        : m_clock(day) {
        Clock::install(&m_clock);
    }
    ~ScopedClock() { Clock::install(nullptr); }
    void set(const QDate &day) { m_clock.set(day); }

private:
    FixedClock m_clock;
};

// A temporary folder holding a fresh DB.mdb made as `kensa init` makes it; the working
// directory is moved into it for the fixture's lifetime (the program finds DB.mdb there).
class LedgerFolder {
public:
    explicit LedgerFolder(bool withFile = true);
    ~LedgerFolder();
    QString dir() const { return m_dir.path(); }
    QString file() const { return m_dir.filePath(QStringLiteral("DB.mdb")); }

    // Runs statements on the file through a connection of its own (identifiers that begin
    // with a digit are bracketed on the way).
    void exec(const QString &statement) const;
    // Inserts one ledger case; columns not given stay null. Returns its ID.
    qint64 insertCase(const QVariantMap &columns) const;
    void insertInspector(int year, const QString &name, const QString &trade, int number = 1) const;
    // The first column of the first row of a query, as a variant (null when no row).
    QVariant scalar(const QString &query) const;
    // Every row of a query as lists of plain texts.
    QList<QStringList> rows(const QString &query) const;

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};
