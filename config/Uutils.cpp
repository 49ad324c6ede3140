#include "config/Uutils.h"

#include <QLocale>
#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "engine/Errors.h"

void UseDotForNumbers() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
}

namespace {

[[noreturn]] void ThrowNotANumber(const QString& text) {
    throw ConversionError(("'" + text + "' is not a valid floating point value").toStdString());
}

size_t SkipDigits(const std::string& s, size_t i) {
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
        ++i;
    return i;
}

// Sign, digits, optional "." and digits, optional exponent; blanks around are allowed.
bool IsDecimalNumber(const std::string& s) {
    size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    size_t intEnd = SkipDigits(s, i);
    size_t digits = intEnd - i;
    i = intEnd;
    if (i < s.size() && s[i] == '.') {
        size_t fracEnd = SkipDigits(s, i + 1);
        digits += fracEnd - i - 1;
        i = fracEnd;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        size_t expEnd = SkipDigits(s, j);
        if (expEnd == j)
            return false;
        i = expEnd;
    }
    return i == s.size();
}

double ConvertDot(const QString& original, const QString& text) {
    std::string s = text.trimmed().toStdString();
    if (!IsDecimalNumber(s))
        ThrowNotANumber(original);
    const char* first = s.data() + (s[0] == '+' ? 1 : 0);
    double value = 0;
    auto [end, ec] = std::from_chars(first, s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range)
        throw FloatError(kOverflow);
    if (ec != std::errc() || end != s.data() + s.size())
        ThrowNotANumber(original);
    return value;
}

} // namespace

double ParseNumber(const QString& text) {
    QString repaired = text;
    for (qsizetype i = repaired.size() - 1; i >= 1; --i) {
        if (repaired[i] == u'.' || repaired[i] == u',') {
            repaired[i] = u'.';
            break;
        }
    }
    return ConvertDot(text, repaired);
}

double StrToFloat(const QString& text) {
    return ConvertDot(text, text);
}

float ToSingle(double value) {
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max())
        throw FloatError(kOverflow);
    return static_cast<float>(value);
}

QChar FilterNumberKey(QChar key) {
    if (key == u',')
        key = u'.';
    bool passes = key == u'.' || key == u'-' || key.unicode() == 8 || (key >= u'0' && key <= u'9');
    return passes ? key : QChar(0);
}

QString ExpandLineBreaks(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("<CR>"), QStringLiteral("\r"));
    return result;
}

namespace {

// Digits of |value| with the position of the decimal point, from the shortest text
// that reads back as the same float.
struct DecimalDigits {
    std::string digits;
    int pointPos = 0; // digits before the point
};

DecimalDigits ShortestDigits(float magnitude) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    std::string sci(buf, res.ptr);
    size_t e = sci.find('e');
    DecimalDigits d;
    for (size_t i = 0; i < e; ++i)
        if (sci[i] != '.')
            d.digits += sci[i];
    d.pointPos = std::stoi(sci.substr(e + 1)) + 1;
    return d;
}

// Rounds half away from zero to the given decimals; returns the fixed text of the magnitude.
std::string RoundFixed(DecimalDigits d, int decimals) {
    if (d.pointPos < 1) {
        d.digits.insert(0, static_cast<size_t>(1 - d.pointPos), '0');
        d.pointPos = 1;
    }
    size_t keep = static_cast<size_t>(d.pointPos + decimals);
    if (d.digits.size() < keep + 1)
        d.digits.resize(keep + 1, '0');
    bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    for (size_t i = keep; up && i-- > 0;) {
        up = d.digits[i] == '9';
        d.digits[i] = up ? '0' : static_cast<char>(d.digits[i] + 1);
    }
    if (up) {
        d.digits.insert(0, 1, '1');
        ++d.pointPos;
    }
    std::string intPart = d.digits.substr(0, static_cast<size_t>(d.pointPos));
    intPart.erase(0, std::min(intPart.find_first_not_of('0'), intPart.size() - 1));
    std::string frac = d.digits.substr(static_cast<size_t>(d.pointPos));
    return decimals > 0 ? intPart + "." + frac : intPart;
}

} // namespace

QString FormatFloat(float value, int decimals) {
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NAN")
                                 : (value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));
    std::string text = RoundFixed(ShortestDigits(std::fabs(value)), decimals);
    bool allZero = text.find_first_not_of("0.") == std::string::npos;
    if (std::signbit(value) && !allZero)
        text.insert(0, 1, '-');
    return QString::fromStdString(text);
}

QString FormatPattern(float value, const char* pattern) {
    std::string p(pattern);
    size_t point = p.find('.');
    int decimals = point == std::string::npos ? 0 : static_cast<int>(p.size() - point - 1);
    return FormatFloat(value, decimals);
}

QString ShortestText(float value) {
    if (std::isinf(value)) {
        const float max = std::numeric_limits<float>::max();
        return QStringLiteral("beyond ") + ShortestText(value < 0 ? -max : max);
    }
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, res.ptr - buf);
}
