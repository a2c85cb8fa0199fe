#pragma once
// Keeps an answer to "can the game still be won from here?" for the position on the table:
// each new position is searched in a worker thread, the search of an older one cancelled.
#include "msolver.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <memory>

namespace solvane {

class cBoardSet;
class cData;
class cLifecycle;

class cSolveService : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 50;
    static constexpr double kSearchSeconds = 10;

    cSolveService(cData& data, cBoardSet& boards, cLifecycle& lifecycle, QObject* parent = nullptr);
    ~cSolveService() override;

    // Identifies the position: the cards' places and faces, the game and the autoplay switch.
    uint64_t Key() const;
    // Starts a search when the position changed since the last one.
    void Refresh();
    // An answer for the position now on the table.
    bool HasAnswer() const { return answerKey_ == Key() && hasAnswer_; }
    const SolveResult& Answer() const { return answer_; }
    bool Thinking() const;
    // "Winnable", "Not winnable", "Thinking…", or nothing (no game, or no answer in time).
    QString StatusText() const;
    // Stops every search; used when the program ends.
    void CancelAll();

signals:
    // An answer for the present position has arrived.
    void Answered();

private:
    void Start(uint64_t key);
    void Receive(uint64_t key, const SolveResult& result);

    cData& data_;
    cBoardSet& boards_;
    cLifecycle& lifecycle_;
    QTimer poll_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    uint64_t searchKey_ = 0;
    uint64_t answerKey_ = 0;
    bool searching_ = false;
    bool hasAnswer_ = false;
    SolveResult answer_;
    int running_ = 0;
};

} // namespace solvane
