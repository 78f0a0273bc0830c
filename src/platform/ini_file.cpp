#include "platform/ini_file.h"

#include "platform/text_encoding.h"

#include <QFile>
#include <QFileInfo>

namespace solario {
namespace {

constexpr qsizetype kValueCapacity = 511; // bytes, without the closing NUL

using Encoding = TextEncoding;

bool IsSjisLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The first bytes of the value that fit the reader's buffer, never half a character.
QByteArray CutToCapacity(const QByteArray& value, Encoding encoding) {
    if (value.size() <= kValueCapacity)
        return value;
    qsizetype end = 0;
    if (encoding == Encoding::Utf8) {
        end = kValueCapacity;
        while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
            --end;
    } else {
        for (qsizetype i = 0; i < kValueCapacity;) {
            const qsizetype width = IsSjisLead(static_cast<unsigned char>(value[i])) ? 2 : 1;
            if (i + width > kValueCapacity)
                break;
            i += width;
            end = i;
        }
    }
    return value.left(end);
}

QByteArray TrimBlanks(const QByteArray& b) {
    qsizetype begin = 0, end = b.size();
    while (begin < end && (b[begin] == ' ' || b[begin] == '\t'))
        ++begin;
    while (end > begin && (b[end - 1] == ' ' || b[end - 1] == '\t' || b[end - 1] == '\r'))
        --end;
    return b.mid(begin, end - begin);
}

} // namespace

QString ReadIniValue(const QString& section, const QString& key, const QString& filePath) {
    return IniFile(filePath).Value(section, key);
}

IniFile::IniFile(const QString& filePath) {
    // Only a regular file is read: opening a pipe of that name would wait for ever.
    if (!QFileInfo(filePath).isFile())
        return;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxIniBytes)
        return;
    Load(file.read(kMaxIniBytes + 1)); // a file that grew while being read holds nothing
}

IniFile IniFile::FromBytes(const QByteArray& bytes) {
    IniFile ini;
    ini.Load(bytes);
    return ini;
}

void IniFile::Load(QByteArray bytes) {
    if (bytes.size() > kMaxIniBytes)
        return;
    data_ = std::move(bytes);
    const Encoding encoding = DetectTextEncoding(data_);
    if (encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE) {
        // Notepad's "Unicode": read as the same text in UTF-8.
        data_ = DecodeText(data_.mid(ByteOrderMarkSize(data_, encoding)), encoding).toUtf8();
        utf8_ = true;
        return;
    }
    utf8_ = encoding == Encoding::Utf8;
    if (data_.startsWith("\xEF\xBB\xBF"))
        data_.remove(0, 3);
}

QString IniFile::Value(const QString& section, const QString& key) const {
    const Encoding encoding = utf8_ ? Encoding::Utf8 : Encoding::ShiftJis;
    bool inSection = false;
    for (const QByteArray& raw : data_.split('\n')) {
        const QByteArray line = TrimBlanks(raw);
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            const QByteArray name = TrimBlanks(line.mid(1, close < 0 ? -1 : close - 1));
            inSection = DecodeText(name, encoding).compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        if (DecodeText(TrimBlanks(line.left(eq)), encoding).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QByteArray value = TrimBlanks(line.mid(eq + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return DecodeText(CutToCapacity(value, encoding), encoding);
    }
    return QString();
}

} // namespace solario
