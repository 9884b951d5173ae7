#pragma once

// The field set of the core, on the text fields of the window.

#include "field_set.h"

#include <array>

class QLineEdit;

namespace kantrix {

class WidgetFieldSet : public FieldSet
{
public:
    void bind(Field field, QLineEdit* widget);
    QLineEdit* widget(Field field) const { return m_widgets[static_cast<std::size_t>(field)]; }

    std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    void setSelectionStart(Field field, int start) override;
    void setSelectionLength(Field field, int length) override;
    OleColor backColor(Field field) const override;
    void setBackColor(Field field, OleColor colour) override;

private:
    std::array<QLineEdit*, fieldCount> m_widgets{};
};

} // namespace kantrix
