// The view of the table: playback of the board's reports in order and at their pace,
// mouse events with hit tests by z-order, and a whole deal.
#include "cboardset.h"
#include "cpictures.h"
#include "ctableview.h"
#include "vexcard.h"
#include "vexdeck.h"
#include "vexempty.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace solvane;

namespace {
constexpr int kTw = 15; // twips per pixel

struct ViewFixture : ::testing::Test {
    cBoardSet set;
    cPictures pics;
    cTableView view{set.Board(), pics};

    void SetUp() override
    {
        view.resize(view.sizeHint());
        view.show();
        set.Board().SetObserver(&view);
    }
    void TearDown() override { set.Board().SetObserver(nullptr); }

    VexCard& Card(int pic) { return *view.PicCards(pic); }
    QPointF Pos(int pic) { return Card(pic).pos(); }

    // Mouse events in table twips, sent as the window system would.
    void Mouse(QEvent::Type type, QPointF twips, Qt::MouseButton button, Qt::MouseButtons held)
    {
        const QPointF local(twips.x() / kTw, twips.y() / kTw);
        QMouseEvent e(type, local, view.viewport()->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &e);
    }
    void Press(QPointF at, Qt::MouseButton b = Qt::LeftButton) { Mouse(QEvent::MouseButtonPress, at, b, b); }
    void Move(QPointF at, Qt::MouseButtons held = Qt::LeftButton) { Mouse(QEvent::MouseMove, at, Qt::NoButton, held); }
    void Release(QPointF at, Qt::MouseButton b = Qt::LeftButton) { Mouse(QEvent::MouseButtonRelease, at, b, Qt::NoButton); }
};
} // namespace

TEST_F(ViewFixture, PlacementTakesOneFramePerStepAlongItsPath)
{
    QSignalSpy drained(&view, &cTableView::AnimationsDrained);
    view.CardPositioned(5, 0, 0);
    view.CardPlaced(5, 3000, 1500, 3);
    EXPECT_TRUE(Card(5).isVisible());
    EXPECT_TRUE(view.IsAnimating());
    EXPECT_EQ(Pos(5), QPointF(1000, 500)); // the first frame is drawn at once
    view.PlayFrame();
    EXPECT_EQ(Pos(5), QPointF(2000, 1000));
    EXPECT_EQ(drained.count(), 0);
    view.PlayFrame();
    EXPECT_EQ(Pos(5), QPointF(3000, 1500));
    EXPECT_FALSE(view.IsAnimating());
    EXPECT_EQ(drained.count(), 1);

    // Back towards the origin: the path runs the other way in both directions.
    view.CardPlaced(5, 0, 300, 2);
    EXPECT_EQ(Pos(5), QPointF(1500, 900));
    view.PlayFrame();
    EXPECT_EQ(Pos(5), QPointF(0, 300));

    view.CardPlaced(6, 700, 800, 0); // a jump
    EXPECT_EQ(Pos(6), QPointF(700, 800));
    EXPECT_FALSE(view.IsAnimating());
}

TEST_F(ViewFixture, ReportsTakeEffectInOrderWhenReached)
{
    QSignalSpy sounds(&view, &cTableView::SoundReached);
    view.CardPositioned(1, 0, 0);
    view.CardPositioned(3, 0, 0);
    view.CardPlaced(1, 1000, 0, 2);
    view.CardTurned(1, 0);
    view.SoundDue("CardUp");
    view.CardPlaced(2, 0, 1000, 0);
    view.CardPlaced(3, 600, 600, 2);
    view.SoundDue("Start");

    EXPECT_EQ(Card(1).FaceMode(), 1); // travelling face down
    EXPECT_EQ(sounds.count(), 0);
    EXPECT_FALSE(Card(2).isVisible());
    view.PlayFrame(); // card 1 arrives; the turn, the sound and the jump follow it
    EXPECT_EQ(Pos(1), QPointF(1000, 0));
    EXPECT_EQ(Card(1).FaceMode(), 0);
    ASSERT_EQ(sounds.count(), 1);
    EXPECT_EQ(sounds[0][0].toString(), "CardUp");
    EXPECT_EQ(Pos(2), QPointF(0, 1000));
    EXPECT_EQ(Pos(3), QPointF(0, 0)); // the next move waits for its own frames
    view.PlayFrame();
    EXPECT_EQ(Pos(3), QPointF(300, 300));
    EXPECT_GT(Card(3).zValue(), Card(2).zValue());
    view.PlayFrame();
    EXPECT_EQ(Pos(3), QPointF(600, 600));
    ASSERT_EQ(sounds.count(), 2);
    EXPECT_EQ(sounds[1][0].toString(), "Start");
}

