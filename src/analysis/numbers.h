#pragma once

#include <QString>
#include <QStringView>

namespace tarvelo {

// The number that the leading numeric part of a text spells ("12.5" -> 12.5, "7." -> 7,
// "." -> 0, "" -> 0). Blanks before the number and one sign are accepted, and so is an
// exponent ("1E3"), so that numbers read from files keep their value.
double LeadingNumber(QStringView text);

// The shortest decimal text of a value with the significant digits its precision
// carries (7 for float, 15 for double): 17 -> "17", 7.5 -> "7.5", 0.5 -> "0.5".
// Values below 0.0001 or of more digits than the precision are written like "1E+20".
QString ShortNumberText(float value);
QString ShortNumberText(double value);

// The pattern "0.0": the value is first taken with the significant digits of its
// precision, then rounded to one place, halves away from zero: 2.25 -> "2.3".
// A value that rounds to zero is written "0.0", never "-0.0".
QString FormatOneDecimal(float value);
QString FormatOneDecimal(double value);

// True when every character is "0" to "9" or "." (the empty text included).
bool IsNumberText(QStringView text);

// True when the whole text, without surrounding blanks, is a plain decimal number
// ("631.9", "-20.0", "15"); the stored texts of a result file are judged only then.
bool IsDecimalNumberText(QStringView text);

}  // namespace tarvelo
