#include "Formats.h"

#include <charconv>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace Formats {

namespace {

// A number as decimal digits: value = (negative ? -1 : 1) * digits * 10^exponent.
// Digits are ASCII, without leading zeros ("0" for zero).
struct Decimal {
    bool negative = false;
    QByteArray digits = "0";
    int exponent = 0;
};

void normalise(Decimal &d) {
    int lead = 0;
    while (lead < d.digits.size() - 1 && d.digits[lead] == '0')
        ++lead;
    d.digits.remove(0, lead);
    if (d.digits == "0") {
        d.exponent = 0;
        return;
    }
    while (d.digits.size() > 1 && d.digits.endsWith('0')) {
        d.digits.chop(1);
        ++d.exponent;
    }
}

// The decimal text of a double with 15 significant digits, trailing zeros dropped. Fifteen
// digits are what a double holds faithfully, so a value read from "85.25" or computed as
// 0.285 * 100 comes back as the decimal the office meant (85.25, 28.5) rather than as its
// binary neighbour 28.499999999999996, and rounding then works on that decimal.
Decimal decimalOf(double value) {
    Decimal d;
    if (value == 0.0 || !std::isfinite(value))
        return d;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const QByteArray text(buffer, int(result.ptr - buffer)); // "-d.ddddddddddddddde+XX"
    int pos = 0;
    if (text[0] == '-') {
        d.negative = true;
        pos = 1;
    }
    const int e = text.indexOf('e');
    d.digits.clear();
    for (int i = pos; i < e; ++i) {
        if (text[i] != '.')
            d.digits.append(text[i]);
    }
    d.exponent = text.mid(e + 1).toInt() - (int(d.digits.size()) - 1);
    normalise(d);
    return d;
}

Decimal decimalOf(qlonglong value) {
    Decimal d;
    d.negative = value < 0;
    // The magnitude through unsigned arithmetic, so that the smallest value has one too.
    const qulonglong magnitude = d.negative ? 0 - qulonglong(value) : qulonglong(value);
    d.digits = QByteArray::number(magnitude);
    normalise(d);
    return d;
}

bool isZero(const Decimal &d) {
    return d.digits == "0";
}

// Rounds to `decimals` places, half away from zero, and returns the digits of the
// result scaled by 10^decimals (so "1235" with 2 decimals stands for 12.35).
QByteArray roundedDigits(const Decimal &d, int decimals) {
    QByteArray digits = d.digits;
    const int shift = d.exponent + decimals; // places to move the point to the right
    if (shift >= 0)
        return digits + QByteArray(shift, '0');
    const int cut = -shift;
    if (digits.size() <= cut)
        digits.prepend(QByteArray(cut - digits.size() + 1, '0'));
    const bool up = digits[digits.size() - cut] >= '5';
    digits.chop(cut);
    if (up) {
        int i = digits.size() - 1;
        while (i >= 0 && digits[i] == '9') {
            digits[i] = '0';
            --i;
        }
        if (i < 0)
            digits.prepend('1');
        else
            digits[i] = char(digits[i] + 1);
    }
    return digits;
}

struct Mask {
    QString prefix;
    QString suffix;
    int integerMinimum = 0;
    bool grouping = false;
    int decimalsMinimum = 0;
    int decimalsMaximum = 0;
    bool valid = false;
};

Mask parseMask(const QString &text) {
    Mask mask;
    static const QString placeholders = u"0#,."_s;
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (placeholders.contains(text[i])) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return mask;
    mask.valid = true;
    mask.prefix = text.left(first);
    mask.suffix = text.mid(last + 1);
    bool afterPoint = false;
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = text[i];
        if (c == u'.') {
            afterPoint = true;
        } else if (!afterPoint) {
            if (c == u'0')
                ++mask.integerMinimum;
            else if (c == u',')
                mask.grouping = true;
        } else if (c == u'0') {
            ++mask.decimalsMinimum;
            ++mask.decimalsMaximum;
        } else if (c == u'#') {
            ++mask.decimalsMaximum;
        }
    }
    return mask;
}

QString formatDecimal(const Decimal &value, const QString &maskText) {
    const Mask mask = parseMask(maskText);
    if (!mask.valid)
        return maskText;

    QByteArray digits = roundedDigits(value, mask.decimalsMaximum);
    const bool zero = digits.count('0') == digits.size();
    if (digits.size() <= mask.decimalsMaximum)
        digits.prepend(QByteArray(mask.decimalsMaximum - digits.size() + 1, '0'));
    QByteArray integer = digits.left(digits.size() - mask.decimalsMaximum);
    QByteArray fraction = digits.right(mask.decimalsMaximum);

    while (integer.size() > 1 && integer.startsWith('0'))
        integer.remove(0, 1);
    if (integer == "0" && mask.integerMinimum == 0)
        integer.clear();
    if (integer.size() < mask.integerMinimum)
        integer.prepend(QByteArray(mask.integerMinimum - integer.size(), '0'));
    while (fraction.size() > mask.decimalsMinimum && fraction.endsWith('0'))
        fraction.chop(1);

    if (mask.grouping) {
        for (int i = int(integer.size()) - 3; i > 0; i -= 3)
            integer.insert(i, ',');
    }

    QString text = mask.prefix;
    if (value.negative && !zero)
        text += u'-';
    text += QString::fromLatin1(integer);
    if (!fraction.isEmpty())
        text += u'.' + QString::fromLatin1(fraction);
    return text + mask.suffix;
}

