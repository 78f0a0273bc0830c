#include "platform/text_encoding.h"

namespace solario {

TextEncoding DetectTextEncoding(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return TextEncoding::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return TextEncoding::Utf16BE;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8;
    QStringDecoder probe(QStringConverter::Utf8);
    const QString decoded = probe.decode(bytes); // decoding is lazy: convert to learn of errors
    return probe.hasError() ? TextEncoding::ShiftJis : TextEncoding::Utf8;
}

qsizetype ByteOrderMarkSize(const QByteArray& bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    case TextEncoding::Utf16LE:
        return bytes.startsWith("\xFF\xFE") ? 2 : 0;
    case TextEncoding::Utf16BE:
        return bytes.startsWith("\xFE\xFF") ? 2 : 0;
    default:
        return 0;
    }
}

const char* TextCodecName(TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return "UTF-8";
    if (encoding == TextEncoding::Utf16LE)
        return "UTF-16LE";
    if (encoding == TextEncoding::Utf16BE)
        return "UTF-16BE";
    // Windows writes its own variant of Shift_JIS; the names differ between platforms.
    static const char* const name = [] {
        for (const char* candidate : {"windows-31j", "CP932", "Shift_JIS"})
            if (QStringDecoder(candidate).isValid())
                return candidate;
        return "Shift_JIS";
    }();
    return name;
}

QString DecodeText(const QByteArray& bytes, TextEncoding encoding) {
    QStringDecoder decoder(TextCodecName(encoding));
    return decoder.decode(bytes);
}

} // namespace solario
