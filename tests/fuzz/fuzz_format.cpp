// Result texts: every pattern the windows and the report use, for any 32-bit value.
#include <cmath>
#include <cstring>

#include "FuzzSupport.h"
#include "config/Uutils.h"

namespace {

constexpr const char* kPatterns[] = {"#########0",      "#########0.00", "#########0.000",
                                     "#########0.0000", "#0.0",          "#0.00",
                                     "#0.000",          "#0.0000",       "###0.00"};

int DecimalsOf(const char* pattern) {
    const char* point = std::strchr(pattern, '.');
    return point ? static_cast<int>(std::strlen(point + 1)) : 0;
}

// Digits, then a point and exactly the pattern's decimals; no leading zeros.
bool WellFormed(const QString& digits, int decimals) {
    const qsizetype point = decimals > 0 ? digits.size() - decimals - 1 : digits.size();
    if (point < 1 || (decimals > 0 && digits[point] != u'.'))
        return false;
    for (qsizetype i = 0; i < digits.size(); ++i)
        if (i != point && (digits[i] < u'0' || digits[i] > u'9'))
            return false;
    return point == 1 || digits[0] != u'0';
}

void CheckFinite(float value, const QString& text, int decimals) {
    const QString digits = text.startsWith(u'-') ? text.mid(1) : text;
    Require(WellFormed(digits, decimals), "digits, a point and the pattern's decimals");
    const double shown = StrToFloat(text);
    Require(!(text.startsWith(u'-') && shown == 0.0), "no minus sign on zero");
    const double exact = value;
    const double tolerance =
        0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(exact) * std::ldexp(1.0, -23);
    Require(std::fabs(shown - exact) <= tolerance, "the text rounds the value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const float value = TakeFloat(data, size);
    for (const char* pattern : kPatterns) {
        const QString text = FormatPattern(value, pattern);
        if (std::isnan(value))
            Require(text == QStringLiteral("NAN"), "not-a-number reads NAN");
        else if (std::isinf(value))
            Require(text == (value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF")),
                    "infinities read INF");
        else
            CheckFinite(value, text, DecimalsOf(pattern));
    }
    return 0;
}