// Plain decimal text without exponent: "82", "1234.5", "-0.05".
QString decimalText(const Decimal &d) {
    QByteArray text = d.digits;
    if (d.exponent >= 0) {
        if (!isZero(d))
            text.append(QByteArray(d.exponent, '0'));
    } else {
        const int decimals = -d.exponent;
        if (text.size() <= decimals)
            text.prepend(QByteArray(decimals - text.size() + 1, '0'));
        text.insert(text.size() - decimals, '.');
    }
    if (d.negative && !isZero(d))
        text.prepend('-');
    return QString::fromLatin1(text);
}

bool isIntegerType(const QVariant &value) {
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isFloatType(const QVariant &value) {
    const int id = value.metaType().id();
    return id == QMetaType::Double || id == QMetaType::Float;
}

} // namespace

QString formatNumber(double value, const QString &mask) {
    if (mask.isEmpty())
        return decimalText(decimalOf(value));
    return formatDecimal(decimalOf(value), mask);
}

QString applyMask(const QVariant &value, const QString &mask) {
    if (value.isNull() || mask.isEmpty())
        return plainText(value);
    if (isIntegerType(value))
        return formatDecimal(decimalOf(value.toLongLong()), mask);
    if (value.metaType().id() == QMetaType::ULongLong) {
        Decimal d;
        d.digits = QByteArray::number(value.toULongLong());
        normalise(d);
        return formatDecimal(d, mask);
    }
    if (isFloatType(value))
        return formatDecimal(decimalOf(value.toDouble()), mask);
    // A text keeps its form even when it is made of digits: a mask shapes numbers only.
    return plainText(value);
}

QString plainText(const QVariant &value) {
    if (value.isNull())
        return QString();
    if (isFloatType(value))
        return decimalText(decimalOf(value.toDouble()));
    return value.toString();
}

std::optional<Fixed> Fixed::parse(const QString &text) {
    const QString t = text.trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < t.size() && (t[pos] == u'-' || t[pos] == u'+')) {
        negative = t[pos] == u'-';
        ++pos;
    }
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
    std::int64_t units = 0;
    int digitCount = 0;
    int decimals = 0;
    bool point = false;
    bool roundUp = false;
    for (; pos < t.size(); ++pos) {
        const QChar c = t[pos];
        if (c == u'.') {
            if (point)
                return std::nullopt;
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c.unicode() - u'0';
        ++digitCount;
        if (point && decimals >= 4) {
            // Only the first digit beyond the fourth decimal decides the rounding.
            if (decimals == 4)
                roundUp = digit >= 5;
            ++decimals;
            continue;
        }
        if (point)
            ++decimals;
        if (units > (limit - digit) / 10)
            return std::nullopt;
        units = units * 10 + digit;
    }
    if (digitCount == 0)
        return std::nullopt;
    for (; decimals < 4; ++decimals) {
        if (units > limit / 10)
            return std::nullopt;
        units *= 10;
    }
    if (roundUp) {
        if (units == limit)
            return std::nullopt;
        ++units;
    }
    return Fixed{negative ? -units : units};
}

QString Fixed::toPlainText() const {
    Decimal d;
    d.negative = units < 0;
    const std::uint64_t magnitude = d.negative ? 0 - std::uint64_t(units) : std::uint64_t(units);
    d.digits = QByteArray::number(qulonglong(magnitude));
    d.exponent = -4;
    normalise(d);
    return decimalText(d);
}

std::optional<double> parseFloat(const QString &text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (const QChar c : t) {
        if (!(c.isDigit() && c.unicode() < 128) && c != u'.' && c != u'-' && c != u'+' &&
            c != u'e' && c != u'E')
            return std::nullopt;
    }
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString monthDay(const QDate &date) {
    return date.isValid() ? date.toString(u"MM/dd"_s) : QString();
}

QString monthNumber(const QDate &date) {
    return date.isValid() ? QString::number(date.month()) : QString();
}

QString fourDigitYear(const QDate &date) {
    return date.isValid() ? QStringLiteral("%1").arg(date.year(), 4, 10, QChar(u'0')) : QString();
}

QString eraDate(const QDate &date) {
    if (!date.isValid() || date < firstEraDay())
        return QString();
    return u"H"_s + QStringLiteral("%1").arg(date.year() - 1988, 2, 10, QChar(u'0')) + u'/' +
           date.toString(u"MM/dd"_s);
}

QDate firstEraDay() {
    return QDate(1989, 1, 8);
}

QString amountInManYen(double yen) {
    Decimal d = decimalOf(yen);
    if (!isZero(d))
        d.exponent -= 4;
    return formatDecimal(d, u"#,##0"_s);
}

} // namespace Formats
