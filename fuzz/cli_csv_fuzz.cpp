// A batch from arbitrary text. Unless the header is refused, the result must hold exactly one
// row of 13 quantities and an error column for each input row, the status must say whether any
// error was named, and the result must be accepted again as input.

#include "csv_batch.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <csv.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The records as libcsv reads them with the batch's separator.
std::vector<std::vector<std::string>> records(std::string_view text, char separator)
{
    struct Reading
    {
        std::vector<std::vector<std::string>> records{{}};
    } reading;
    csv_parser parser{};
    csv_init(&parser, 0);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    auto onCell = [](void* cell, std::size_t length, void* target) {
        static_cast<Reading*>(target)->records.back().emplace_back(
            cell ? static_cast<const char*>(cell) : "", length);
    };
    auto onEnd = [](int, void* target) { static_cast<Reading*>(target)->records.emplace_back(); };
    csv_parse(&parser, text.data(), text.size(), onCell, onEnd, &reading);
    csv_fini(&parser, onCell, onEnd, &reading);
    csv_free(&parser);
    reading.records.pop_back();
    return reading.records;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kantrix;

    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string out;
    std::string err;
    const int status = cli::runCsvBatch(input, out, err);
    fuzz::require(status == 0 || status == 2 || status == 3, "a documented exit status", input);
    if (status == 2) {
        fuzz::require(out.empty(), "a refused header gives no result", input);
        return 0;
    }

    const char separator = out.starts_with("r;") ? ';' : ',';
    if (input.starts_with("\xEF\xBB\xBF"))
        input.remove_prefix(3);
    const auto rows = records(input, separator);
    const auto results = records(out, separator);
    fuzz::require(results.size() == rows.size(), "one result row for each input row", input);
    bool anyError = false;
    for (const auto& result : results) {
        fuzz::require(result.size() == 14, "13 quantities and an error in every row", input);
        anyError = anyError || (&result != &results.front() && !result.back().empty());
    }
    fuzz::require(anyError == (status == 3), "the status says whether a row failed", input);

    std::string again;
    std::string againErr;
    fuzz::require(cli::runCsvBatch(out, again, againErr) != 2, "a result reads back as input", out);
    return 0;
}
