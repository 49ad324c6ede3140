// Number texts as the forms and the data files give them: a number or one of the two
// errors the user is shown, never anything else; the key filter and the line-break markers.
#include <cmath>
#include <limits>
#include <optional>

#include "FuzzSupport.h"
#include "config/Uutils.h"
#include "engine/Errors.h"

namespace {

// The value, or nothing after one of the errors meant for the user. Any other exception
// escapes and ends the run as a finding.
template <typename Parse> std::optional<double> Parsed(Parse parse, const QString& text) {
    try {
        const double value = parse(text);
        Require(std::isfinite(value), "a parsed number is finite");
        return value;
    } catch (const ConversionError&) {
    } catch (const FloatError&) {
    }
    return std::nullopt;
}

void CheckSingle(double value) {
    try {
        const float single = ToSingle(value);
        Require(std::isfinite(single), "a number within float range stays finite");
    } catch (const FloatError&) {
        Require(std::fabs(value) > std::numeric_limits<float>::max(),
                "only a number beyond float range overflows");
    }
}

void CheckKeys(const QString& text) {
    for (const QChar key : text) {
        const QChar passed = FilterNumberKey(key);
        Require(passed == QChar(0) || passed == u'.' || passed == u'-' || passed.unicode() == 8 ||
                    (passed >= u'0' && passed <= u'9'),
                "the key filter lets only number keys through");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(Bytes(data, size));
    const std::optional<double> lenient = Parsed(ParseNumber, text);
    const std::optional<double> strict = Parsed(StrToFloat, text);
    if (!text.contains(u','))
        Require(lenient == strict, "without a comma both readings agree");
    if (lenient)
        CheckSingle(*lenient);
    CheckKeys(text);
    Require(!ExpandLineBreaks(text).contains(QStringLiteral("<CR>")), "every marker is expanded");
    return 0;
}
