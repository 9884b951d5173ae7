#include "csv_batch.h"

#include "bend_calculation.h"
#include "bend_error.h"
#include "correction.h"
#include "csv_row.h"
#include "exit_status.h"
#include "plain_number.h"
#include "quantities.h"
#include "single_bend.h"

#include <algorithm>
#include <csv.h>
#include <deque>
#include <thread>
#include <vector>

namespace kantrix::cli {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view errorColumn = "error";
// Fewer rows than this per thread are not worth starting one for.
constexpr std::size_t rowsPerThread = 2000;

// Every cell of the input, record by record, in one buffer.
class Records
{
public:
    void addCell(std::string_view cell)
    {
        m_text += cell;
        m_cellEnds.push_back(m_text.size());
    }
    void endRecord() { m_recordEnds.push_back(m_cellEnds.size()); }

    std::size_t size() const { return m_recordEnds.size(); }
    std::size_t cellCount(std::size_t record) const
    {
        return m_recordEnds[record] - firstCell(record);
    }
    std::string_view cell(std::size_t record, std::size_t column) const
    {
        const std::size_t index = firstCell(record) + column;
        const std::size_t start = index == 0 ? 0 : m_cellEnds[index - 1];
        return std::string_view(m_text).substr(start, m_cellEnds[index] - start);
    }

private:
    std::size_t firstCell(std::size_t record) const
    {
        return record == 0 ? 0 : m_recordEnds[record - 1];
    }

    std::string m_text;
    std::vector<std::size_t> m_cellEnds;
    std::vector<std::size_t> m_recordEnds;
};

bool isResultColumn(std::string_view name)
{
    return name == errorColumn ||
           std::any_of(quantities.begin(), quantities.end(),
                       [name](const Quantity& quantity) { return quantity.key == name; });
}

char separatorOf(std::string_view text)
{
    const std::string_view header = text.substr(0, text.find('\n'));
    return header.find(';') != std::string_view::npos ? ';' : ',';
}

// What the header says: which column feeds which input field.
struct Layout
{
    char separator = ',';
    std::size_t width = 0;
    std::array<std::optional<std::size_t>, inputFields.size()> columnOf; // in tab order
};

// Reads the header; returns the German refusal of a header that cannot be used.
std::optional<std::string> readHeader(const Records& records, Layout& layout)
{
    if (records.size() == 0)
        return "Die Eingabe ist leer: erwartet wird eine Kopfzeile mit r, s, beta, a oder b";
    layout.width = records.cellCount(0);
    for (std::size_t column = 0; column < layout.width; ++column) {
        const std::string_view name = records.cell(0, column);
        if (const std::optional<std::size_t> input = inputIndex(name)) {
            if (layout.columnOf[*input])
                return "Die Spalte „" + std::string(name) +
                       "“ steht mehr als einmal in der Kopfzeile";
            layout.columnOf[*input] = column;
        } else if (!isResultColumn(name)) {
            return "Unbekannte Spalte „" + std::string(name) +
                   "“ in der Kopfzeile: erwartet werden r, s, beta, a und b";
        }
    }
    if (std::none_of(layout.columnOf.begin(), layout.columnOf.end(),
                     [](auto column) { return column.has_value(); }))
        return "Die Kopfzeile nennt keine der Spalten r, s, beta, a, b";
    return std::nullopt;
}

// Computes a run of rows with a form of its own, so that runs can go in parallel.
class RowRun
{
public:
    RowRun(const Records& records, const Layout& layout)
        : m_records(records), m_layout(layout), m_decimal(decimalSeparatorFor(layout.separator))
    {}

    void compute(std::size_t first, std::size_t last)
    {
        for (std::size_t record = first; record < last; ++record)
            computeRow(record);
    }

    std::string out;
    std::string err;
    int status = Success;

private:
    void computeRow(std::size_t record);
    void writeFailedRow(std::size_t record, const std::string& error);
    std::string linePrefix(std::size_t record) const
    {
        // The header is line 1.
        return "Zeile " + std::to_string(record + 1) + ": ";
    }

