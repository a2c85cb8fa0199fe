#include "ctableview.h"

#include "carray.h"
#include "cpictures.h"
#include "martmetrics.h"
#include "martlist.h"
#include "mgen1.h"
#include "vexcard.h"
#include "vexdeck.h"
#include "vexglow.h"
#include "ctableaccessible.h"
#include "vexempty.h"

#include <QGraphicsScene>
#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVariantAnimation>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace solvane {

namespace {
constexpr int kMarkKey = 0; // item data: the mark number a placeholder shows
constexpr double kPlaceholderZ = 0;
constexpr double kDeckZ = 0.5; // above the placeholders, below every card
constexpr double kOverTop = 0.5; // a glow just above the card it lies on
constexpr double kFocusZ = 1e9;  // the focus frame above everything
constexpr int kShakeMs = 260;
constexpr double kShakeTwips = 90;

template <class... F> struct Overload : F... {
    using F::operator()...;
};
template <class... F> Overload(F...) -> Overload<F...>;
} // namespace

cTableView::cTableView(const cArray& board, cPictures& pictures, QWidget* parent)
    : QGraphicsView(parent), board_(board), pictures_(pictures), feed_(pictures), addressDirty_(kDeckCards)
{
    connect(&feed_, &cPictureFeed::Ready, this, &cTableView::PicturesReady);
    auto* scene = new QGraphicsScene(0, 0, kTableWidth, kTableHeight, this);
    // Cards move all the time; a spatial index would cost more than it saves for 70 items.
    scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(scene);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setOptimizationFlags(QGraphicsView::DontSavePainterState | QGraphicsView::DontAdjustForAntialiasing);
    setTransform(QTransform::fromScale(zoom_ / kTwipsPerPixel, zoom_ / kTwipsPerPixel));

    auto makeMark = [scene] {
        auto* m = new VexEmpty;
        m->setZValue(kPlaceholderZ);
        m->hide();
        scene->addItem(m);
        return m;
    };
    for (auto& m : home_)
        m = makeMark();
    for (auto& m : right_)
        m = makeMark();
    for (auto& m : res_)
        m = makeMark();
    waste_ = makeMark();
    stock_ = makeMark();
    deck_ = new VexDeck;
    deck_->setZValue(kDeckZ);
    scene->addItem(deck_);
    focus_ = new VexGlow(VexGlow::Style::Focus);
    focus_->setZValue(kFocusZ);
    scene->addItem(focus_);
    for (int cell : {kTableau, kFoundation, kReserve})
        for (int pile = 0; MarkItem(cell, pile); ++pile)
            connect(MarkItem(cell, pile), &VexEmpty::Click, this, [this, cell, pile] { emit PlaceClicked(cell, pile); });
    setFocusPolicy(Qt::StrongFocus);
    InstallTableAccessibility();

    for (int pic = 0; pic < kDeckCards; ++pic) {
        auto* card = new VexCard;
        card->hide();
        BringToFront(card);
        scene->addItem(card);
        cards_[pic] = card;
        connect(card, &VexCard::MouseDown, this, [this, pic](float x, float y) { emit CardMouseDown(pic, x, y); });
        connect(card, &VexCard::MouseMove, this, [this, pic](float x, float y) { emit CardMouseMove(pic, x, y); });
        connect(card, &VexCard::MouseUp, this, [this, pic](float x, float y) { emit CardMouseUp(pic, x, y); });
        connect(card, &VexCard::DblClick, this, [this, pic] { emit CardDoubleClicked(pic); });
    }

    frameTimer_.setInterval(kFrameMs);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, &cTableView::PlayFrame);
    addressTimer_.setSingleShot(true);
    addressTimer_.setInterval(0);
    connect(&addressTimer_, &QTimer::timeout, this, &cTableView::SyncAddresses);

    ratio_ = PictureRatio();
    ShowPictures();
}

cTableView::~cTableView() = default;

VexCard* cTableView::PicCards(int pic) const
{
    return pic >= 0 && pic < kDeckCards ? cards_[size_t(pic)] : nullptr;
}

VexEmpty* cTableView::PicHome(int pile) const
{
    return pile >= 0 && pile < kHomeMarks ? home_[size_t(pile)] : nullptr;
}

VexEmpty* cTableView::PicRight(int pile) const
{
    return pile >= 0 && pile < kGoalMarks ? right_[size_t(pile)] : nullptr;
}

