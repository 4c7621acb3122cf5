#pragma once

#include <QStringList>

// The subcommands of `kensa`. `args` are the words after the program name, e.g.
// {"init", "C:/kensa"}. Returns the exit code: 0 done, 1 refused or failed (message on
// stderr), 2 unknown command or wrong arguments (usage on stderr).
int runCommand(const QStringList &args);
