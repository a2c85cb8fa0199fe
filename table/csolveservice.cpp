#include "csolveservice.h"

#include "cboardcopy.h"
#include "cboardset.h"
#include "cdata.h"
#include "clifecycle.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent>

namespace solvane {

namespace {
uint64_t Mix(uint64_t h, uint64_t v) { return (h ^ v) * 0x100000001B3ULL; }
} // namespace

cSolveService::cSolveService(cData& data, cBoardSet& boards, cLifecycle& lifecycle, QObject* parent)
    : QObject(parent), data_(data), boards_(boards), lifecycle_(lifecycle)
{
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &cSolveService::Refresh);
    poll_.start();
}

cSolveService::~cSolveService() { CancelAll(); }

void cSolveService::CancelAll()
{
    if (cancel_)
        cancel_->store(true);
    // The workers hold copies of everything they read; wait for them to notice.
    QThreadPool::globalInstance()->waitForDone();
}

uint64_t cSolveService::Key() const
{
    const cArray& a = boards_.Board();
    uint64_t h = 0xCBF29CE484222325ULL;
    for (int pic = 0; pic < kDeckCards; ++pic) {
        const cCard& c = a.Card(pic);
        h = Mix(h, uint64_t(c.Cell) | uint64_t(c.Pile) << 8 | uint64_t(c.Pos) << 16 |
                       uint64_t(c.FaceMode) << 32 | uint64_t(c.Num + 13 * c.Suit) << 40);
    }
    h = Mix(h, uint64_t(a.BaseRank()));
    h = Mix(h, uint64_t(lifecycle_.GameSerial()));
    h = Mix(h, uint64_t(data_.Autoplay() != 0));
    return h;
}

bool cSolveService::Thinking() const { return searching_ && searchKey_ == Key(); }

QString cSolveService::StatusText() const
{
    if (!data_.GameRunning())
        return {};
    if (HasAnswer()) {
        switch (answer_.verdict) {
        case Verdict::Winnable: return QStringLiteral("Winnable");
        case Verdict::NotWinnable: return QStringLiteral("Not winnable");
        case Verdict::Unknown: return {};
        }
    }
    return QStringLiteral("Thinking…");
}

void cSolveService::Refresh()
{
    if (!data_.GameRunning())
        return;
    const uint64_t key = Key();
    if (key == searchKey_ && (searching_ || answerKey_ == key))
        return;
    Start(key);
}

void cSolveService::Start(uint64_t key)
{
    if (cancel_)
        cancel_->store(true);
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    searchKey_ = key;
    searching_ = true;
    auto copy = std::make_shared<cBoardCopy>(boards_.Board());
    const GameRules rules = lifecycle_.Rules();
    const bool autoplay = data_.Autoplay() != 0;
    auto cancel = cancel_;
    auto* watcher = new QFutureWatcher<SolveResult>(this);
    connect(watcher, &QFutureWatcher<SolveResult>::finished, this, [this, watcher, key] {
        --running_;
        Receive(key, watcher->result());
        watcher->deleteLater();
    });
    ++running_;
    watcher->setFuture(QtConcurrent::run([copy, rules, autoplay, cancel] {
        SolveLimits limits;
        limits.seconds = kSearchSeconds;
        limits.cancel = cancel.get();
        return Solve(rules, copy->Board(), autoplay, limits);
    }));
}

void cSolveService::Receive(uint64_t key, const SolveResult& result)
{
    if (key != searchKey_)
        return; // an older position's answer
    searching_ = false;
    hasAnswer_ = true;
    answerKey_ = key;
    answer_ = result;
    emit Answered();
}

} // namespace solvane