VexEmpty* cTableView::PicRes(int pile) const
{
    return pile >= 0 && pile < kCellMarks ? res_[size_t(pile)] : nullptr;
}

VexEmpty* cTableView::MarkItem(int cell, int pile) const
{
    switch (cell) {
    case kTableau: return PicHome(pile);
    case kStock: return stock_;
    case kWaste: return waste_;
    case kFoundation: return PicRight(pile);
    case kReserve: return PicRes(pile);
    default: return nullptr;
    }
}

// ---- Appearance

void cTableView::SetBackground(int bgIndex, int fade, int32_t customColor)
{
    bgIndex_ = bgIndex;
    fade_ = fade;
    customColor_ = customColor;
    RequestPictures();
    viewport()->update();
}

void cTableView::ApplyDeckBack(int deckIndex)
{
    deckIndex_ = deckIndex;
    const QPixmap back = Picture(cPictures::kBack, cPictures::DeckId(deckIndex_));
    for (VexCard* card : cards_)
        card->DeckPic(back);
    RequestPictures();
}

void cTableView::SetZoom(double zoom)
{
    if (!(zoom > 0) || zoom == zoom_)
        return;
    zoom_ = zoom;
    setTransform(QTransform::fromScale(zoom_ / kTwipsPerPixel, zoom_ / kTwipsPerPixel));
    updateGeometry();
    RefreshPictures();
}

void cTableView::FitTo(const QRectF& area)
{
    if (area.isEmpty())
        return;
    area_ = area;
    fitting_ = true;
    Fit();
}

void cTableView::Fit()
{
    const QSize vp = viewport()->size();
    if (!fitting_ || vp.isEmpty())
        return;
    // Twips to logical pixels: the largest scale at which the whole area shows.
    const double scale = std::min(vp.width() / area_.width(), vp.height() / area_.height());
    const QSizeF shown(vp.width() / scale, vp.height() / scale);
    // The left edge on a whole pixel, so that the view shows the area without a fraction
    // of a pixel's shift.
    const double left = std::floor((area_.center().x() - shown.width() / 2) * scale) / scale;
    const double top = std::floor(area_.top() * scale) / scale;
    const QRectF rect(left, top, shown.width(), shown.height());
    zoom_ = scale * kTwipsPerPixel;
    setTransform(QTransform::fromScale(scale, scale));
    setSceneRect(rect);
    RefreshPictures();
    emit Fitted(rect);
    FollowPointer();
}

QSize cTableView::sizeHint() const
{
    return QSize(int(std::ceil(kTablePixelWidth * zoom_)), int(std::ceil(kTablePixelHeight * zoom_)));
}

double cTableView::PictureRatio() const { return cPictures::KeptRatio(devicePixelRatioF() * zoom_); }

QPixmap cTableView::Picture(cPictures::Kind kind, int id)
{
    // Kept at this size, or kept at another one to be shown scaled until the feed has
    // painted it; painted here only when it has never been painted at all.
    QPixmap pm = pictures_.Nearest(kind, id, ratio_);
    if (pm.isNull()) {
        // A tile takes long to paint large: a small one stands in meanwhile.
        const double ratio = kind == cPictures::kTile ? std::min(ratio_, devicePixelRatioF()) : ratio_;
        pictures_.Adopt(kind, id, ratio, cPictures::Render(kind, id, ratio));
        pm = pictures_.Nearest(kind, id, ratio_);
    }
    return pm;
}

void cTableView::RequestPictures()
{
    // The pictures in use: a table without a game wants only its back painted anew.
    std::vector<cPictureFeed::Want> wants{{cPictures::kBack, cPictures::DeckId(deckIndex_)}};
    if (IsTileId(bgIndex_))
        wants.push_back({cPictures::kTile, bgIndex_});
    for (const VexCard* card : cards_)
        if (!card->FacePic().isNull())
            wants.push_back({cPictures::kFace, card->FacePicture()});
    for (const VexEmpty* mark : MarkItems())
        if (const QVariant m = mark->data(kMarkKey); m.isValid())
            wants.push_back({cPictures::kMark, m.toInt()});
    feed_.Request(wants, ratio_);
}

