// The report command parser over any text.
#include "data/report_data.h"
#include "fuzz/fuzz_support.h"

using namespace solario;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzz::Text(data, size);
    const Result<ShapeCommand> command = ParseShapeCommand(text);
    if (command && command.value().parentSql.isEmpty())
        fuzz::Broken("a command without its parent statement was accepted", text);
    return 0;
}
