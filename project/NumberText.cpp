#include "project/NumberText.h"

#include <charconv>

#include "config/Uutils.h"
#include "engine/Errors.h"

QString NumberText(float value) {
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        return QString::number(value);
    QString text = QString::fromLatin1(buffer, end - buffer);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

float ReadNumber(const QString& text) {
    return ToSingle(ParseNumber(text));
}

std::optional<float> TryNumber(const QString& text) {
    try {
        return ReadNumber(text);
    } catch (const TermoraError&) {
        return std::nullopt;
    }
}