std::vector<VexEmpty*> cTableView::MarkItems() const
{
    std::vector<VexEmpty*> all(home_.begin(), home_.end());
    all.insert(all.end(), right_.begin(), right_.end());
    all.insert(all.end(), res_.begin(), res_.end());
    all.push_back(waste_);
    all.push_back(stock_);
    return all;
}

void cTableView::RefreshPictures()
{
    const double ratio = PictureRatio();
    if (ratio == ratio_)
        return;
    ratio_ = ratio;
    ShowPictures();
    RequestPictures();
}

void cTableView::ShowPictures()
{
    const QPixmap back = Picture(cPictures::kBack, cPictures::DeckId(deckIndex_));
    for (VexCard* card : cards_) {
        card->DeckPic(back);
        if (!card->FacePic().isNull())
            card->MainPic(Picture(cPictures::kFace, card->FacePicture()));
    }
    for (VexEmpty* m : MarkItems())
        ShowMarkPicture(m);
}

void cTableView::PicturesReady(qreal ratio)
{
    if (ratio == ratio_)
        ShowPictures();
}

void cTableView::WaitForPictures()
{
    feed_.WaitForReady();
}

void cTableView::ShowMarkPicture(VexEmpty* item)
{
    const QVariant mark = item->data(kMarkKey);
    if (mark.isValid())
        item->Pic(Picture(cPictures::kMark, mark.toInt()));
}

void cTableView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    Fit();
}

void cTableView::paintEvent(QPaintEvent* event)
{
    // A move to a screen of another pixel ratio: paint every picture afresh for it.
    if (PictureRatio() != ratio_)
        RefreshPictures();
    QGraphicsView::paintEvent(event);
}

void cTableView::drawBackground(QPainter* painter, const QRectF& rect)
{
    // The background fills the whole view, drawn where it is exposed, in the view's pixels
    // scaled with the cards so that tiles keep their size beside them. Whole pixels, so
    // that parts drawn one by one meet without a seam.
    const QRectF part = painter->worldTransform().mapRect(rect).toAlignedRect();
    const QRectF view = viewport()->rect();
    painter->save();
    painter->resetTransform();
    painter->setClipRect(part);
    painter->scale(zoom_, zoom_);
    const QRectF area(0, 0, view.width() / zoom_, view.height() / zoom_);
    if (!IsTileId(bgIndex_) || !TilePixmap(*painter, area, Picture(cPictures::kTile, bgIndex_)))
        SetBG(bgIndex_, *painter, area, fade_, customColor_, pictures_);
    painter->restore();
}

void cTableView::FollowPointer()
{
    // A card held while the table changed its scale is put back under the pointer, at the
    // point where it was grabbed.
    auto* held = dynamic_cast<VexCard*>(scene()->mouseGrabberItem());
    if (!held)
        return;
    const auto it = std::find(cards_.begin(), cards_.end(), held);
    const QPointF local = mapToScene(lastPointer_) - held->scenePos();
    emit CardMouseMove(int(it - cards_.begin()), float(local.x()), float(local.y()));
}

// ---- Mouse

void cTableView::mouseMoveEvent(QMouseEvent* event)
{
    lastPointer_ = event->position().toPoint();
    QGraphicsView::mouseMoveEvent(event);
}

void cTableView::mousePressEvent(QMouseEvent* event)
{
    lastPointer_ = event->position().toPoint();
    if (!itemAt(event->position().toPoint()))
        emit TableClicked();
    // A press during an animation first lets it end, so the press meets the table as it is.
    if (IsAnimating())
        FinishAnimations();
    QGraphicsView::mousePressEvent(event);
}

void cTableView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (IsAnimating())
        FinishAnimations();
    QGraphicsView::mouseDoubleClickEvent(event);
}

// ---- Play's marks

void cTableView::keyPressEvent(QKeyEvent* event)
{
    if (keyHandler_ && keyHandler_(event->key(), event->modifiers()))
        return event->accept();
    QGraphicsView::keyPressEvent(event);
}

void cTableView::ShowHeld(int pic)
{
    for (int p : held_)
        cards_[size_t(p)]->SetSelected(false);
    held_.clear();
    if (pic < 0 || pic >= kDeckCards)
        return;
    const int cell = board_.CardCell(pic), pile = board_.CardPile(pic);
    for (int pos = board_.CardPos(pic); pos <= board_.GetTop(cell, pile); ++pos)
        held_.push_back(board_.GetPicID(cell, pile, pos));
    for (int p : held_)
        cards_[size_t(p)]->SetSelected(true);
}

