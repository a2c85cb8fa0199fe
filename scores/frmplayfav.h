#pragma once
// "Play from Favorites": deals a remembered game. The game is started by the caller's
// starter, which records a running game as lost first and reports a refusal itself.
#include "cgameno.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class frmPlayFav;
}

namespace solvane {

class cData;
class cScore;
class iPrompt;

class frmPlayFav : public QDialog {
    Q_OBJECT
public:
    using Starter = std::function<void(const QString& name, const cGameNo& number)>;

    frmPlayFav(cData& data, cScore& score, iPrompt& prompt, Starter start, QWidget* parent = nullptr);
    ~frmPlayFav() override;

    // Lists the favourites of that game, the last one selected.
    void UpdateLVFav(const QString& name);

private:
    void Play();

    std::unique_ptr<Ui::frmPlayFav> ui;
    cScore& score_;
    Starter start_;
};

} // namespace solvane