    const Records& m_records;
    const Layout& m_layout;
    const char m_decimal;
    BendCalculation m_calculation;
};

void RowRun::computeRow(std::size_t record)
{
    const std::size_t width = m_records.cellCount(record);
    if (width != m_layout.width)
        return writeFailedRow(record, "Die Zeile hat " + std::to_string(width) +
                                          " Zellen, die Kopfzeile " +
                                          std::to_string(m_layout.width));
    TypedBend bend;
    for (std::size_t i = 0; i < inputFields.size(); ++i) {
        if (!m_layout.columnOf[i])
            continue;
        const std::string_view cell = m_records.cell(record, *m_layout.columnOf[i]);
        if (cell.empty())
            continue;
        if (!isPlainNumber(cell, m_decimal))
            return writeFailedRow(record, plainNumberRefusal(inputKeys[i], cell, m_decimal));
        std::string& text = bend.texts[i].emplace(cell);
        std::replace(text.begin(), text.end(), m_decimal, '.');
    }
    try {
        m_calculation.calculate(bend.entry());
    } catch (const BendError& error) {
        return writeFailedRow(record, faultText(error.kind()));
    }

    for (const Correction& correction : m_calculation.form().corrections())
        err += linePrefix(record) + correctionNote(correction) + '\n';
    CsvRow row(out, m_layout.separator);
    for (const Quantity& quantity : quantities)
        row.number(m_calculation.fields().text(quantity.field));
    row.cell({});
    row.end();
}

void RowRun::writeFailedRow(std::size_t record, const std::string& error)
{
    err += linePrefix(record) + error + '\n';
    status = Fault;
    CsvRow row(out, m_layout.separator);
    for (const Quantity& quantity : quantities) {
        std::string_view typed;
        if (const std::optional<std::size_t> input = inputIndex(quantity.key))
            if (const std::optional<std::size_t> column = m_layout.columnOf[*input];
                column && *column < m_records.cellCount(record))
                typed = m_records.cell(record, *column);
        row.cell(typed);
    }
    row.cell(error);
    row.end();
}

// libcsv's parser, freed however the batch ends.
struct Parser
{
    Parser() { csv_init(&parser, 0); }
    ~Parser() { csv_free(&parser); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    csv_parser parser{};
};

void onCell(void* cell, std::size_t length, void* records)
{
    static_cast<Records*>(records)->addCell(
        cell ? std::string_view(static_cast<const char*>(cell), length) : std::string_view());
}

void onRecordEnd(int, void* records)
{
    static_cast<Records*>(records)->endRecord();
}

} // namespace

int runCsvBatch(std::string_view text, std::string& out, std::string& err)
{
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());
    Layout layout;
    layout.separator = separatorOf(text);

    Records records;
    Parser reader;
    csv_parser* parser = &reader.parser;
    csv_set_delim(parser, static_cast<unsigned char>(layout.separator));
    // Without the strict option the reader fails only when memory runs out.
    if (csv_parse(parser, text.data(), text.size(), onCell, onRecordEnd, &records) != text.size() ||
        csv_fini(parser, onCell, onRecordEnd, &records) != 0) {
        err += std::string("CSV-Leser: ") + csv_strerror(csv_error(parser)) + '\n';
        return Refused;
    }
    if (const std::optional<std::string> refusal = readHeader(records, layout)) {
        err += *refusal + '\n';
        return Refused;
    }

    CsvRow header(out, layout.separator);
    for (const Quantity& quantity : quantities)
        header.cell(quantity.key);
    header.cell(errorColumn);
    header.end();

    // The rows are independent: each starts from the start-up state. They are shared out in
    // consecutive runs, one per processor, and the runs' texts joined in order.
    const std::size_t rows = records.size() - 1;
    const std::size_t runCount = std::clamp<std::size_t>(
        std::min<std::size_t>(std::thread::hardware_concurrency(), rows / rowsPerThread), 1, 64);
    std::deque<RowRun> runs;
    for (std::size_t i = 0; i < runCount; ++i)
        runs.emplace_back(records, layout);
    std::vector<std::jthread> threads;
    for (std::size_t i = 0; i < runCount; ++i) {
        const std::size_t first = 1 + rows * i / runCount;
        const std::size_t last = 1 + rows * (i + 1) / runCount;
        if (i + 1 == runCount)
            runs[i].compute(first, last);
        else
            threads.emplace_back([&run = runs[i], first, last] { run.compute(first, last); });
    }
    threads.clear();

    int status = Success;
    for (const RowRun& run : runs) {
        out += run.out;
        err += run.err;
        status = std::max(status, run.status);
    }
    return status;
}

} // namespace kantrix::cli
