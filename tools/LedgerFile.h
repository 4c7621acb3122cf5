#pragma once

#include <QDate>
#include <QString>

// Making the office's database file. The desktop program never creates a file or a table;
// the companion `kensa` does it with these two functions.

// Creates a new SQLite file at `path` holding every table of the ledger (the ledger, the
// three master tables and the seven report tables, all STRICT), the single numbering row of
// 22諸定義 (ID 1), the seal type 市長印 and the eighteen labelled rows of
// 41工事成績評定点集計表. The folder must exist. Throws EngineError when `path` already
// exists (the file is left untouched) or when the file cannot be made (a partly made file
// is removed again).
void createLedgerFile(const QString &path);

// Fills a file made by createLedgerFile with a believable office: inspectors, seal types,
// numbering definitions and a few hundred cases in each of the fiscal year of `today` and
// the year before, in every state from received to dispatched. Nothing is passed or
// dispatched after `today`. The same `today` always gives the same rows. Everything is
// written in one transaction; on failure nothing is written and EngineError is thrown.
void fillDemo(const QString &path, const QDate &today);
