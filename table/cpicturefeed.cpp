#include "cpicturefeed.h"

#include <QtConcurrent/QtConcurrentMap>

#include <QThread>

#include <algorithm>
#include <utility>

namespace solvane {

cPictureFeed::cPictureFeed(cPictures& pictures, QObject* parent) : QObject(parent), pictures_(pictures)
{
    pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
    pool_.setThreadPriority(QThread::LowPriority);
    connect(&watcher_, &QFutureWatcher<Painted>::finished, this, &cPictureFeed::Adopt);
}

cPictureFeed::~cPictureFeed()
{
    watcher_.cancel();
    watcher_.waitForFinished();
}

void cPictureFeed::Request(const std::vector<Want>& wants, qreal ratio)
{
    wanted_ = ratio;
    QList<Want> missing;
    for (const Want& w : wants)
        if (!pictures_.Has(w.kind, w.id, ratio))
            missing << w;
    if (missing.isEmpty()) {
        emit Ready(ratio);
        return;
    }
    // A batch under way is left to finish; its pictures are kept, and the newest request
    // runs once it is done.
    if (Busy()) {
        pending_ = missing;
        return;
    }
    Start(missing, ratio);
}

void cPictureFeed::Start(const QList<Want>& wants, qreal ratio)
{
    ratio_ = ratio;
    ++batch_;
    watcher_.setFuture(QtConcurrent::mapped(&pool_, wants, [ratio](const Want& w) {
        return Painted{w.kind, w.id, cPictures::Render(w.kind, w.id, ratio)};
    }));
}

void cPictureFeed::Adopt()
{
    if (adopted_ == batch_)
        return;
    adopted_ = batch_;
    if (!watcher_.isCanceled())
        for (const Painted& p : watcher_.future().results())
            pictures_.Adopt(p.kind, p.id, ratio_, p.image);
    if (!pending_.isEmpty()) {
        const QList<Want> next = std::exchange(pending_, {});
        Start(next, wanted_);
        return;
    }
    if (ratio_ == wanted_)
        emit Ready(ratio_);
}

void cPictureFeed::WaitForReady()
{
    // Until the newest batch is kept: a batch may have finished painting before the watcher
    // has said so, and then it is not kept yet.
    while (Busy()) {
        watcher_.future().waitForFinished();
        Adopt();
    }
}

} // namespace solvane
