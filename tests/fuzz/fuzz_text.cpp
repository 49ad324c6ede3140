// A data file's text: byte-order mark, encoding and line split, from bytes and from a file.
#include <QStringDecoder>
#include <QStringList>

#include "FuzzSupport.h"
#include "config/Tntinifiles.h"

namespace {

// The lines joined by LF are the text with every terminator made LF, less a final one.
QString Normalised(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar(0x2028), u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

bool HasMark(const QByteArray& bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
           bytes.startsWith("\xEF\xBB\xBF");
}

void CheckDecoding(const QByteArray& bytes, const QString& text) {
    if (HasMark(bytes))
        return;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError())
        Require(text == asUtf8, "valid UTF-8 without a mark reads as UTF-8");
    else
        Require(text.size() == bytes.size(), "a single-byte code page gives one character a byte");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = Bytes(data, size);
    const QString text = DecodeText(bytes);
    CheckDecoding(bytes, text);
    const QStringList lines = SplitLines(text);
    for (const QString& line : lines)
        Require(!line.contains(u'\r') && !line.contains(u'\n') && !line.contains(QChar(0x2028)),
                "no line holds a terminator");
    Require(lines.join(u'\n') == Normalised(text), "the lines are the text");

    WriteFile(QStringLiteral("text.txt"), bytes);
    Require(ReadTextLines(RunDir().filePath(QStringLiteral("text.txt"))) == lines,
            "a file reads as its bytes decode");
    return 0;
}
