#include "Console.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace Console {

namespace {
void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}
} // namespace

void say(const QString &text)
{
    print(stdout, text);
}

void complain(const QString &text)
{
    print(stderr, text);
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace Console
