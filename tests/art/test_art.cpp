// The pictures: background painting, the colour table, and that every picture number of
// the art list has a picture of the right size, distinct from its neighbours.
#include "cpictures.h"
#include "martlist.h"
#include "martmetrics.h"
#include "mcolortable.h"
#include "mgen1.h"
#include "mtiles.h"

#include <QGuiApplication>
#include <QPainter>

#include <gtest/gtest.h>

#include <set>

using namespace solvane;

namespace {
constexpr int kBand = 2; // a 512-pixel area has bands of 2 pixels
const QRgb kUntouched = qRgba(1, 2, 3, 4);

QImage Canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(kUntouched);
    return img;
}

QImage Background(int b, int fade, int32_t custom, QSize size = {512, 512})
{
    cPictures pics;
    QImage img = Canvas(size.width(), size.height());
    QPainter p(&img);
    SetBG(b, p, QRectF(QPointF(0, 0), size), fade, custom, pics);
    return img;
}

std::vector<int> AllIds(const std::vector<ArtGroup>& groups)
{
    std::vector<int> ids;
    for (const ArtGroup& g : groups)
        ids.insert(ids.end(), g.Ids.begin(), g.Ids.end());
    return ids;
}

// Mean absolute difference between two columns (or rows) of an image.
double LineDiff(const QImage& img, bool columns, int a, int b)
{
    const int n = columns ? img.height() : img.width();
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const QRgb pa = columns ? img.pixel(a, i) : img.pixel(i, a);
        const QRgb pb = columns ? img.pixel(b, i) : img.pixel(i, b);
        sum += std::abs(qRed(pa) - qRed(pb)) + std::abs(qGreen(pa) - qGreen(pb)) + std::abs(qBlue(pa) - qBlue(pb));
    }
    return sum / n;
}
} // namespace

TEST(ColorTable, EntriesAndComponents)
{
    const auto blue = GetCol(1001);
    ASSERT_TRUE(blue);
    EXPECT_EQ(blue->Name, "Blue");
    EXPECT_EQ(blue->Color, MakeColorValue(0, 0, 255));
    const auto green = GetCol(1007);
    ASSERT_TRUE(green);
    EXPECT_EQ(green->Name, "Dark Green");
    const auto tomato = GetCol(1025);
    ASSERT_TRUE(tomato);
    EXPECT_EQ(tomato->Name, "Tomato");
    EXPECT_EQ(ToQColor(tomato->Color), QColor(255, 99, 71));
    EXPECT_EQ(GetCol(1000), std::nullopt);
    EXPECT_EQ(GetCol(1026), std::nullopt);

    EXPECT_EQ(ColorComponent(0x123456, 1), 0x56); // red is the low byte
    EXPECT_EQ(ColorComponent(0x123456, 2), 0x34);
    EXPECT_EQ(ColorComponent(0x123456, 3), 0x12);
    EXPECT_EQ(ColorComponent(0xFFFFFF, 3), 0xFF);
    EXPECT_EQ(ColorComponent(0x1000000, 1), -1);
    EXPECT_EQ(ColorComponent(-1, 1), -1);
    EXPECT_EQ(FromQColor(QColor(10, 20, 30)), MakeColorValue(10, 20, 30));
}

TEST(Gradient, BlueFadesOneStepPerBandToBlack)
{
    const QImage img = Background(1001, 1, 0);
    for (int band = 0; band < kGradientBands; ++band)
        for (int y : {band * kBand, band * kBand + 1})
            ASSERT_EQ(img.pixel(100, y), qRgb(0, 0, 255 - band)) << "band " << band;
    EXPECT_EQ(img.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(511, 511), qRgb(0, 0, 0));
}

TEST(Gradient, FadeOffIsOnePlainColour)
{
    const QImage img = Background(1019, 0, 0, {300, 200}); // Orange Red
    for (int y = 0; y < img.height(); y += 7)
        for (int x = 0; x < img.width(); x += 5)
            ASSERT_EQ(img.pixel(x, y), qRgb(255, 69, 0));
    EXPECT_EQ(img.pixel(299, 199), qRgb(255, 69, 0));
}

