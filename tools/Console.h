#pragma once

#include <QString>

// What the companion's commands print, and their exit codes.
namespace Console {

constexpr int Done = 0;
constexpr int Failed = 1; // refused or failed; the message is on stderr
constexpr int Usage = 2;  // unknown command or wrong arguments

// A line on stdout / stderr, in the console's own encoding, so that Japanese reads right on
// Windows too.
void say(const QString &text);
void complain(const QString &text);
// A path as the clerk's system writes it, absolute.
QString shown(const QString &path);

} // namespace Console
