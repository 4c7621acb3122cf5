#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

// Number and date texts as the office prints them.
namespace Formats {

// Formats a number with one of the office's masks: "#,##0", "0.0", "0", "#,##0.00",
// ",0", "0.0%", "0000". A ',' anywhere before the decimal point groups thousands; '%'
// is a literal character (12.5 with "0.0%" gives "12.5%"). Rounding is half away
// from zero on the shortest decimal text of the value (85.25 -> "85.3").
QString formatNumber(double value, const QString &mask);

// Applies a mask to a value read from a table: numbers (integer and floating-point
// values, as numeric columns read back) are formatted; a text, even one made of digits
// such as a construction number in a text column, a null and an empty mask give the
// value's plain text unchanged.
QString applyMask(const QVariant &value, const QString &mask);

// The plain text of a stored value: 82.0 reads "82", 12345678 reads "12345678",
// null reads "".
QString plainText(const QVariant &value);

// Fixed-point decimal: a 64-bit count of ten-thousandths. parse() accepts an optional
// sign, digits and at most one point with any number of decimals (extra decimals are
// rounded half away from zero); blanks at both ends are ignored. Returns nothing when
// the text is not a number or does not fit.
struct Fixed {
    std::int64_t units = 0; // value * 10000
    static std::optional<Fixed> parse(const QString &text);
    double toDouble() const { return double(units) / 10000.0; }
    // Exact decimal text, no thousands separators and no trailing zeros ("1234.5", "0").
    QString toPlainText() const;
};

// A text read as a floating-point number ("85.25", " 12 "); nothing when it is not one.
std::optional<double> parseFloat(const QString &text);

// "mm/dd", "m", "yyyy" of a date.
QString monthDay(const QDate &date);
QString monthNumber(const QDate &date);
QString fourDigitYear(const QDate &date);

// Era date "H" + era year (two digits) + "/mm/dd"; the era year is the Gregorian year
// minus 1988 for every date from 8 January 1989 on (2011 -> H23, 2026 -> H38). An
// invalid or earlier date gives an empty text.
QString eraDate(const QDate &date);
// The first day the calendar offers.
QDate firstEraDay();

// The contract amount in units of 10,000 yen, "#,##0" (12345678 -> "1,235").
QString amountInManYen(double yen);

} // namespace Formats
