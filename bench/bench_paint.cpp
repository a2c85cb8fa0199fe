// How long one frame of the table takes to paint: the whole surface with a dealt game of
// 52 cards, at 1 pixel per logical pixel, offscreen. Dragging repaints at most this much.
#include "cboardset.h"
#include "cpictures.h"
#include "ctableview.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWindow>

#include <chrono>
#include <cstdio>

using namespace solvane;

namespace {
constexpr int kFrames = 400;
constexpr double kTargetMs = 4.0;

template <class F> double MsPerFrame(F&& frame)
{
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kFrames; ++i)
        frame(i);
    const auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(t1 - t0).count() / kFrames;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    cBoardSet set;
    cPictures pictures;
    cTableView view(set.Board(), pictures);
    set.Board().SetObserver(&view);
    view.resize(view.sizeHint());
    view.show();
    while (!view.windowHandle() || !view.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    set.NewDeal(*StandardRules("Freecell"), 1);
    view.FinishAnimations();
    view.viewport()->repaint(); // pictures are painted and cached on first use

    const double whole = MsPerFrame([&](int) { view.viewport()->repaint(); });
    // The same paint into an image, as a check that the frames above did paint.
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    const double rendered = MsPerFrame([&](int) {
        QPainter p(&image);
        view.render(&p);
    });
    // A drag: the top card of a pile follows the pointer and the table repaints.
    const int pic = set.Board().GetTopPicID(kTableau, 0);
    const double left = set.Board().CardLeft(pic), top = set.Board().CardTop(pic);
    const double drag = MsPerFrame([&](int i) {
        view.CardPositioned(pic, left + (i % 100) * 30, top + (i % 50) * 30);
        view.viewport()->repaint();
    });
    std::printf("whole table, 52 cards, 1x: %.3f ms per frame (target < %.1f ms)\n", whole, kTargetMs);
    std::printf("the same rendered into an image: %.3f ms per frame\n", rendered);
    std::printf("dragging one card, whole table repainted: %.3f ms per frame\n", drag);
    return whole < kTargetMs ? 0 : 1;
}
