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
#include <vector>

namespace kantrix::cli {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view errorColumn = "error";

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

class Batch
{
public:
    Batch(char separator, std::string& out, std::string& err)
        : m_separator(separator), m_decimal(decimalSeparatorFor(separator)), m_out(out), m_err(err)
    {}

    void addCell(std::string_view cell) { m_cells.emplace_back(cell); }
    void endRecord();

    int status() const { return m_status; }
    bool headerRead() const { return m_width > 0; }

private:
    void readHeader();
    void computeRow();
    void writeFailedRow(const std::string& error);

    const char m_separator;
    const char m_decimal;
    std::string& m_out;
    std::string& m_err;
    std::vector<std::string> m_cells;
    std::size_t m_width = 0; // cells in the header, 0 until it is read
    std::size_t m_line = 0;  // the record's number, the header being 1
    std::array<std::optional<std::size_t>, inputFields.size()> m_columnOf; // by input, in tab order
    int m_status = Success;
    BendCalculation m_calculation;
};

void Batch::endRecord()
{
    ++m_line;
    if (m_status != Refused) {
        if (headerRead())
            computeRow();
        else
            readHeader();
    }
    m_cells.clear();
}

void Batch::readHeader()
{
    for (std::size_t column = 0; column < m_cells.size(); ++column) {
        const std::string& name = m_cells[column];
        if (const std::optional<std::size_t> input = inputIndex(name)) {
            if (m_columnOf[*input]) {
                m_err += "Die Spalte „" + name + "“ steht mehr als einmal in der Kopfzeile\n";
                m_status = Refused;
                return;
            }
            m_columnOf[*input] = column;
        } else if (!isResultColumn(name)) {
            m_err += "Unbekannte Spalte „" + name +
                     "“ in der Kopfzeile: erwartet werden r, s, beta, a und b\n";
            m_status = Refused;
            return;
        }
    }
    if (std::none_of(m_columnOf.begin(), m_columnOf.end(), [](auto column) { return column; })) {
        m_err += "Die Kopfzeile nennt keine der Spalten r, s, beta, a, b\n";
        m_status = Refused;
        return;
    }
    m_width = m_cells.size();

    CsvRow header(m_out, m_separator);
    for (const Quantity& quantity : quantities)
        header.cell(quantity.key);
    header.cell(errorColumn);
    header.end();
}

void Batch::computeRow()
{
    if (m_cells.size() != m_width)
        return writeFailedRow("Die Zeile hat " + std::to_string(m_cells.size()) +
                              " Zellen, die Kopfzeile " + std::to_string(m_width));
    TypedBend bend;
    for (std::size_t i = 0; i < inputFields.size(); ++i) {
        if (!m_columnOf[i] || m_cells[*m_columnOf[i]].empty())
            continue;
        std::string text = m_cells[*m_columnOf[i]];
        if (!isPlainNumber(text, m_decimal))
            return writeFailedRow(plainNumberRefusal(inputKeys[i], text, m_decimal));
        std::replace(text.begin(), text.end(), m_decimal, '.');
        bend.texts[i] = std::move(text);
    }
    try {
        m_calculation.calculate(bend.entry());
    } catch (const BendError& error) {
        return writeFailedRow(faultText(error.kind()));
    }

    const std::string prefix = "Zeile " + std::to_string(m_line) + ": ";
    for (const Correction& correction : m_calculation.form().corrections())
        m_err += prefix + correctionNote(correction) + '\n';
    CsvRow row(m_out, m_separator);
    for (const Quantity& quantity : quantities)
        row.number(m_calculation.fields().text(quantity.field));
    row.cell({});
    row.end();
}

void Batch::writeFailedRow(const std::string& error)
{
    m_err += "Zeile " + std::to_string(m_line) + ": " + error + '\n';
    m_status = Fault;
    CsvRow row(m_out, m_separator);
    for (const Quantity& quantity : quantities) {
        std::string_view typed;
        if (const std::optional<std::size_t> input = inputIndex(quantity.key))
            if (const std::optional<std::size_t> column = m_columnOf[*input];
                column && *column < m_cells.size())
                typed = m_cells[*column];
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

void onCell(void* cell, std::size_t length, void* batch)
{
    static_cast<Batch*>(batch)->addCell(
        cell ? std::string_view(static_cast<const char*>(cell), length) : std::string_view());
}

void onRecordEnd(int, void* batch)
{
    static_cast<Batch*>(batch)->endRecord();
}

} // namespace

int runCsvBatch(std::string_view text, std::string& out, std::string& err)
{
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());
    const char separator = separatorOf(text);
    Batch batch(separator, out, err);

    Parser reader;
    csv_parser* parser = &reader.parser;
    csv_set_delim(parser, static_cast<unsigned char>(separator));
    // Without the strict option the reader fails only when memory runs out.
    if (csv_parse(parser, text.data(), text.size(), onCell, onRecordEnd, &batch) != text.size() ||
        csv_fini(parser, onCell, onRecordEnd, &batch) != 0) {
        err += std::string("CSV-Leser: ") + csv_strerror(csv_error(parser)) + '\n';
        return Fault;
    }
    if (batch.status() != Refused && !batch.headerRead()) {
        err += "Die Eingabe ist leer: erwartet wird eine Kopfzeile mit r, s, beta, a oder b\n";
        return Refused;
    }
    return batch.status();
}

} // namespace kantrix::cli