TEST_F(ViewFixture, FinishPlaysEverythingAtOnce)
{
    QSignalSpy drained(&view, &cTableView::AnimationsDrained);
    QSignalSpy sounds(&view, &cTableView::SoundReached);
    view.CardPlaced(0, 4000, 2000, 30);
    view.CardTurned(0, 0);
    view.SoundDue("CardDown");
    view.CardPlaced(1, 100, 200, 30);
    view.FinishAnimations();
    EXPECT_FALSE(view.IsAnimating());
    EXPECT_EQ(Pos(0), QPointF(4000, 2000));
    EXPECT_EQ(Pos(1), QPointF(100, 200));
    EXPECT_EQ(Card(0).FaceMode(), 0);
    EXPECT_EQ(sounds.count(), 1);
    EXPECT_EQ(drained.count(), 1);
    view.FinishAnimations(); // nothing left: no second signal
    EXPECT_EQ(drained.count(), 1);
}

TEST_F(ViewFixture, DraggingIsImmediateEvenWhileMovesPlay)
{
    view.CardPlaced(9, 5000, 5000, 20);
    view.CardPositioned(4, 1234, 567);
    EXPECT_EQ(Pos(4), QPointF(1234, 567));
    EXPECT_GT(Card(4).zValue(), Card(9).zValue());
    EXPECT_TRUE(view.IsAnimating());
}

TEST_F(ViewFixture, ClearingWaitsForTheQueue)
{
    view.PlaceholderShown(kFoundation, 2, 9000, 300, 0);
    view.PlaceholderShown(kTableau, 10, 300, 3000, 14);
    view.PlaceholderShown(kReserve, 1, 1500, 300, 14);
    EXPECT_TRUE(view.PicRight(2)->isVisible());
    EXPECT_EQ(view.PicRight(2)->pos(), QPointF(9000, 300));
    EXPECT_EQ(view.PicRight(2)->Picture().toImage(), pics.RightPic(0).toImage());
    EXPECT_EQ(view.PicHome(10)->Picture().toImage(), pics.RightPic(14).toImage());

    view.CardPlaced(8, 2000, 2000, 3);
    view.TableCleared();
    EXPECT_TRUE(Card(8).isVisible());
    EXPECT_TRUE(view.PicRight(2)->isVisible());
    view.FinishAnimations();
    for (int pic = 0; pic < 52; ++pic) {
        ASSERT_FALSE(Card(pic).isVisible());
        ASSERT_EQ(Card(pic).Cell() | Card(pic).Pile() | Card(pic).Pos(), 0);
        ASSERT_EQ(Card(pic).Suit() | Card(pic).Num() | Card(pic).Suitpile(), 0);
    }
    EXPECT_FALSE(view.PicRight(2)->isVisible());
    EXPECT_FALSE(view.PicHome(10)->isVisible());
    EXPECT_FALSE(view.PicRes(1)->isVisible());
}

TEST_F(ViewFixture, MouseEventsCarryThePictureAndOwnTwipsForEveryButton)
{
    QSignalSpy down(&view, &cTableView::CardMouseDown);
    QSignalSpy up(&view, &cTableView::CardMouseUp);
    view.CardPlaced(12, 1500, 1500, 0);
    Press({1650, 1800}, Qt::RightButton);
    Release({1650, 1800}, Qt::RightButton);
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0][0].toInt(), 12);
    EXPECT_FLOAT_EQ(down[0][1].toFloat(), 150);
    EXPECT_FLOAT_EQ(down[0][2].toFloat(), 300);
    ASSERT_EQ(up.count(), 1);
    Press({1650, 1800}, Qt::MiddleButton);
    EXPECT_EQ(down.count(), 2);
}

TEST_F(ViewFixture, PressGoesToTheTopCardAndThroughClearCorners)
{
    QSignalSpy down(&view, &cTableView::CardMouseDown);
    view.CardPlaced(20, 1500, 1500, 0);
    view.CardPlaced(21, 1500, 1800, 0); // overlaps the lower part of card 20
    Press({2000, 2000});
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down.last()[0].toInt(), 21);
    Release({2000, 2000});
    view.CardPositioned(20, 1500, 1500); // brought to the front
    Press({2000, 2000});
    EXPECT_EQ(down.last()[0].toInt(), 20);
    Release({2000, 2000});
    // Card 21's top-left corner pixel is transparent: a press there reaches card 20.
    view.CardPositioned(21, 1500, 1800);
    Press({1500 + 1, 1800 + 1});
    EXPECT_EQ(down.last()[0].toInt(), 20);
    Release({1500 + 1, 1800 + 1});
    // Off every card: no card event.
    const int before = down.count();
    Press({14000, 10000});
    EXPECT_EQ(down.count(), before);
}

