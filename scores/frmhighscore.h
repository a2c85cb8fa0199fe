#pragma once
// "High Score": the top 20 of all recorded games, of one game, of one player, and of the
// won games by score, fewest moves or least time.
#include <QDialog>

#include <memory>

class QTreeWidget;

namespace Ui {
class frmHighScore;
}

namespace solvane {

class cData;
class cScore;

class frmHighScore : public QDialog {
    Q_OBJECT
public:
    frmHighScore(cData& data, cScore& score, QWidget* parent = nullptr);
    ~frmHighScore() override;

    // The choices of the Finished Games tab, in their order.
    enum class FinKey { Score, Moves, Time };

    void FillTop();
    void FillGame(const QString& name);
    void FillPlayer(const QString& name);
    void FillFinished(FinKey key);

    void done(int result) override;

private:
    std::unique_ptr<Ui::frmHighScore> ui;
    cData& data_;
    cScore& score_;
};

} // namespace solvane
