// The page's way into the core: the form's description, and the form's rules over a field set
// that the page implements on its own elements. The rules run all-or-nothing, as in the window: a
// rule that faults is undone and its message handed to the page as a value, so no C++ exception
// ever crosses into JavaScript.

#include "bend_error.h"
#include "bend_form.h"
#include "bend_formulas.h"
#include "form_description.h"
#include "guarded_form.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <optional>
#include <string>

namespace kantrix::web {

namespace {

using emscripten::val;

std::string nameOf(Field field)
{
    return std::string(controlName(field));
}

std::optional<Field> fieldNamed(const std::string& name)
{
    for (Field field : allFields)
        if (controlName(field) == name)
            return field;
    return std::nullopt;
}

// The field set over the page's elements: a JavaScript object with the same six operations,
// addressed by control name.
class PageFieldSet : public FieldSet
{
public:
    explicit PageFieldSet(val page) : m_page(std::move(page)) {}

    std::string text(Field field) const override
    {
        return m_page.call<std::string>("text", nameOf(field));
    }
    void setText(Field field, std::string_view text) override
    {
        m_page.call<void>("setText", nameOf(field), std::string(text));
    }
    void setSelectionStart(Field field, int start) override
    {
        m_page.call<void>("setSelectionStart", nameOf(field), start);
    }
    void setSelectionLength(Field field, int length) override
    {
        m_page.call<void>("setSelectionLength", nameOf(field), length);
    }
    OleColor backColor(Field field) const override
    {
        return m_page.call<OleColor>("backColor", nameOf(field));
    }
    void setBackColor(Field field, OleColor colour) override
    {
        m_page.call<void>("setBackColor", nameOf(field), colour);
    }

private:
    val m_page;
};

// The results as bit patterns in hexadecimal, for comparing builds to the bit.
val bitsOf(const BendState& state)
{
    val bits = val::object();
    const auto put = [&bits](const char* name, double value) {
        // No std::bit_cast in the libc++ of Debian's emscripten.
        unsigned long long pattern = 0;
        static_assert(sizeof pattern == sizeof value);
        std::memcpy(&pattern, &value, sizeof value);
        char text[19];
        std::snprintf(text, sizeof text, "%016llx", pattern);
        bits.set(name, std::string(text));
    };
    put("r", state.r);
    put("s", state.s);
    put("beta", state.beta);
    put("alpha", state.alpha);
    put("k", state.k);
    put("n", state.n);
    put("v", state.v);
    put("z", state.z);
    for (std::int16_t i = 1; i <= 5; ++i)
        put(("l" + std::to_string(i)).c_str(), state.l(i));
    return bits;
}

// The form over the page's fields. Each rule returns the message of its fault, or an empty text.
class PageForm
{
public:
    explicit PageForm(val page) : m_fields(std::move(page)) {}

    std::string load() { return report(m_form.Form_Load()); }
    std::string enter(const std::string& name)
    {
        const std::optional<Field> field = fieldNamed(name);
        return field ? report(m_form.enterField(*field)) : std::string();
    }
    std::string leave(const std::string& name)
    {
        const std::optional<Field> field = fieldNamed(name);
        return field ? report(m_form.leaveField(*field)) : std::string();
    }

    // The stored results as bit patterns in hexadecimal, for comparing builds to the bit.
    val stateBits() const { return bitsOf(m_form.form().state()); }

private:
    static std::string report(std::optional<FaultKind> fault)
    {
        return fault ? faultReport(*fault) : std::string();
    }

    PageFieldSet m_fields;
    GuardedForm m_form{m_fields};
};

// The formulas alone on a bend, as the core's tests run them, for the table of exact bits.
val resultBits(double r, double s, double beta, double a, double b)
{
    try {
        return bitsOf(computedBend(r, s, beta, a, b));
    } catch (const BendError& error) {
        return val(std::string(faultMessage(error.kind())));
    }
}

val rect(const form::TwipRect& twips)
{
    val box = val::object();
    box.set("left", form::pixels(twips.left));
    box.set("top", form::pixels(twips.top));
    box.set("width", form::pixels(twips.width));
    box.set("height", form::pixels(twips.height));
    return box;
}

val label(std::string_view name, std::string_view text, const form::TwipRect& twips)
{
    val control = val::object();
    control.set("name", std::string(name));
    control.set("text", std::string(text));
    control.set("rect", rect(twips));
    return control;
}

val picture(const form::PictureDescription& description)
{
    val control = val::object();
    control.set("name", std::string(description.name));
    control.set("file", std::string(description.file));
    control.set("rect", rect(description.rect));
    control.set("takesFocus", description.takesFocus);
    control.set("toolTip", std::string(description.toolTip));
    control.set("accessibleName", std::string(description.accessibleName));
    return control;
}

// The form's description with every position already in pixels at 96 dots per inch.
val description()
{
    val form = val::object();
    form.set("caption", std::string(form::caption));
    form.set("width", form::pixels(form::clientWidth));
    form.set("height", form::pixels(form::clientHeight));
    form.set("faceFamily", std::string(form::faceFamily));
    form.set("facePixelSize", form::facePixelSize);
    form.set("frameCaptionBold", form::frameCaptionBold);

    val colours = val::object();
    colours.set("form", form::formBackColor);
    colours.set("buttonFace", form::buttonFaceColor);
    colours.set("text", form::textColor);
    form.set("colours", colours);

    val frames = val::array();
    for (const form::FrameDescription& frame : form::frames) {
        val each = label(frame.name, frame.caption, form::frameRect(frame));
        each.set("rows", val::array());
        frames.call<void>("push", each);
    }
    for (const form::RowDescription& row : form::rows) {
        val each = val::object();
        each.set("bold", row.bold);
        each.set("caption", label(row.captionLabel, row.caption, form::captionRect(row)));
        val field = label(controlName(row.field), "", form::fieldRect(row));
        field.set("input", isInputField(row.field));
        field.set("backColor", form::initialBackColor(row.field));
        field.set("toolTip", std::string(row.toolTip));
        field.set("accessibleName", form::accessibleName(row));
        each.set("field", field);
        if (!row.unitLabel.empty())
            each.set("unit", label(row.unitLabel, row.unit, form::unitRect(row)));
        frames[row.frame]["rows"].call<void>("push", each);
    }
    form.set("frames", frames);

    val pictures = val::array();
    pictures.call<void>("push", picture(form::sketch));
    pictures.call<void>("push", picture(form::logo));
    form.set("pictures", pictures);

    val tabOrder = val::array();
    for (std::string_view stop : form::tabOrder)
        tabOrder.call<void>("push", std::string(stop));
    form.set("tabOrder", tabOrder);
    return form;
}

} // namespace

EMSCRIPTEN_BINDINGS(kantrix)
{
    emscripten::class_<PageForm>("Form")
        .constructor<val>()
        .function("load", &PageForm::load)
        .function("enter", &PageForm::enter)
        .function("leave", &PageForm::leave)
        .function("stateBits", &PageForm::stateBits);
    emscripten::function("description", &description);
    emscripten::function("resultBits", &resultBits);
}

} // namespace kantrix::web
