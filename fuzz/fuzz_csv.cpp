// The CSV reader of the import over any bytes, read in blocks of any size.
#include "fuzz/fuzz_support.h"
#include "tools/data_exchange.h"

#include <QBuffer>

using namespace solario;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    QByteArray bytes = fuzz::Bytes(data + 1, size - 1);
    const qint64 block = 1 + data[0] % 16;
    for (TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::ShiftJis}) {
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        exchange::CsvReader reader(device, encoding, block);
        exchange::CsvRecord record;
        qint64 line = 0;
        while (reader.Next(record)) {
            if (record.fields.isEmpty() || record.line <= line)
                fuzz::Broken("a record without fields, or lines going back");
            line = record.line;
        }
    }
    return 0;
}
