#include "box_options.h"

#include "box_calculation.h"
#include "box_refusal.h"
#include "press_refusal.h"
#include "profile_options.h"

namespace kantrix::box {

namespace {

class OptionReader
{
public:
    explicit OptionReader(NumberStyle style) : m_style(style) {}

    double number(std::string_view text, BoxItem item, std::size_t index, const std::string& name,
                  const char* option) const
    {
        if (const std::optional<double> value = readNumber(text, m_style))
            return *value;
        throw BoxRefusal(item, index, profile::numberRefusalText(text, name, option, m_style));
    }

private:
    NumberStyle m_style;
};

template <typename Value, std::size_t N>
Value word(const std::string& text, const std::array<Value, N>& values, const char* (*name)(Value),
           BoxItem item, const char* option)
{
    std::string allowed;
    for (std::size_t i = 0; i < N; ++i) {
        if (text == name(values[i]))
            return values[i];
        allowed += std::string(i == 0 ? "" : i + 1 == N ? " oder " : ", ") + name(values[i]);
    }
    throw BoxRefusal(
        item, 0, "Ungültige Angabe „" + text + "“ für " + option + ": erwartet wird " + allowed);
}

} // namespace

Box readBoxOptions(const BoxOptions& options, NumberStyle style,
                   const press::MaterialCatalog* catalog)
{
    const OptionReader reader(style);
    Box box;
    box.thickness = reader.number(options.dicke, BoxItem::Thickness, 0, "Blechdicke s", "--dicke");
    if (options.werkstoff) {
        try {
            box.material = press::requireMaterial(catalog ? *catalog : press::materialCatalog(),
                                                  *options.werkstoff);
        } catch (const press::PressRefusal& refusal) {
            throw BoxRefusal(BoxItem::Material, 0, refusal.what());
        }
    }
    if (options.matrize) {
        box.die =
            reader.number(*options.matrize, BoxItem::Die, 0, "Matrizenöffnung V", "--matrize");
        if (!options.radius.empty())
            throw BoxRefusal(BoxItem::Radius, 0,
                             "Biegeradius r (--radius) und Matrize (--matrize) zusammen: mit "
                             "einer Matrize folgt der Biegeradius aus ihr, r = f · V");
        if (*box.die > 0)
            followDie(box);
    } else {
        box.radius = reader.number(options.radius, BoxItem::Radius, 0, "Biegeradius r", "--radius");
    }
    if (options.presse)
        box.pressLimit =
            reader.number(*options.presse, BoxItem::PressLimit, 0, "Presse", "--presse");
    if (options.walzrichtung)
        box.rolling =
            word(*options.walzrichtung,
                 std::array{press::RollingDirection::Quer, press::RollingDirection::Laengs},
                 press::rollingDirectionName, BoxItem::RollingDirection, "--walzrichtung");
    box.length = reader.number(options.laenge, BoxItem::Length, 0, "Länge A", "--laenge");
    box.width = reader.number(options.breite, BoxItem::Width, 0, "Breite B", "--breite");

    std::vector<std::string_view> heights = profile::splitOptionList(options.hoehe);
    // The one height is copied out first: assign may free the element it is given before it reads
    // it (libc++ does, in the page's module).
    if (heights.size() == 1) {
        const std::string_view all = heights.front();
        heights.assign(4, all);
    }
    if (heights.size() != 4)
        throw BoxRefusal(BoxItem::Walls, 0,
                         "--hoehe nennt die Höhen vorne/rechts/hinten/links oder eine für alle "
                         "vier, angegeben sind " +
                             std::to_string(heights.size()));
    for (Side side : allSides)
        if (!heights[sideIndex(side)].empty())
            box.wall(side) =
                Wall{reader.number(heights[sideIndex(side)], BoxItem::Height, sideIndex(side),
                                   "Höhe H der " + wallName(side), "--hoehe"),
                     Measure::Aussen};

    if (options.innen) {
        bool length = false;
        bool width = false;
        bool height = false;
        for (std::string_view item : profile::splitOptionList(*options.innen)) {
            bool* seen = item == "laenge"   ? &length
                         : item == "breite" ? &width
                         : item == "hoehe"  ? &height
                                            : nullptr;
            if (!seen)
                throw BoxRefusal(BoxItem::Measure, 0,
                                 "Ungültige Angabe „" + std::string(item) +
                                     "“ für --innen: erwartet wird laenge, breite oder hoehe");
            if (*seen)
                throw BoxRefusal(BoxItem::Measure, 0,
                                 std::string(item) + " steht mehr als einmal in --innen");
            *seen = true;
        }
        if (length)
            box.lengthMeasure = Measure::Innen;
        if (width)
            box.widthMeasure = Measure::Innen;
        if (height)
            for (std::optional<Wall>& wall : box.walls)
                if (wall)
                    wall->measure = Measure::Innen;
    }
    if (options.ecken)
        box.corners = word(*options.ecken, std::array{CornerStyle::Offen, CornerStyle::Stumpf},
                           cornerStyleName, BoxItem::Corners, "--ecken");
    if (options.durchgehend)
        box.through =
            word(*options.durchgehend, std::array{Through::VorneHinten, Through::LinksRechts},
                 throughName, BoxItem::Through, "--durchgehend");
    if (options.spalt)
        box.gap = reader.number(*options.spalt, BoxItem::Gap, 0, "Spalt g", "--spalt");
    if (options.freistich) {
        const std::string& text = *options.freistich;
        if (text.rfind("rund:", 0) == 0) {
            box.relief = Relief::Rund;
            box.reliefDiameter = reader.number(std::string_view(text).substr(5), BoxItem::Relief, 0,
                                               "Durchmesser d des Freistichs", "--freistich");
        } else if (text != "eckig") {
            throw BoxRefusal(BoxItem::Relief, 0,
                             "Ungültige Angabe „" + text +
                                 "“ für --freistich: erwartet wird eckig oder rund:D");
        }
    }
    checkBox(box);
    return box;
}

BoxOptions boxOptions(const Box& box)
{
    using profile::exactNumberText;
    BoxOptions options;
    options.dicke = exactNumberText(box.thickness);
    if (!box.die)
        options.radius = exactNumberText(box.radius);
    options.laenge = exactNumberText(box.length);
    options.breite = exactNumberText(box.width);
    std::vector<std::string> inner;
    if (box.lengthMeasure == Measure::Innen)
        inner.push_back("laenge");
    if (box.widthMeasure == Measure::Innen)
        inner.push_back("breite");
    bool innerHeight = false;
    for (Side side : allSides) {
        if (side != Side::Vorne)
            options.hoehe += '/';
        if (const std::optional<Wall>& wall = box.wall(side)) {
            options.hoehe += exactNumberText(wall->height);
            innerHeight = innerHeight || wall->measure == Measure::Innen;
        }
    }
    if (innerHeight)
        inner.push_back("hoehe");
    if (!inner.empty()) {
        options.innen = inner.front();
        for (std::size_t i = 1; i < inner.size(); ++i)
            *options.innen += "/" + inner[i];
    }
    if (box.corners != CornerStyle::Offen) {
        options.ecken = cornerStyleName(box.corners);
        options.durchgehend = throughName(box.through);
        options.spalt = exactNumberText(box.gap);
    }
    if (box.relief == Relief::Rund)
        options.freistich = "rund:" + exactNumberText(box.reliefDiameter);
    if (box.material)
        options.werkstoff = box.material->name;
    if (box.die)
        options.matrize = exactNumberText(*box.die);
    if (box.pressLimit)
        options.presse = exactNumberText(*box.pressLimit);
    if (box.rolling != press::RollingDirection::Quer)
        options.walzrichtung = press::rollingDirectionName(box.rolling);
    return options;
}

} // namespace kantrix::box
