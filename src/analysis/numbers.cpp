#include "analysis/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tarvelo {

namespace {

// A value as a row of decimal digits: value = 0.d1d2d3... * 10^pointPos, so pointPos is
// the count of digits before the decimal point (zero or negative for values below 1).
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPos = 0;
};

// The value with `significant` digits, correctly rounded from its binary form.
DecimalDigits ToDecimal(double value, int significant) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, value);
    DecimalDigits d;
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != 'e' && *p != '\0'; ++p) {
        if (*p >= '0' && *p <= '9') d.digits.push_back(*p);
    }
    const int exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
    d.pointPos = exponent + 1;
    return d;
}

bool IsAllZero(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

// Rounds to `places` digits after the point, halves away from zero; afterwards the digit
// row holds exactly pointPos + places digits (or a single "0" for zero).
void RoundToPlaces(DecimalDigits& d, int places) {
    const int keep = d.pointPos + places;
    const int count = static_cast<int>(d.digits.size());
    if (keep >= count) {
        d.digits.append(static_cast<size_t>(keep - count), '0');
        return;
    }
    if (keep < 0) {
        d.digits = "0";
        d.pointPos = 1 - places;
        return;
    }
    const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            char& c = d.digits[static_cast<size_t>(i)];
            if (c == '9') {
                c = '0';
            } else {
                ++c;
                break;
            }
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        }
    }
    if (d.digits.empty()) {
        d.digits = "0";
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
    DecimalDigits d = ToDecimal(value, significant);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    const int count = static_cast<int>(d.digits.size());
    const int exponent = d.pointPos - 1;
    std::string out = d.negative ? "-" : "";
    if (exponent >= -4 && exponent < significant) {
        if (d.pointPos <= 0) {
            out += "0.";
            out.append(static_cast<size_t>(-d.pointPos), '0');
            out += d.digits;
        } else if (d.pointPos >= count) {
            out += d.digits;
            out.append(static_cast<size_t>(d.pointPos - count), '0');
        } else {
            out += d.digits.substr(0, static_cast<size_t>(d.pointPos));
            out += '.';
            out += d.digits.substr(static_cast<size_t>(d.pointPos));
        }
    } else {
        out += d.digits[0];
        if (count > 1) {
            out += '.';
            out += d.digits.substr(1);
        }
        char expText[16];
        std::snprintf(expText, sizeof expText, "E%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        out += expText;
    }
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

QString OneDecimalText(double value, int significant) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    DecimalDigits d = ToDecimal(value, significant);
    if (value == 0) d = DecimalDigits{false, "0", 1};
    RoundToPlaces(d, 1);
    std::string out;
    if (d.negative && !IsAllZero(d.digits)) out += '-';
    // After rounding the row holds pointPos + 1 digits: the integer part, then one.
    if (d.pointPos <= 0) {
        out += "0.";
        out += d.digits.back();
    } else {
        out += d.digits.substr(0, static_cast<size_t>(d.pointPos));
        out += '.';
        out += d.digits.back();
    }
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

double LeadingNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t')) ++i;
    std::string number;
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
    return std::strtod(number.c_str(), nullptr);
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
