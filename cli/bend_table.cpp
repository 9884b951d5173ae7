#include "bend_table.h"

#include "bend_calculation.h"
#include "bend_error.h"
#include "correction.h"
#include "csv_row.h"
#include "exit_status.h"
#include "number_text.h"
#include "single_bend.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace kantrix::cli {

namespace {

constexpr std::string_view cornerCaption = "s \\ r";
constexpr std::string_view faultCell = "Fehler";
constexpr std::size_t columnGap = 3;

// The v texts of every cell, and the texts the window showed for each r, s and β, which head the
// rows, the columns and the tables.
struct TableTexts
{
    std::vector<std::vector<std::vector<std::optional<std::string>>>> cells; // [β][s][r]
    std::vector<std::string> radii;
    std::vector<std::string> thicknesses;
    std::vector<std::string> angles;
    std::vector<std::string> bendAngles;
    std::vector<std::string> notes;
    int status = Success;
};

TableTexts computeTable(const TableRequest& request)
{
    TableTexts table;
    table.radii = request.radii;
    table.thicknesses = request.thicknesses;
    table.angles = request.angles;
    table.bendAngles.assign(request.angles.size(), "?");
    std::vector<char> radiusShown(request.radii.size());
    std::vector<char> thicknessShown(request.thicknesses.size());
    std::vector<char> angleShown(request.angles.size());

    BendCalculation calculation;
    const FieldSet& fields = calculation.fields();
    for (std::size_t b = 0; b < request.angles.size(); ++b) {
        auto& block = table.cells.emplace_back();
        for (std::size_t s = 0; s < request.thicknesses.size(); ++s) {
            auto& row = block.emplace_back();
            for (std::size_t r = 0; r < request.radii.size(); ++r) {
                try {
                    calculation.calculate(
                        {request.radii[r], request.thicknesses[s], request.angles[b]});
                } catch (const BendError& error) {
                    table.notes.push_back(faultText(error.kind()) + " bei r = " + request.radii[r] +
                                          ", s = " + request.thicknesses[s] +
                                          ", β = " + request.angles[b]);
                    table.status = Fault;
                    row.emplace_back();
                    continue;
                }
                row.push_back(fields.text(Field::Txt_v));
                if (!std::exchange(radiusShown[r], true))
                    table.radii[r] = fields.text(Field::Txt_Radius);
                if (!std::exchange(thicknessShown[s], true))
                    table.thicknesses[s] = fields.text(Field::Txt_Dicke);
                if (!std::exchange(angleShown[b], true)) {
                    table.angles[b] = fields.text(Field::Txt_Beta);
                    table.bendAngles[b] = fields.text(Field::Txt_Alpha);
                }
                // The flanges keep their start-up lengths and do not enter v; only the
                // corrections of the values asked for are worth a note.
                for (const Correction& correction : calculation.form().corrections()) {
                    if (correction.field == Field::Txt_l1 || correction.field == Field::Txt_l2)
                        continue;
                    std::string note = correctionNote(correction);
                    if (std::find(table.notes.begin(), table.notes.end(), note) ==
                        table.notes.end())
                        table.notes.push_back(std::move(note));
                }
            }
        }
    }
    return table;
}

void pad(std::string& out, std::string_view text, std::size_t width)
{
    out.append(width - std::min(width, characterCount(text)), ' ');
    out += text;
}

void writeText(const TableTexts& table, std::string& out)
{
    // One column width for all tables, so that a stack of them lines up.
    std::size_t width = 0;
    for (const std::string& radius : table.radii)
        width = std::max(width, characterCount(radius));
    for (const auto& block : table.cells)
        for (const auto& row : block)
            for (const std::optional<std::string>& cell : row)
                width = std::max(width, characterCount(cell ? *cell : faultCell));
    std::size_t firstWidth = characterCount(cornerCaption);
    for (const std::string& thickness : table.thicknesses)
        firstWidth = std::max(firstWidth, characterCount(thickness));

    for (std::size_t b = 0; b < table.cells.size(); ++b) {
        if (b > 0)
            out += '\n';
        out += "Verkürzung v in mm nach DIN 6935 bei Öffnungswinkel β = " + table.angles[b] +
               "° (Biegewinkel α = " + table.bendAngles[b] + "°)\n";
        out += "Zeilen: Blechdicke s in mm, Spalten: Biegeradius r in mm\n\n";
        out += cornerCaption;
        out.append(firstWidth - characterCount(cornerCaption), ' ');
        for (const std::string& radius : table.radii)
            pad(out, radius, width + columnGap);
        out += '\n';
        for (std::size_t s = 0; s < table.cells[b].size(); ++s) {
            pad(out, table.thicknesses[s], firstWidth);
            for (const std::optional<std::string>& cell : table.cells[b][s])
                pad(out, cell ? *cell : faultCell, width + columnGap);
            out += '\n';
        }
    }
}

void writeCsv(const TableTexts& table, char separator, std::string& out)
{
    CsvRow header(out, separator);
    header.cell("beta");
    header.cell("s");
    for (const std::string& radius : table.radii) {
        std::string name = "r=";
        CsvRow(name, separator).number(radius);
        header.cell(name);
    }
    header.end();
    for (std::size_t b = 0; b < table.cells.size(); ++b) {
        for (std::size_t s = 0; s < table.cells[b].size(); ++s) {
            CsvRow row(out, separator);
            row.number(table.angles[b]);
            row.number(table.thicknesses[s]);
            for (const std::optional<std::string>& cell : table.cells[b][s])
                row.number(cell ? *cell : std::string());
            row.end();
        }
    }
}

} // namespace

int writeTable(const TableRequest& request, std::string& out, std::string& err)
{
    const TableTexts table = computeTable(request);
    if (request.csv)
        writeCsv(table, request.separator, out);
    else
        writeText(table, out);
    for (const std::string& note : table.notes)
        err += note + '\n';
    return table.status;
}

} // namespace kantrix::cli