TEST_F(ViewFixture, PressedCardKeepsItsMovesAndRelease)
{
    QSignalSpy move(&view, &cTableView::CardMouseMove);
    QSignalSpy up(&view, &cTableView::CardMouseUp);
    view.CardPlaced(30, 1500, 1500, 0);
    view.CardPlaced(31, 6000, 6000, 0);
    Press({1600, 1600});
    move.clear();
    Move({6510, 6510}); // over card 31, which lies above card 30
    ASSERT_EQ(move.count(), 1);
    EXPECT_EQ(move[0][0].toInt(), 30);
    EXPECT_FLOAT_EQ(move[0][1].toFloat(), 6510 - 1500);
    Release({6510, 6510});
    ASSERT_EQ(up.count(), 1);
    EXPECT_EQ(up[0][0].toInt(), 30);
}

TEST_F(ViewFixture, PressDuringAnimationFinishesItFirst)
{
    QSignalSpy down(&view, &cTableView::CardMouseDown);
    view.CardPlaced(7, 6000, 6000, 50);
    Press({6100, 6100});
    EXPECT_FALSE(view.IsAnimating());
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0][0].toInt(), 7);
}

TEST_F(ViewFixture, DeckBacksAndBackground)
{
    view.ApplyDeckBack(541);
    const QImage nature = pics.DeckPic(541).toImage();
    for (int pic = 0; pic < 52; ++pic)
        ASSERT_EQ(Card(pic).BackPic().toImage(), nature);
    view.ApplyDeckBack(777);
    EXPECT_EQ(Card(0).BackPic().toImage(), pics.DeckPic(531).toImage());

    view.SetBackground(1001, 0, 0);
    const QImage blue = view.grab().toImage();
    EXPECT_EQ(blue.pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(blue.pixel(blue.width() - 2, blue.height() - 2), qRgb(0, 0, 255));
    view.SetBackground(1001, 1, 0);
    const QImage faded = view.grab().toImage();
    EXPECT_EQ(faded.pixel(5, 0), qRgb(0, 0, 255));
    EXPECT_LT(qBlue(faded.pixel(5, faded.height() - 1)), 3);
}

TEST_F(ViewFixture, DealtFreecellMirrorsTheBoard)
{
    set.NewDeal(*StandardRules("Freecell"), 1);
    EXPECT_TRUE(view.IsAnimating());
    view.FinishAnimations();
    const cArray& board = set.Board();
    for (int pic = 0; pic < 52; ++pic) {
        const VexCard& c = Card(pic);
        ASSERT_TRUE(c.isVisible()) << pic;
        ASSERT_EQ(c.pos(), QPointF(board.CardLeft(pic), board.CardTop(pic))) << pic;
        ASSERT_EQ(c.FaceMode(), board.CardFace(pic)) << pic;
        ASSERT_EQ(c.Cell(), board.CardCell(pic)) << pic;
        ASSERT_EQ(c.Pile(), board.CardPile(pic)) << pic;
        ASSERT_EQ(c.Pos(), board.CardPos(pic)) << pic;
        ASSERT_EQ(c.Num(), board.CardNum(pic)) << pic;
        ASSERT_EQ(c.Suit(), board.CardSuit(pic)) << pic;
        ASSERT_EQ(c.FacePic().toImage(), pics.MainPic(c.FacePicture()).toImage()) << pic;
    }
    // Each pile lies bottom to top.
    for (int pile = 0; pile < 8; ++pile)
        for (int pos = 1; pos <= board.GetTop(kTableau, pile); ++pos)
            ASSERT_GT(Card(board.GetPicID(kTableau, pile, pos)).zValue(),
                      Card(board.GetPicID(kTableau, pile, pos - 1)).zValue());
    for (int f = 0; f < 4; ++f) {
        EXPECT_TRUE(view.PicRight(f)->isVisible());
        EXPECT_EQ(view.PicRight(f)->Picture().toImage(), pics.RightPic(0).toImage());
        EXPECT_TRUE(view.PicRes(f)->isVisible());
        EXPECT_EQ(view.PicRes(f)->Picture().toImage(), pics.RightPic(14).toImage());
    }
    for (int t = 0; t < 8; ++t)
        EXPECT_TRUE(view.PicHome(t)->isVisible());
    EXPECT_FALSE(view.PicHome(8)->isVisible());

    const QImage shot = view.grab().toImage();
    EXPECT_EQ(shot.size(), view.sizeHint());
    EXPECT_EQ(shot.pixel(1, 1), qRgb(0, 100, 0)); // the default table at its top
    if (const char* path = std::getenv("SOLVANE_TABLE_PNG"))
        shot.save(QString::fromLocal8Bit(path));
}

TEST_F(ViewFixture, TheDealIsDealtFromADeckThatThinsAsItGoes)
{
    set.NewDeal(*StandardRules("Freecell"), 1);
    ASSERT_TRUE(view.IsAnimating());
    view.PlayFrame();
    const int full = view.Deck()->Edges();
    EXPECT_GT(full, 5);
    EXPECT_TRUE(view.Deck()->isVisible());
    EXPECT_EQ(view.Deck()->pos(), QPointF(set.Board().CordX(kStock, 0, 0), set.Board().CordY(kStock, 0, 0)));
    for (int frame = 0; frame < 200; ++frame)
        view.PlayFrame();
    EXPECT_LT(view.Deck()->Edges(), full);
    // Once dealt there is no deck, also under a card later played to the first free cell.
    view.FinishAnimations();
    EXPECT_FALSE(view.Deck()->isVisible());
    set.Board().Move(set.Board().GetTopPicID(kTableau, 0), kReserve, 0, 0, kModeNormal, 0);
    view.FinishAnimations();
    EXPECT_FALSE(view.Deck()->isVisible());
}

TEST_F(ViewFixture, ZoomKeepsPicturesSharp)
{
    view.SetZoom(2.0);
    view.WaitForPictures();
    EXPECT_EQ(view.sizeHint(), QSize(2064, 1494));
    view.CardPlaced(0, 1500, 1500, 0);
    EXPECT_EQ(Card(0).BackPic().size(), QSize(142, 192));
    view.resize(view.sizeHint());
    // Drawn pixel for pixel from a back painted at twice the size, not scaled up.
    const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage back = pics.DeckPic(531, 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
    int differing = 0, opaque = 0;
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x)
            if (qAlpha(back.pixel(x, y)) == 255) {
                ++opaque;
                differing += shot.pixel(200 + x, 200 + y) != back.pixel(x, y);
            }
    EXPECT_GT(opaque, 26000);
    EXPECT_EQ(differing, 0);
}

TEST_F(ViewFixture, CardValuesAreTakenWhenReportedAndShownWhenReached)
{
    cArray& board = set.Board();
    board.Card(0).Suit = 3;
    board.Card(0).Num = 12;
    view.CardPlaced(5, 1000, 1000, 2);
    view.CardValuesSet();
    view.CardPlaced(6, 2000, 2000, 2);
    board.Card(0).Suit = 1; // the board moves on before the view has caught up
    board.Card(0).Num = 4;
    view.CardValuesSet();

    EXPECT_EQ(Card(0).Num(), 0);
    view.PlayFrame();
    EXPECT_EQ(Card(0).Suit(), 3);
    EXPECT_EQ(Card(0).Num(), 12);
    EXPECT_EQ(Card(0).FacePic().toImage(), pics.MainPic(3 * 13 + 12 + 1).toImage());
    view.PlayFrame();
    view.PlayFrame();
    EXPECT_EQ(Card(0).Suit(), 1);
    EXPECT_EQ(Card(0).Num(), 4);
}

TEST_F(ViewFixture, AddressesFollowTheBoardWhileTheMovePlays)
{
    QSignalSpy steps(&view, &cTableView::DealStepped);
    set.NewDeal(*StandardRules("Freecell"), 1);
    EXPECT_EQ(steps.count(), 52 + 52); // gathered into the stock, then dealt
    view.FinishAnimations();
    cArray& board = set.Board();
    const int pic = board.GetTopPicID(kTableau, 0);
    board.Move(pic, kReserve, 0, 0, kModeNormal, 3);
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.IsAnimating());
    EXPECT_EQ(Card(pic).Cell(), kReserve);
    EXPECT_EQ(Card(pic).Pile(), 0);
    EXPECT_EQ(Card(pic).Pos(), 0);
    view.FinishAnimations();
    EXPECT_EQ(Pos(pic), QPointF(board.CardLeft(pic), board.CardTop(pic)));
}

TEST_F(ViewFixture, PlaceholderReportsAClick)
{
    view.PlaceholderShown(kReserve, 3, 4500, 300, 14);
    QSignalSpy clicked(view.PicRes(3), &VexEmpty::Click);
    Press({4600, 600});
    Release({4600, 600});
    EXPECT_EQ(clicked.count(), 1);
    Press({4600, 600});
    Release({9000, 9000}); // let go elsewhere: no click
    EXPECT_EQ(clicked.count(), 1);
}
