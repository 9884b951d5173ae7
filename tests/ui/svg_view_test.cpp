// The texts of a drawing on screen: whatever the part's proportions and the view's size, as high
// as the view's font, give or take a little, not specks and not headlines.

#include "profile_calculation.h"
#include "profile_drawing.h"
#include "row_names.h"
#include "svg_view.h"

#include <QFontInfo>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace kantrix::test {
namespace {

using kantrix::test::PrintTo;
using profile::Profile;

struct Picture
{
    const char* name;
    std::vector<double> legs; // mm, bent 90° up in turn
    double width;             // W in mm
    bool blank;               // else the section
    QSize view;
};

class SvgViewTextTest : public testing::TestWithParam<Picture>
{};

// State: a part drawn in a view of a given size. Expected: every text comes out on screen at
// least as high as the view's font, and less than one and a half times that.
TEST_P(SvgViewTextTest, TextsShowAtTheFontsSize)
{
    const Picture& row = GetParam();
    Profile part;
    part.thickness = 1.5;
    part.radius = 1.92;
    part.width = row.width;
    for (double length : row.legs)
        part.legs.push_back({length, profile::Measure::Aussen});
    part.bends.assign(part.legs.size() - 1, {90, std::nullopt, profile::Direction::Plus});
    const profile::ProfileResult result = profile::computeProfile(part);

    SvgView view;
    view.resize(row.view);
    view.show([&](double textHeight) {
        return row.blank ? profile::blankSvg(part, result, {textHeight})
                         : profile::sectionSvg(part, result, {textHeight});
    });
    const QRectF room = view.room();
    const QRectF box = QSvgRenderer(view.shown()).viewBoxF();
    const double scale = std::min(room.width() / box.width(), room.height() / box.height());
    const int font = QFontInfo(view.font()).pixelSize();

    const QRegularExpression size(QStringLiteral("font-size=\"([0-9.]+)\""));
    int texts = 0;
    for (const QRegularExpressionMatch& match : size.globalMatch(QString::fromUtf8(view.shown()))) {
        const double pixels = match.captured(1).toDouble() * scale;
        EXPECT_GE(pixels, font);
        EXPECT_LT(pixels, 1.5 * font);
        ++texts;
    }
    EXPECT_GT(texts, 0);
}

INSTANTIATE_TEST_SUITE_P(
    SvgView, SvgViewTextTest,
    testing::Values(Picture{"NarrowLongBlank", {50, 100, 8}, 1000, true, {540, 330}},
                    Picture{"ItsSection", {50, 100, 8}, 1000, false, {540, 330}},
                    Picture{"LongStripInASmallView", {1800, 20}, 50, true, {300, 200}},
                    Picture{"SmallPartLargeView", {10, 10}, 10, true, {900, 700}},
                    Picture{"SmallSectionLargeView", {10, 10}, 10, false, {900, 700}},
                    Picture{
                        "ManyBendsSection", {40, 30, 30, 30, 30, 30, 40}, 200, false, {400, 300}}),
    rowName<Picture>);

} // namespace
} // namespace kantrix::test
