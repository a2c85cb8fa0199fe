// The card and placeholder items: what they draw after each operation, and when they
// redraw at all.
#include "cpictures.h"
#include "vexcard.h"
#include "vexempty.h"

#include <QApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace solvane;

namespace {
struct CardFixture : ::testing::Test {
    cPictures pics;
    VexCard card;
    QPixmap back = pics.DeckPic(531);
    QPixmap face = pics.MainPic(40); // Ace of Hearts
    void SetUp() override
    {
        card.DeckPic(back);
        card.MainPic(face);
    }
    bool Shows(const QPixmap& pm) const { return card.ShownPicture().cacheKey() == pm.cacheKey(); }
};
} // namespace

TEST_F(CardFixture, NewCardShowsItsBackBeforeAnyValue)
{
    VexCard fresh;
    EXPECT_EQ(fresh.FaceMode(), 1);
    EXPECT_FALSE(fresh.Selected());
    EXPECT_EQ(fresh.Suit(), 0);
    EXPECT_EQ(fresh.Cell(), 0);
    fresh.DeckPic(back);
    EXPECT_EQ(fresh.ShownPicture().cacheKey(), back.cacheKey());
    fresh.MainPic(face);
    EXPECT_EQ(fresh.ShownPicture().cacheKey(), back.cacheKey());
}

TEST_F(CardFixture, FaceModeRedrawsOnlyOnChange)
{
    const int before = card.RedrawCount();
    card.SetFaceMode(0);
    EXPECT_TRUE(Shows(face));
    EXPECT_EQ(card.RedrawCount(), before + 1);
    card.SetFaceMode(0);
    EXPECT_EQ(card.RedrawCount(), before + 1);
    card.SetFaceMode(1);
    EXPECT_TRUE(Shows(back));
    card.SetFaceMode(7); // any value but 1 shows the face
    EXPECT_TRUE(Shows(face));
    EXPECT_EQ(card.RedrawCount(), before + 3);
}

TEST_F(CardFixture, SelectedInvertsTheFaceOnlyAndKeepsCornersClear)
{
    card.SetSelected(true);
    EXPECT_TRUE(Shows(back)); // no visible effect face down
    const int before = card.RedrawCount();
    card.SetSelected(true);
    EXPECT_EQ(card.RedrawCount(), before);

    card.SetFaceMode(0);
    const QImage shown = card.ShownPicture().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage plain = face.toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), plain.size());
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb a = plain.pixel(x, y), b = shown.pixel(x, y);
            ASSERT_EQ(qAlpha(a), qAlpha(b));
            if (qAlpha(a) == 255) {
                ASSERT_EQ(b, qRgb(255 - qRed(a), 255 - qGreen(a), 255 - qBlue(a))) << x << "," << y;
            }
        }
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);

    card.SetSelected(false);
    EXPECT_TRUE(Shows(face));
}

TEST_F(CardFixture, ValuesAddressAndColour)
{
    const int before = card.RedrawCount();
    card.SetLoc(3, 2, 7);
    EXPECT_EQ(card.Cell(), 3);
    EXPECT_EQ(card.Pile(), 2);
    EXPECT_EQ(card.Pos(), 7);
    EXPECT_EQ(card.RedrawCount(), before); // an address is no picture

    card.SetValue(2, 11, 2);
    EXPECT_EQ(card.RedrawCount(), before + 1);
    EXPECT_EQ(card.Suit(), 2);
    EXPECT_EQ(card.Num(), 11);
    EXPECT_EQ(card.Suitpile(), 2);
    EXPECT_EQ(card.Color(), 1);
    EXPECT_EQ(card.FacePicture(), 2 * 13 + 11 + 1);
    card.SetValue(3, 0, 3);
    EXPECT_EQ(card.Color(), 2);
    card.SetValue(1, 0, 1);
    EXPECT_EQ(card.Color(), 2);
    card.SetValue(0, 0, 0);
    EXPECT_EQ(card.Color(), 1);
}

TEST_F(CardFixture, MissingPicturesAreIgnored)
{
    card.DeckPic(QPixmap());
    card.MainPic(QPixmap());
    EXPECT_EQ(card.BackPic().cacheKey(), back.cacheKey());
    EXPECT_EQ(card.FacePic().cacheKey(), face.cacheKey());
}

TEST(Placeholder, PictureModeAndStoredProperties)
{
    cPictures pics;
    VexEmpty mark;
    EXPECT_EQ(mark.Mode(), 0);
    EXPECT_TRUE(mark.Picture().isNull());
    const QPixmap ace = pics.RightPic(0);
    mark.Pic(ace);
    mark.Pic(QPixmap());
    EXPECT_EQ(mark.Picture().cacheKey(), ace.cacheKey());

    QSignalSpy changed(&mark, &VexEmpty::ModeChanged);
    const int before = mark.RedrawCount();
    mark.SetMode(4);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(mark.RedrawCount(), before + 1);
    EXPECT_EQ(mark.Picture().cacheKey(), ace.cacheKey()); // Mode changes nothing drawn

    QVariantMap props;
    mark.WriteProperties(props);
    VexEmpty other;
    other.ReadProperties(props);
    EXPECT_EQ(other.Mode(), 4);
    other.ReadProperties({{"Mode", "not a number"}});
    EXPECT_EQ(other.Mode(), 0);
}

int main(int argc, char** argv)
{
    // Test discovery runs the program at build time, without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
