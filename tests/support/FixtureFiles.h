#pragma once
// Files written into a fresh temporary directory, in the encodings the readers accept.
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

#include "support/RecordingSeam.h"
#include "support/Slowdown.h"

enum class TextEncoding { Utf16LeBom, Utf16BeBom, Utf8Bom, Utf8, Cp1252 };
inline constexpr TextEncoding kAllEncodings[] = {TextEncoding::Utf16LeBom, TextEncoding::Utf16BeBom,
                                                 TextEncoding::Utf8Bom, TextEncoding::Utf8,
                                                 TextEncoding::Cp1252};

inline QByteArray Encode(const QString& text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf16LeBom:
        return QByteArray("\xFF\xFE") + QStringEncoder(QStringConverter::Utf16LE).encode(text);
    case TextEncoding::Utf16BeBom:
        return QByteArray("\xFE\xFF") + QStringEncoder(QStringConverter::Utf16BE).encode(text);
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Cp1252:
        return QStringEncoder("windows-1252").encode(text);
    }
    return {};
}

// Bytes that are no text: every value, NULs and line breaks included.
inline QByteArray RandomBytes(qsizetype size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (auto& b : bytes)
        b = static_cast<char>(random.bounded(256));
    return bytes;
}

// What a loader may do with a file that is no text of its kind: return within seconds and
// report at most one message, short enough to read. The bound leaves room for a loaded
// machine (a linear load takes under a second) and still fails a quadratic one.
template <typename Load> void ExpectQuietLoad(const RecordingSeam& seam, Load load) {
    QElapsedTimer timer;
    timer.start();
    load();
    EXPECT_LT(timer.elapsed(), 15000 * kSlowdown);
    EXPECT_LE(seam.messages.size(), 1u);
    for (const QString& text : seam.Texts())
        EXPECT_LT(text.size(), 1000);
}

class FixtureDir {
public:
    QString Path() const { return dir_.path(); }
    QString File(const QString& name) const { return dir_.filePath(name); }

    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(File(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write fixture file");
    }
    void WriteText(const QString& name, const QString& text,
                   TextEncoding encoding = TextEncoding::Utf8) const {
        Write(name, Encode(text, encoding));
    }

private:
    QTemporaryDir dir_;
};

inline const char* EncodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf16LeBom:
        return "Utf16LeBom";
    case TextEncoding::Utf16BeBom:
        return "Utf16BeBom";
    case TextEncoding::Utf8Bom:
        return "Utf8Bom";
    case TextEncoding::Utf8:
        return "Utf8";
    case TextEncoding::Cp1252:
        return "Cp1252";
    }
    return "";
}

inline void PrintTo(TextEncoding encoding, std::ostream* os) {
    *os << EncodingName(encoding);
}

// Names parameterised tests after their encoding.
struct EncodingParamName {
    template <typename Info> std::string operator()(const Info& info) const {
        return EncodingName(info.param);
    }
};
