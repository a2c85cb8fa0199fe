#pragma once
// Paints the table's pictures for a new size away from the window's thread, so that a
// resize never waits for them: the table shows the pictures it has, scaled, until the
// sharp ones are ready. A newer request makes an older one's answer moot.
#include "cpictures.h"

#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QThreadPool>

#include <vector>

namespace solvane {

class cPictureFeed : public QObject {
    Q_OBJECT
public:
    struct Want {
        cPictures::Kind kind;
        int id;
    };
    struct Painted {
        cPictures::Kind kind;
        int id;
        QImage image;
    };

    explicit cPictureFeed(cPictures& pictures, QObject* parent = nullptr);
    ~cPictureFeed() override;

    // Paints the pictures not yet kept at this ratio; Ready follows once they are kept
    // (at once when all are).
    void Request(const std::vector<Want>& wants, qreal ratio);
    // A batch is being painted, or painted and not kept yet.
    bool Busy() const { return adopted_ != batch_; }
    // Waits for the pictures being painted and keeps them (tests, benchmarks).
    void WaitForReady();

signals:
    void Ready(qreal ratio);

private:
    void Start(const QList<Want>& wants, qreal ratio);
    // Keeps what the finished batch painted; then runs the newest request, if any.
    void Adopt();

    cPictures& pictures_;
    // Painters of their own, below the window's priority, leaving it a core of its own.
    QThreadPool pool_;
    QFutureWatcher<Painted> watcher_;
    QList<Want> pending_;
    qreal ratio_ = 0;  // of the batch under way
    qreal wanted_ = 0; // of the newest request
    int batch_ = 0;
    int adopted_ = 0;
};

} // namespace solvane
