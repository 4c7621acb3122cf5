#pragma once

#include <QStringList>

// `kensa report FORM [--year FY] [--db FILE] [--pdf FILE]` and, for the registers,
// `[--inspector NAME] [--month M] [--band B] [--sort N]`. `args` are the words after
// "report". Returns 0 done, 1 failed (the engine's message on stderr), 2 unknown or not yet
// available form, or wrong arguments.
int reportCommand(const QStringList &args);
