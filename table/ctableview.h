#pragma once
// The table: the surface with its background, the 52 cards and the empty-pile marks, in a
// scene measured in twips. The board reports what happened; the view plays the reports
// back in order, a placement of n steps over about n frames, so a chain of moves made in
// one go by the engine is seen card by card.
#include "cpicturefeed.h"
#include "iboardobserver.h"
#include "mrules.h"
#include "itablelook.h"

#include <QBitArray>
#include <QGraphicsView>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <variant>
#include <vector>

namespace solvane {

class cArray;
class VexCard;
class VexDeck;
class VexEmpty;
class VexGlow;

constexpr int kTableWidth = 15480; // twips
constexpr int kTableHeight = 11205;
constexpr int kHomeMarks = 11;
constexpr int kGoalMarks = 5;
constexpr int kCellMarks = 5;

class cTableView : public QGraphicsView, public iBoardObserver, public iTableLook {
    Q_OBJECT
public:
    static constexpr int kFrameMs = 16;

    cTableView(const cArray& board, cPictures& pictures, QWidget* parent = nullptr);
    ~cTableView() override;

    // The items, as the main window's control arrays name them.
    VexCard* PicCards(int pic) const;
    VexEmpty* PicHome(int pile) const;
    VexEmpty* PicRight(int pile) const;
    VexEmpty* PicRes(int pile) const;
    VexEmpty* PicWaste() const { return waste_; }
    VexEmpty* PicStock() const { return stock_; }
    const VexDeck* Deck() const { return deck_; }

    // Repaints the surface with a background choice (tile, custom colour or named colour).
    void SetBackground(int bgIndex, int fade, int32_t customColor) override;
    // Gives every card the back of a deck choice; an unknown one gives the default back.
    void ApplyDeckBack(int deckIndex) override;
    // Screen pixels per logical pixel of the table (1 = 15 twips to the pixel).
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }
    QSize sizeHint() const override;
    // From now on the table shows this area (in twips) as large as the view allows, centred
    // across and from its top, and follows the view's size; the background fills the rest.
    void FitTo(const QRectF& area);
    const QRectF& FittedArea() const { return area_; }
    // The pictures for the present size, once painted; waits for them (tests, benchmarks).
    void WaitForPictures();

    // Play's marks. The cards held (a card and the cards on it) show selected; the places
    // that would take them glow; the keyboard's focus is framed; a card that may not go
    // where it was sent shakes its head.
    void ShowHeld(int pic);
    void ShowTargets(const std::vector<PileAddress>& places);
    const std::vector<PileAddress>& Targets() const { return targets_; }
    void ShowFocus(bool shown, PileAddress place, const QString& spoken);
    bool FocusShown() const;
    void Refuse(int pic);
    // What play makes of a key; true when the key was play's.
    void SetKeyHandler(std::function<bool(int key, Qt::KeyboardModifiers modifiers)> handler)
    {
        keyHandler_ = std::move(handler);
    }
    // The focused place and its card, as a screen reader reads the table.
    const QString& Spoken() const { return spoken_; }
    double PictureRatioNow() const { return ratio_; }

    // Plays every queued report at once.
    void FinishAnimations();
    // Plays one frame of the queue now; the frame timer calls it every 16 ms.
    void PlayFrame() { Play(false); }
    bool IsAnimating() const { return !queue_.empty(); }

