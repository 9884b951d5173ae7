// The window without widgets: the input is a sequence of edits, each one typing a text into an
// input field and leaving it. After every edit the bend must be a valid one, and an edit that
// ends in a BendError must be undone completely by restoring the snapshot taken before it.
//
// Input format, repeated: one byte choosing the field, one byte giving the length of the text
// (modulo 33), then that many bytes of text.

#include "bend_error.h"
#include "bend_form.h"
#include "fuzz_check.h"
#include "memory_field_set.h"
#include "number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kantrix::fuzz {
namespace {

bool sameForm(const FormSnapshot& a, const FormSnapshot& b)
{
    return a.state == b.state && a.texts == b.texts && a.vBackColor == b.vBackColor;
}

// What the fields show of r, s and beta is what the next leave of the field reads back; it must
// be the value the calculation used, up to the two decimals shown.
void checkShown(const MemoryFieldSet& fields, Field field, double used)
{
    const std::string text = fields.text(field);
    double shown = 0;
    try {
        shown = ParseNumber(text);
    } catch (const BendError&) {
        require(false, "a shown input reads back", text);
    }
    require(std::fabs(shown - used) <= 0.005 + std::fabs(used) * 1e-14,
            "a shown input is the value used, rounded to two decimals", text);
}

void checkValidBend(const BendState& state, std::string_view typed)
{
    require(state.r > 0 && std::isfinite(state.r), "0 < r", typed);
    require(state.s > 0 && std::isfinite(state.s), "0 < s", typed);
    require(state.beta > 0 && state.beta < 180, "0 < beta < 180", typed);
    require(state.alpha == 180 - state.beta, "alpha == 180 - beta", typed);
}

} // namespace
} // namespace kantrix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kantrix;
    using namespace kantrix::fuzz;

    MemoryFieldSet fields;
    BendForm form(fields);
    form.Form_Load();

    const std::uint8_t* const end = data + size;
    while (end - data >= 2) {
        const Field field = inputFields[data[0] % inputFields.size()];
        const auto length = std::min<std::ptrdiff_t>(data[1] % 33, end - data - 2);
        const std::string_view typed(reinterpret_cast<const char*>(data + 2),
                                     static_cast<std::size_t>(length));
        data += 2 + length;

        form.enterField(field);
        fields.setText(field, typed);
        const FormSnapshot before = form.snapshot();
        try {
            form.leaveField(field);
            // A successful edit has rewritten all three with what it used. After a failed one
            // the edited field keeps the text that failed, for the user to correct.
            checkShown(fields, Field::Txt_Radius, form.state().r);
            checkShown(fields, Field::Txt_Dicke, form.state().s);
            checkShown(fields, Field::Txt_Beta, form.state().beta);
        } catch (const BendError&) {
            form.restore(before);
            require(sameForm(form.snapshot(), before), "restore() undoes a failed edit", typed);
        }
        checkValidBend(form.state(), typed);
    }
    return 0;
}
