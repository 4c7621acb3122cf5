#pragma once

#include <QString>
#include <QStringList>

// How values become SQL text. Statements are built as literal text from fixed fragments
// and values, never with parameters, so that each statement reads exactly as the office's
// tables expect it.
namespace SqlText {

// Standard quoting: wrapped in single quotes, each single quote inside doubled.
QString quote(const QString &value);

// Removes the characters with codes up to 32 (space and control characters) at both
// ends; the full-width space is kept.
QString trimBlanks(const QString &text);

// A box's text for a text column: trimmed; "' '" when nothing remains, else quoted.
QString quoteBoxValue(const QString &boxText);

// True when the text, trimmed of blanks, is an optional sign followed by digits only.
bool isWholeNumber(const QString &text);

// Joins a statement's lines with line breaks into one statement text.
QString joinLines(const QStringList &lines);

// Adapts a statement to the engine just before it runs: identifiers that begin with a
// digit (10工事検査台帳, 4月c, 1月) are bracketed; string literals are left alone.
QString adaptForEngine(const QString &statement);

} // namespace SqlText