    // iBoardObserver
    void CardPlaced(int pic, int x, int y, int steps) override;
    void CardTurned(int pic, int faceMode) override;
    void CardPositioned(int pic, double left, double top) override;
    void CardValuesSet() override;
    void DealStep() override;
    void PlaceholderShown(int cell, int pile, int x, int y, int mark) override;
    void TableCleared() override;
    void SoundDue(const char* kind) override;

signals:
    // A card's mouse events: picture id and position in the card's own twips.
    void CardMouseDown(int pic, float x, float y);
    void CardMouseMove(int pic, float x, float y);
    void CardMouseUp(int pic, float x, float y);
    // The playback reached a sound the board asked for.
    void SoundReached(const QString& kind);
    // The board laid a card of a deal; the window may process its events.
    void DealStepped();
    // Running playback (or FinishAnimations) has played the last queued report. Reports
    // that take effect at once while nothing plays do not raise it: ask IsAnimating().
    void AnimationsDrained();
    // The table was fitted to the view; the part of it shown, in twips.
    void Fitted(const QRectF& shown);
    void CardDoubleClicked(int pic);
    // A click on the mark of an empty place, and on the table beside every card and mark.
    void PlaceClicked(int cell, int pile);
    void TableClicked();

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Place {
        int Pic, X, Y, Steps;
        int Done = 0;
        double X0 = 0, Y0 = 0;
        bool Started = false;
    };
    struct Turn {
        int Pic, FaceMode;
    };
    struct CardValue {
        int16_t Suit, Num, Suitpile;
    };
    struct Values {
        std::array<CardValue, 52> Cards;
    };
    struct Mark {
        int Cell, Pile, X, Y, Number;
    };
    struct Clear {};
    struct Sound {
        QString Kind;
    };
    using Step = std::variant<Place, Turn, Values, Mark, Clear, Sound>;

    void Enqueue(Step step);
    // Plays the queue: everything (all) or up to one animation frame.
    void Play(bool all);
    // Plays one placement; answers whether it is complete.
    bool PlayPlace(Place& s, bool all);
    void Apply(const Step& step);

    VexEmpty* MarkItem(int cell, int pile) const;
    std::vector<VexEmpty*> MarkItems() const;
    void BringToFront(QGraphicsItem* item);
    void SyncAddresses();
    // Device pixels per logical pixel of the table on the present screen.
    double PictureRatio() const;
    void Fit();
    // Takes the pictures of a new size: at once those at hand, the sharp ones once painted.
    void RefreshPictures();
    void RequestPictures();
    void ShowPictures();
    void PicturesReady(qreal ratio);
    void FollowPointer();
    // Lays the glows and the focus frame over their places as the board has them now.
    void PlaceMarks();
    void PutGlow(VexGlow* glow, PileAddress place);
    // Shows the edges of the deck under the cards still to be dealt.
    void ShowDeck();
    // The picture for the present size, or until it is painted the nearest one at hand.
    QPixmap Picture(cPictures::Kind kind, int id);
    void ShowMarkPicture(VexEmpty* item);

    const cArray& board_;
    cPictures& pictures_;
    cPictureFeed feed_;
    std::array<VexCard*, 52> cards_{};
    std::array<VexEmpty*, kHomeMarks> home_{};
    std::array<VexEmpty*, kGoalMarks> right_{};
    std::array<VexEmpty*, kCellMarks> res_{};
    VexEmpty* waste_ = nullptr;
    VexEmpty* stock_ = nullptr;
    VexDeck* deck_ = nullptr;
    std::vector<VexGlow*> glows_;
    VexGlow* focus_ = nullptr;
    std::vector<PileAddress> targets_;
    PileAddress focusPlace_{0, 0};
    QString spoken_;
    std::vector<int> held_;
    std::function<bool(int, Qt::KeyboardModifiers)> keyHandler_;

    std::deque<Step> queue_;
    QTimer frameTimer_;
    QTimer addressTimer_;
    QBitArray addressDirty_;
    double nextZ_ = 1;
    bool playing_ = false;
    bool finishAll_ = false;

    int bgIndex_ = 1007, fade_ = 1;
    int32_t customColor_ = 0;
    int deckIndex_ = 531;
    double zoom_ = 1.0;
    double ratio_ = 0; // the ratio the pictures were made for
    bool fitting_ = false;
    QRectF area_{0, 0, kTableWidth, kTableHeight};
    QPoint lastPointer_;  // in the viewport
};

} // namespace solvane
