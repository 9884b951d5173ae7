#include "test_bend_options.h"

#include "die.h"
#include "press_refusal.h"

namespace kantrix::press {

namespace {

double number(std::string_view text, NumberStyle style, PressItem item, const std::string& name,
              const char* option)
{
    if (const std::optional<double> value = readNumber(text, style))
        return *value;
    if (style == NumberStyle::Plain)
        throw PressRefusal(item, plainNumberRefusal(name + " (" + option + ")", text));
    throw PressRefusal(item, "Ungültiger Wert „" + std::string(text) + "“ für " + name +
                                 ": erwartet wird eine Zahl wie 1.5 oder 1,5");
}

} // namespace

TypedTestBend readTestBendOptions(const TestBendOptions& options, NumberStyle style,
                                  const MaterialCatalog& catalog)
{
    TypedTestBend typed;
    typed.material = requireMaterial(catalog, options.werkstoff);
    TestBend& bend = typed.bend;
    bend.thickness = number(options.dicke, style, PressItem::Thickness, "Blechdicke s", "--dicke");
    if (options.radius.has_value() == options.matrize.has_value())
        throw PressRefusal(PressItem::Radius,
                           "Eine Probebiegung braucht entweder den Biegeradius r (--radius) oder "
                           "die Matrize V, die ihn macht (--matrize)");
    if (options.matrize) {
        bend.die =
            number(*options.matrize, style, PressItem::Die, "Matrizenöffnung V", "--matrize");
        bend.radius = dieRadius(typed.material.radiusFactor, *bend.die);
    } else {
        bend.radius =
            number(*options.radius, style, PressItem::Radius, "Biegeradius r", "--radius");
    }
    bend.angle = number(options.winkel, style, PressItem::Angle, "Öffnungswinkel β", "--winkel");
    if (options.winkelEingestellt)
        bend.setAngle = number(*options.winkelEingestellt, style, PressItem::SetAngle,
                               "Eingestellter Winkel βe", "--winkel-eingestellt");
    bend.cutLength =
        number(options.zuschnitt, style, PressItem::CutLength, "Zuschnitt L0", "--zuschnitt");
    const std::size_t slash = options.schenkel.find('/');
    if (slash == std::string::npos || options.schenkel.find('/', slash + 1) != std::string::npos)
        throw PressRefusal(PressItem::Legs, "Ungültige Schenkel „" + options.schenkel +
                                                "“ (--schenkel): erwartet werden zwei Längen "
                                                "a/b, z. B. 50/53");
    const std::string_view legs = options.schenkel;
    bend.legA = number(legs.substr(0, slash), style, PressItem::Legs, "Schenkel a", "--schenkel");
    bend.legB = number(legs.substr(slash + 1), style, PressItem::Legs, "Schenkel b", "--schenkel");
    typed.result = evaluateTestBend(bend);
    return typed;
}

} // namespace kantrix::press
