#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace solario {

// The encodings Japanese files of this program come in: UTF-8 (with or without a
// byte-order mark), the Windows code page for Japanese that older installations and
// spreadsheets write, or UTF-16 with its byte-order mark (what Notepad calls "Unicode").
enum class TextEncoding { Utf8, ShiftJis, Utf16LE, Utf16BE };

// The encoding of bytes that begin with the given ones: UTF-16 when they start with its
// byte-order mark, UTF-8 when they start with its own or are valid UTF-8 throughout,
// Shift_JIS (CP932) otherwise.
TextEncoding DetectTextEncoding(const QByteArray& bytes);

// The byte-order mark that starts the bytes in the encoding, or 0.
qsizetype ByteOrderMarkSize(const QByteArray& bytes, TextEncoding encoding);

// The name a decoder for the encoding is made with: for Shift_JIS the Windows variant
// (CP932) where the platform has it. Make the decoder in place with it: a decoder moved
// from elsewhere stops counting undecodable bytes (Qt 6.4).
const char* TextCodecName(TextEncoding encoding);

// The bytes as text in the encoding.
QString DecodeText(const QByteArray& bytes, TextEncoding encoding);

} // namespace solario