TEST(Gradient, CustomColourAndUnknownChoices)
{
    const QImage custom = Background(1000, 0, MakeColorValue(12, 34, 56), {64, 64});
    EXPECT_EQ(custom.pixel(30, 63), qRgb(12, 34, 56));
    const QImage fallback = Background(1007, 1, 0);
    EXPECT_EQ(fallback.pixel(0, 0), qRgb(0, 100, 0));
    // Choices with no picture: a tile number without tile, zero, negative, past the table.
    for (int b : {6, 0, -3, 999, 1026, 30000})
        EXPECT_EQ(Background(b, 0, MakeColorValue(255, 255, 255)), fallback) << b;
}

TEST(Gradient, InactivePainterDrawsNothing)
{
    QPainter p;
    PaintGradient(p, QRectF(0, 0, 10, 10), 0, 1); // must not crash
    SUCCEED();
}

TEST(Tiles, CoverAnAreaTheyDoNotDivideClippedAtItsEdge)
{
    cPictures pics;
    const QImage tile = pics.GetPic(1).toImage();
    ASSERT_EQ(tile.size(), TileSize(1));
    // 1032 x 747 is no multiple of 160 x 96; the area starts off the image's origin.
    const QRect area(10, 20, kTablePixelWidth, kTablePixelHeight);
    QImage img = Canvas(area.right() + 30, area.bottom() + 30);
    {
        QPainter p(&img);
        SetBG(1, p, QRectF(area), 1, 0, pics);
    }
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const bool inside = area.contains(x, y);
            ASSERT_EQ(img.pixel(x, y) == kUntouched, !inside) << x << "," << y;
        }
    const QPoint last = area.bottomRight();
    const QPoint inTile((last.x() - area.left()) % tile.width(), (last.y() - area.top()) % tile.height());
    EXPECT_EQ(img.pixel(last), tile.pixel(inTile));
    EXPECT_EQ(img.pixel(area.topLeft()), tile.pixel(0, 0));
}

TEST(Tiles, EveryTileHasItsSizeAndNoSeam)
{
    cPictures pics;
    for (int id : AllIds(BackgroundGroups())) {
        const QSize s = TileSize(id);
        ASSERT_GE(std::min(s.width(), s.height()), 80) << id;
        ASSERT_LE(std::max(s.width(), s.height()), 200) << id;
        const QImage img = pics.GetPic(id).toImage();
        ASSERT_EQ(img.size(), s) << id;
        // Where the tile meets its copy, neighbouring pixels differ no more than they do
        // inside the tile.
        for (bool columns : {true, false}) {
            const int n = columns ? s.width() : s.height();
            double inner = 0;
            for (int i = 0; i + 1 < n; ++i)
                inner += LineDiff(img, columns, i, i + 1);
            inner /= n - 1;
            EXPECT_LE(LineDiff(img, columns, n - 1, 0), 2.5 * inner + 3) << "tile " << id << (columns ? " across" : " down");
        }
    }
}

TEST(Pictures, EveryNumberOfTheListsHasAPictureAndOthersNone)
{
    cPictures pics;
    for (int id : AllIds(BackgroundGroups()))
        EXPECT_FALSE(pics.GetPic(id).isNull()) << id;
    const std::vector<int> backs = AllIds(DeckGroups());
    EXPECT_EQ(backs.size(), 15u);
    for (int id : backs) {
        const QPixmap pm = pics.GetPic(id);
        ASSERT_FALSE(pm.isNull()) << id;
        EXPECT_EQ(pm.size(), QSize(kCardPixelWidth, kCardPixelHeight)) << id;
    }
    for (int n = 1; n <= kFacePictures; ++n)
        EXPECT_EQ(pics.MainPic(n).size(), QSize(kCardPixelWidth, kCardPixelHeight)) << n;
    for (int m = 0; m < kMarkPictures; ++m)
        EXPECT_EQ(pics.RightPic(m).size(), QSize(kCardPixelWidth, kCardPixelHeight)) << m;

    for (int id : {0, 6, 10, 74, 500, 504, 530, 545, 1001})
        EXPECT_TRUE(pics.GetPic(id).isNull()) << id;
    EXPECT_TRUE(pics.MainPic(0).isNull());
    EXPECT_TRUE(pics.MainPic(53).isNull());
    EXPECT_TRUE(pics.RightPic(-1).isNull());
    EXPECT_TRUE(pics.RightPic(15).isNull());
}

TEST(Pictures, UnknownDeckShowsTheDefaultBack)
{
    cPictures pics;
    const QImage standard = pics.GetPic(531).toImage();
    for (int deck : {0, 530, 545, 1, -2, 9999})
        EXPECT_EQ(pics.DeckPic(deck).toImage(), standard) << deck;
    EXPECT_EQ(pics.DeckPic(544).toImage(), pics.GetPic(544).toImage());
}

