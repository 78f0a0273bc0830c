#pragma once

#include <QByteArray>
#include <QString>

namespace solario {

// The value of a key of a section of an INI file, as the desktop's profile reader gives
// it: names compared without regard to case, blanks around the value and one pair of
// enclosing quotes removed, at most 511 bytes of the file's own encoding (UTF-8, with
// or without a byte-order mark, or Shift_JIS). Empty when the file, section or key is
// missing.
QString ReadIniValue(const QString& section, const QString& key, const QString& filePath);

// An INI file read once, for reading several keys: each value as ReadIniValue gives it.
// A file over kMaxIniBytes is no settings file and holds no values.
class IniFile {
public:
    static constexpr qint64 kMaxIniBytes = 1 << 20;
    explicit IniFile(const QString& filePath);
    // The same for a file's bytes already read.
    static IniFile FromBytes(const QByteArray& bytes);
    QString Value(const QString& section, const QString& key) const;

private:
    IniFile() = default;
    void Load(QByteArray bytes);

    QByteArray data_;
    bool utf8_ = false;
};

} // namespace solario
