#include "SqlText.h"

namespace SqlText {

QString quote(const QString &value) {
    QString doubled = value;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString trimBlanks(const QString &text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

QString quoteBoxValue(const QString &boxText) {
    const QString trimmed = trimBlanks(boxText);
    if (trimmed.isEmpty())
        return QStringLiteral("' '");
    return quote(trimmed);
}

bool isWholeNumber(const QString &text) {
    const QString t = trimBlanks(text);
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+')))
        ++i;
    if (i == t.size())
        return false;
    for (; i < t.size(); ++i) {
        const char16_t c = t.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString joinLines(const QStringList &lines) {
    return lines.join(QLatin1Char('\n'));
}

// Characters that the engine takes as part of a bare identifier or number: ASCII letters,
// digits, '_' and everything outside ASCII (Japanese names, the full-width colon).
static bool isWordChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
           u == u'_' || u >= 0x80;
}

static bool isDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

QString adaptForEngine(const QString &statement) {
    QString out;
    out.reserve(statement.size() + 16);
    const qsizetype n = statement.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = statement.at(i);
        if (c == QLatin1Char('\'')) {
            // Copy the literal whole, with its doubled quotes.
            qsizetype j = i + 1;
            while (j < n) {
                if (statement.at(j) == QLatin1Char('\'')) {
                    if (j + 1 < n && statement.at(j + 1) == QLatin1Char('\'')) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            const qsizetype end = j < n ? j + 1 : n;
            out += QStringView(statement).mid(i, end - i);
            i = end;
            continue;
        }
        if (c == QLatin1Char('[')) {
            // Already bracketed: copy up to the closing bracket.
            const qsizetype close = statement.indexOf(QLatin1Char(']'), i);
            const qsizetype end = close < 0 ? n : close + 1;
            out += QStringView(statement).mid(i, end - i);
            i = end;
            continue;
        }
        if (isWordChar(c)) {
            qsizetype j = i;
            while (j < n && isWordChar(statement.at(j)))
                ++j;
            const QStringView word = QStringView(statement).mid(i, j - i);
            bool number = true;
            for (QChar w : word) {
                if (!isDigit(w) && w != QLatin1Char('.')) {
                    number = false;
                    break;
                }
            }
            // A run like "1e5" never occurs in the office's statements; every digit-led run
            // that holds anything but digits and a point is a table or column name.
            if (isDigit(c) && !number) {
                out += QLatin1Char('[');
                out += word;
                out += QLatin1Char(']');
            } else {
                out += word;
            }
            i = j;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

} // namespace SqlText
