// The settings reader over any file contents, in any encoding.
#include "fuzz/fuzz_support.h"
#include "platform/ini_file.h"

using namespace solario;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const IniFile ini = IniFile::FromBytes(fuzz::Bytes(data, size));
    for (const char16_t* key : {u"path", u"ご利用上の注意", u"動作環境", u""}) {
        const QString value = ini.Value(QStringLiteral("PDF"), QString::fromUtf16(key));
        // The reader's buffer: at most 511 bytes of the file, as UTF-16 at most as long.
        if (value.size() > 511)
            fuzz::Broken("a value longer than the buffer", value);
    }
    ini.Value(QString(), QString());
    return 0;
}