void cTableView::ShowTargets(const std::vector<PileAddress>& places)
{
    targets_ = places;
    while (glows_.size() < targets_.size()) {
        auto* glow = new VexGlow(VexGlow::Style::Target);
        scene()->addItem(glow);
        glows_.push_back(glow);
    }
    PlaceMarks();
}

void cTableView::ShowFocus(bool shown, PileAddress place, const QString& spoken)
{
    focus_->setVisible(shown);
    focusPlace_ = place;
    PlaceMarks();
    if (spoken == spoken_)
        return;
    spoken_ = spoken;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}

bool cTableView::FocusShown() const { return focus_->isVisible(); }

void cTableView::PutGlow(VexGlow* glow, PileAddress place)
{
    // On the place's top card, or on its mark when it is empty.
    const int top = board_.GetTop(place.Cell, place.Pile);
    const int pos = std::max(top, 0);
    glow->setPos(board_.CordX(place.Cell, place.Pile, pos), board_.CordY(place.Cell, place.Pile, pos));
    const double under = top >= 0 ? cards_[size_t(board_.GetPicID(place.Cell, place.Pile, top))]->zValue() : kDeckZ;
    if (glow != focus_)
        glow->setZValue(under + kOverTop);
}

void cTableView::PlaceMarks()
{
    for (size_t i = 0; i < glows_.size(); ++i) {
        glows_[i]->setVisible(i < targets_.size());
        if (i < targets_.size())
            PutGlow(glows_[i], targets_[i]);
    }
    if (focus_->isVisible())
        PutGlow(focus_, focusPlace_);
}

void cTableView::Refuse(int pic)
{
    VexCard* card = PicCards(pic);
    if (!card || !card->isVisible())
        return;
    // A short shake about where the card lies.
    const QPointF at(board_.CardLeft(pic), board_.CardTop(pic));
    auto* shake = new QVariantAnimation(this);
    shake->setDuration(kShakeMs);
    shake->setKeyValues({{0.0, 0.0}, {0.2, -kShakeTwips}, {0.4, kShakeTwips}, {0.6, -kShakeTwips / 2},
                         {0.8, kShakeTwips / 2}, {1.0, 0.0}});
    connect(shake, &QVariantAnimation::valueChanged, card,
            [card, at](const QVariant& v) { card->setPos(at + QPointF(v.toDouble(), 0)); });
    shake->start(QAbstractAnimation::DeleteWhenStopped);
}

// ---- Reports of the board

void cTableView::CardPlaced(int pic, int x, int y, int steps)
{
    if (!PicCards(pic))
        return;
    // The board gives the card its new address right after this report.
    addressDirty_.setBit(pic);
    addressTimer_.start();
    Enqueue(Place{pic, x, y, steps});
}

void cTableView::CardTurned(int pic, int faceMode)
{
    if (PicCards(pic))
        Enqueue(Turn{pic, faceMode});
}

void cTableView::CardPositioned(int pic, double left, double top)
{
    VexCard* card = PicCards(pic);
    if (!card)
        return;
    card->setPos(left, top);
    BringToFront(card);
}

void cTableView::CardValuesSet()
{
    Values v{};
    for (int pic = 0; pic < kDeckCards; ++pic) {
        const cCard& c = board_.Card(pic);
        v.Cards[size_t(pic)] = {c.Suit, c.Num, c.Suitpile};
    }
    Enqueue(v);
}

void cTableView::DealStep() { emit DealStepped(); }

void cTableView::PlaceholderShown(int cell, int pile, int x, int y, int mark)
{
    if (MarkItem(cell, pile))
        Enqueue(Mark{cell, pile, x, y, mark});
}

void cTableView::TableCleared() { Enqueue(Clear{}); }

void cTableView::SoundDue(const char* kind) { Enqueue(Sound{QString::fromUtf8(kind)}); }

// ---- Playback

void cTableView::Enqueue(Step step)
{
    queue_.push_back(std::move(step));
    if (!frameTimer_.isActive() && !playing_)
        Play(false);
}

void cTableView::FinishAnimations()
{
    SyncAddresses();
    if (queue_.empty())
        return;
    Play(true);
}

