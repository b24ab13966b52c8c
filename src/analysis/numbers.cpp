#include "analysis/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tarvelo {

namespace {

// A short text on the stack: the number helpers run for every field of every sheet, and
// heap strings would cost more than the arithmetic. 400 characters hold any double.
class FixedText {
public:
    void Append(char c) { data_[size_++] = c; }
    void Append(int count, char c) {
        for (int i = 0; i < count; ++i) Append(c);
    }
    void Append(const char* text, int count) {
        for (int i = 0; i < count; ++i) Append(text[i]);
    }
    void Insert(char c) {
        for (int i = size_; i > 0; --i) data_[i] = data_[i - 1];
        data_[0] = c;
        ++size_;
    }
    void Resize(int size) { size_ = size; }
    int Size() const { return size_; }
    const char* Data() const { return data_; }
    char& operator[](int i) { return data_[i]; }
    char operator[](int i) const { return data_[i]; }
    char Back() const { return data_[size_ - 1]; }
    bool IsAllZero() const {
        for (int i = 0; i < size_; ++i) {
            if (data_[i] != '0') return false;
        }
        return true;
    }
    QString ToQString() const { return QString::fromLatin1(data_, size_); }

private:
    char data_[400];
    int size_ = 0;
};

// A value as a row of decimal digits: value = 0.d1d2d3... * 10^pointPos, so pointPos is
// the count of digits before the decimal point (zero or negative for values below 1).
struct DecimalDigits {
    bool negative = false;
    FixedText digits;
    int pointPos = 0;
};

// The value with `significant` digits, correctly rounded from its binary form.
void ToDecimal(double value, int significant, DecimalDigits& d) {
    char buffer[64];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::scientific, significant - 1)
                          .ptr;
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') d.digits.Append(*p);
    }
    int exponent = 0;
    if (p != end) {
        ++p;
        if (*p == '+') ++p;
        std::from_chars(p, end, exponent);
    }
    d.pointPos = exponent + 1;
}

// Rounds to `places` digits after the point, halves away from zero; afterwards the digit
// row holds exactly pointPos + places digits.
void RoundToPlaces(DecimalDigits& d, int places) {
    const int keep = d.pointPos + places;
    const int count = d.digits.Size();
    if (keep >= count) {
        d.digits.Append(keep - count, '0');
        return;
    }
    if (keep < 0) {
        d.digits.Resize(0);
        d.digits.Append('0');
        d.pointPos = 1 - places;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.Resize(keep);
    if (up) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            char& c = d.digits[i];
            if (c == '9') {
                c = '0';
            } else {
                ++c;
                break;
            }
        }
        if (i < 0) {
            d.digits.Insert('1');
            ++d.pointPos;
        }
    }
    if (d.digits.Size() == 0) {
        d.digits.Append('0');
        d.pointPos = 1 - places;
    }
}

QString NonFiniteText(double value) {
    if (std::isnan(value)) return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
}

QString ShortText(double value, int significant) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (value == 0) return QStringLiteral("0");
    DecimalDigits d;
    ToDecimal(value, significant, d);
    while (d.digits.Size() > 1 && d.digits.Back() == '0') d.digits.Resize(d.digits.Size() - 1);
    const int count = d.digits.Size();
    const int exponent = d.pointPos - 1;
    FixedText out;
    if (d.negative) out.Append('-');
    if (exponent >= -4 && exponent < significant) {
        if (d.pointPos <= 0) {
            out.Append("0.", 2);
            out.Append(-d.pointPos, '0');
            out.Append(d.digits.Data(), count);
        } else if (d.pointPos >= count) {
            out.Append(d.digits.Data(), count);
            out.Append(d.pointPos - count, '0');
        } else {
            out.Append(d.digits.Data(), d.pointPos);
            out.Append('.');
            out.Append(d.digits.Data() + d.pointPos, count - d.pointPos);
        }
    } else {
        out.Append(d.digits[0]);
        if (count > 1) {
            out.Append('.');
            out.Append(d.digits.Data() + 1, count - 1);
        }
        char expText[16];
        const int length = std::snprintf(expText, sizeof expText, "E%c%02d",
                                         exponent < 0 ? '-' : '+', std::abs(exponent));
        out.Append(expText, length);
    }
    return out.ToQString();
}

QString OneDecimalText(double value, int significant) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    DecimalDigits d;
    if (value == 0) {
        d.digits.Append('0');
        d.pointPos = 1;
    } else {
        ToDecimal(value, significant, d);
    }
    RoundToPlaces(d, 1);
    FixedText out;
    if (d.negative && !d.digits.IsAllZero()) out.Append('-');
    // After rounding the row holds pointPos + 1 digits: the integer part, then one.
    if (d.pointPos <= 0) {
        out.Append('0');
    } else {
        out.Append(d.digits.Data(), d.pointPos);
    }
    out.Append('.');
    out.Append(d.digits.Back());
    return out.ToQString();
}

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

double LeadingNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t')) ++i;
    std::string number;
    number.reserve(32);
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') number += '-';
        ++i;
    }
    bool anyDigit = false;
    for (; i < n && IsDigit(text[i]); ++i) {
        number += static_cast<char>(text[i].unicode());
        anyDigit = true;
    }
    if (i < n && text[i] == u'.') {
        number += '.';
        for (++i; i < n && IsDigit(text[i]); ++i) {
            number += static_cast<char>(text[i].unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            exponent += static_cast<char>(text[j].unicode());
            ++j;
        }
        if (j < n && IsDigit(text[j])) {
            for (; j < n && IsDigit(text[j]); ++j) exponent += static_cast<char>(text[j].unicode());
            number += exponent;
        }
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: read it the way strtod does (inf or 0).
        return std::strtod(number.c_str(), nullptr);
    }
    return value;
}

QString ShortNumberText(float value) { return ShortText(static_cast<double>(value), 7); }
QString ShortNumberText(double value) { return ShortText(value, 15); }
QString FormatOneDecimal(float value) { return OneDecimalText(static_cast<double>(value), 7); }
QString FormatOneDecimal(double value) { return OneDecimalText(value, 15); }

bool IsNumberText(QStringView text) {
    for (QChar c : text) {
        if (!IsDigit(c) && c != u'.') return false;
    }
    return true;
}

bool IsDecimalNumberText(QStringView text) {
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == u'+' || t[i] == u'-')) ++i;
    bool anyDigit = false;
    for (; i < n && IsDigit(t[i]); ++i) anyDigit = true;
    if (i < n && t[i] == u'.') {
        for (++i; i < n && IsDigit(t[i]); ++i) anyDigit = true;
    }
    return anyDigit && i == n;
}

}  // namespace tarvelo
