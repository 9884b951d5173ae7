#pragma once

// A field set held in memory: the fields without a window, for tests, benchmarks and fuzzing.

#include "field_set.h"

#include <array>

namespace kantrix {

class MemoryFieldSet : public FieldSet
{
public:
    struct Selection
    {
        int start = 0;
        int length = 0;
        bool operator==(const Selection&) const = default;
    };

    // Every field starts with the text a new text box has, and the default background.
    MemoryFieldSet();

    std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    void setSelectionStart(Field field, int start) override;
    void setSelectionLength(Field field, int length) override;
    OleColor backColor(Field field) const override;
    void setBackColor(Field field, OleColor colour) override;

    Selection selection(Field field) const { return m_selections[index(field)]; }

private:
    static std::size_t index(Field field) { return static_cast<std::size_t>(field); }

    std::array<std::string, fieldCount> m_texts;
    std::array<Selection, fieldCount> m_selections{};
    std::array<OleColor, fieldCount> m_colours{};
};

} // namespace kantrix