void cTableView::Play(bool all)
{
    if (playing_) { // a slot of one of our signals asked for more: finish in the outer loop
        finishAll_ = finishAll_ || all;
        return;
    }
    playing_ = true;
    const bool wasRunning = frameTimer_.isActive();
    bool framed = false; // this frame has drawn its animation step
    while (!queue_.empty()) {
        all = all || finishAll_;
        if (auto* place = std::get_if<Place>(&queue_.front())) {
            const bool animated = !all && place->Steps >= 1;
            if (animated && framed)
                break;
            if (!PlayPlace(*place, all)) {
                framed = true;
                break;
            }
            framed = framed || animated;
            queue_.pop_front();
        } else {
            const Step step = std::move(queue_.front());
            queue_.pop_front();
            Apply(step);
        }
    }
    finishAll_ = false;
    playing_ = false;
    if (!queue_.empty()) {
        if (!frameTimer_.isActive())
            frameTimer_.start();
        return;
    }
    frameTimer_.stop();
    PlaceMarks();
    if (wasRunning || all)
        emit AnimationsDrained();
}

bool cTableView::PlayPlace(Place& s, bool all)
{
    VexCard* card = cards_[size_t(s.Pic)];
    if (!s.Started) {
        BringToFront(card);
        card->show();
        s.X0 = card->x();
        s.Y0 = card->y();
        s.Started = true;
    }
    const bool done = all || s.Steps < 1 || ++s.Done >= s.Steps;
    if (done) {
        card->setPos(s.X, s.Y);
    } else {
        // Step i of n covers i/n of the way in each direction.
        const double sx = s.X < s.X0 ? -1 : 1, sy = s.Y < s.Y0 ? -1 : 1;
        const double f = double(s.Done) / s.Steps;
        card->setPos(s.X0 + sx * std::abs(s.X - s.X0) * f, s.Y0 + sy * std::abs(s.Y - s.Y0) * f);
    }
    ShowDeck();
    return done;
}

void cTableView::ShowDeck()
{
    // The cards lying face down where the deal takes them from, as the table shows them now.
    const QPointF at(board_.CordX(kStock, 0, 0), board_.CordY(kStock, 0, 0));
    const int cards = int(std::count_if(cards_.begin(), cards_.end(), [&at](const VexCard* c) {
        return c->isVisible() && c->pos() == at && c->FaceMode() == VexCard::kFaceDownMode;
    }));
    deck_->setPos(at);
    deck_->SetCards(cards);
}

void cTableView::Apply(const Step& step)
{
    std::visit(Overload{
                   [](const Place&) {},
                   [this](const Turn& s) { cards_[size_t(s.Pic)]->SetFaceMode(s.FaceMode); },
                   [this](const Values& s) {
                       for (int pic = 0; pic < kDeckCards; ++pic) {
                           VexCard* card = cards_[size_t(pic)];
                           const CardValue& v = s.Cards[size_t(pic)];
                           card->SetValue(v.Suit, v.Num, v.Suitpile);
                           card->MainPic(Picture(cPictures::kFace, card->FacePicture()));
                           BringToFront(card);
                       }
                   },
                   [this](const Mark& s) {
                       VexEmpty* item = MarkItem(s.Cell, s.Pile);
                       item->setData(kMarkKey, s.Number);
                       ShowMarkPicture(item);
                       item->setPos(s.X, s.Y);
                       item->show();
                   },
                   [this](const Clear&) {
                       for (VexCard* card : cards_) {
                           card->hide();
                           card->SetLoc(0, 0, 0);
                           card->SetValue(0, 0, 0);
                       }
                       for (VexEmpty* m : home_)
                           m->hide();
                       for (VexEmpty* m : right_)
                           m->hide();
                       for (VexEmpty* m : res_)
                           m->hide();
                       waste_->hide();
                       stock_->hide();
                       deck_->SetCards(0);
                   },
                   [this](const Sound& s) { emit SoundReached(s.Kind); },
               },
               step);
}

void cTableView::BringToFront(QGraphicsItem* item) { item->setZValue(nextZ_++); }

void cTableView::SyncAddresses()
{
    for (int pic = 0; pic < kDeckCards; ++pic) {
        if (!addressDirty_.testBit(pic))
            continue;
        const cCard& c = board_.Card(pic);
        cards_[size_t(pic)]->SetLoc(c.Cell, c.Pile, c.Pos);
    }
    addressDirty_.fill(false);
}

} // namespace solvane