TEST(Pictures, AllFacesBacksMarksAndTilesDiffer)
{
    cPictures pics;
    auto distinct = [](const std::vector<QImage>& images) {
        for (size_t i = 0; i < images.size(); ++i)
            for (size_t j = i + 1; j < images.size(); ++j)
                if (images[i] == images[j])
                    return false;
        return true;
    };
    std::vector<QImage> faces, backs, marks, tiles;
    for (int n = 1; n <= kFacePictures; ++n)
        faces.push_back(pics.MainPic(n).toImage());
    for (int id : AllIds(DeckGroups()))
        backs.push_back(pics.GetPic(id).toImage());
    for (int m = 0; m < kMarkPictures; ++m)
        marks.push_back(pics.RightPic(m).toImage());
    for (int id : AllIds(BackgroundGroups()))
        tiles.push_back(pics.GetPic(id).toImage());
    EXPECT_TRUE(distinct(faces));
    EXPECT_TRUE(distinct(backs));
    EXPECT_TRUE(distinct(marks));
    EXPECT_TRUE(distinct(tiles));
}

TEST(Faces, RoundedCornersAndSuitColours)
{
    cPictures pics;
    for (int n = 1; n <= kFacePictures; ++n) {
        const QImage img = pics.MainPic(n).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << n;
        EXPECT_EQ(qAlpha(img.pixel(kCardPixelWidth - 1, kCardPixelHeight - 1)), 0) << n;
        EXPECT_EQ(img.pixel(kCardPixelWidth / 2, 3), qRgb(255, 255, 255)) << n;
        // The corner index is printed in the suit's colour: red for Diamonds and Hearts.
        int red = 0, dark = 0;
        for (int y = 2; y < 26; ++y)
            for (int x = 2; x < 13; ++x) {
                const QRgb c = img.pixel(x, y);
                red += qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 110;
                dark += qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80;
            }
        const int suit = (n - 1) / 13;
        const bool redSuit = suit == 1 || suit == 3;
        EXPECT_EQ(red > 20, redSuit) << n;
        EXPECT_EQ(dark > 20, !redSuit) << n;
    }
}

TEST(Pictures, PaintedAtTheAskedRatioAndKept)
{
    cPictures pics;
    const QPixmap one = pics.MainPic(1);
    const QPixmap two = pics.MainPic(1, 2.0);
    EXPECT_EQ(two.size(), QSize(2 * kCardPixelWidth, 2 * kCardPixelHeight));
    EXPECT_DOUBLE_EQ(two.devicePixelRatio(), 2.0);
    EXPECT_EQ(two.deviceIndependentSize(), QSizeF(kCardPixelWidth, kCardPixelHeight));
    EXPECT_EQ(pics.MainPic(1).cacheKey(), one.cacheKey());
    EXPECT_EQ(pics.GetPic(41, 2.0).size(), 2 * TileSize(41));
    const qsizetype cached = pics.CachedCount();
    pics.MainPic(1, 2.0);
    EXPECT_EQ(pics.CachedCount(), cached);
}

TEST(Pictures, IconAtEverySize)
{
    cPictures pics;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon = pics.IconPic(size).toImage();
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_GT(qAlpha(icon.pixel(size / 2, size / 2)), 200) << size;
    }
    EXPECT_GE(pics.ProgramIcon().availableSizes().size(), 7);
}

TEST(ArtList, GroupsAndEntryNames)
{
    const auto& bg = BackgroundGroups();
    ASSERT_EQ(bg.size(), 8u);
    EXPECT_EQ(bg[0].Name, "Bricks");
    EXPECT_EQ(ArtEntryName(bg[0], 4), "Bricks 05");
    EXPECT_EQ(AllIds(bg).size(), 33u);
    EXPECT_EQ(ArtEntryName(73), "Wood 03");
    EXPECT_EQ(ArtEntryName(531), "Misc 01");
    EXPECT_EQ(ArtEntryName(541), "Nature 01");
    EXPECT_EQ(ArtEntryName(6), "");
    EXPECT_TRUE(IsTileId(55));
    EXPECT_FALSE(IsTileId(56));
    EXPECT_TRUE(IsBackId(512));
    EXPECT_FALSE(IsBackId(513));
}

int main(int argc, char** argv)
{
    // Test discovery runs the program at build time, without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
