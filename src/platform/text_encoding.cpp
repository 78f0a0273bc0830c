#include "platform/text_encoding.h"

namespace solario {

TextEncoding DetectTextEncoding(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8;
    QStringDecoder probe(QStringConverter::Utf8);
    const QString decoded = probe.decode(bytes); // decoding is lazy: convert to learn of errors
    return probe.hasError() ? TextEncoding::ShiftJis : TextEncoding::Utf8;
}

QStringDecoder TextDecoder(TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return QStringDecoder(QStringConverter::Utf8);
    // Windows writes its own variant of Shift_JIS; the names differ between platforms.
    for (const char* name : {"windows-31j", "CP932", "Shift_JIS"}) {
        QStringDecoder decoder(name);
        if (decoder.isValid())
            return decoder;
    }
    return QStringDecoder(QStringConverter::System);
}

QString DecodeText(const QByteArray& bytes, TextEncoding encoding) {
    QStringDecoder decoder = TextDecoder(encoding);
    return decoder.decode(bytes);
}

} // namespace solario
