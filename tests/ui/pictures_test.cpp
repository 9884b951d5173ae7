#include "picture_box.h"
#include "window_fixture.h"

#include <QIcon>
#include <QImage>

namespace kantrix::test {
namespace {

using kantrix::test::PrintTo;

TEST_F(WindowTest, PicturesLoadFromTheResourcesAtTheirNaturalSize)
{
    EXPECT_TRUE(window().sketch()->hasImage());
    EXPECT_EQ(window().sketch()->imageSize(), QSize(155, 288));
    EXPECT_TRUE(window().logo()->hasImage());
    EXPECT_EQ(window().logo()->imageSize(), QSize(95, 124));
}

TEST(PictureBox, ReportsAnImageThatIsMissingOrBroken)
{
    const PictureBox missing(QStringLiteral(":/assets/no-such-picture.svg"), nullptr);
    EXPECT_FALSE(missing.hasImage());
    const PictureBox notAPicture(QStringLiteral(":/docs/benutzerhinweise.md"), nullptr);
    EXPECT_FALSE(notAPicture.hasImage());
}

struct Sample
{
    const char* name;
    QPoint where; // in the window's client area
    QColor expected;
};

class PaintedColours : public WindowTest, public testing::WithParamInterface<Sample>
{};

TEST_P(PaintedColours, ShowTheSketchGroundAndTheFormMargins)
{
    const QImage grab = window().grab().toImage();
    EXPECT_EQ(QColor(grab.pixel(GetParam().where)), GetParam().expected);
}

const QColor sketchGround(228, 246, 244);
const QColor formMargin(192, 192, 255);

// The sketch is drawn from the client corner of its box at (306, 10); its content keeps clear of
// the right and bottom edges, where the box cuts it.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Window, PaintedColours, testing::Values(
    Sample{"SketchTopLeft",        {307, 11},  sketchGround},
    Sample{"SketchRightEdge",      {457, 150}, sketchGround},
    Sample{"SketchBottomEdge",     {400, 294}, sketchGround},
    Sample{"MarginTopLeft",        {3, 3},     formMargin},
    Sample{"MarginBetweenFrames",  {150, 132}, formMargin},
    Sample{"MarginLeftOfSketch",   {300, 200}, formMargin},
    Sample{"MarginBesideTheLogo",  {320, 380}, formMargin},
    Sample{"MarginAtTheBottom",    {234, 438}, formMargin}),
    rowName<Sample>);
// clang-format on

TEST_F(WindowTest, IconHasBothSizesOnATransparentGround)
{
    const QIcon icon = window().windowIcon();
    for (int size : {16, 32}) {
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, size - 1)), 0) << size;
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
    }
}

} // namespace
} // namespace kantrix::test
