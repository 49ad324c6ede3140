#pragma once
// Splitting of ";"-separated lines, the same for the configuration and the thickness tables.
#include <QString>

class TFieldSplitter {
public:
    explicit TFieldSplitter(QString line) : rest_(std::move(line)) {}

    // The text before the next ";", which is removed with it. Without a ";" the field is
    // empty and the remainder stays, so a number read from it fails.
    QString Next();
    // The last field: the rest of the line, or the text before a further ";".
    QString Last() const;

    // Next() / Last() read as a number (ParseNumber) stored as a 32-bit float;
    // throws ConversionError or FloatError.
    float NextNumber();
    float LastNumber() const;

private:
    QString rest_;
};
