#pragma once
// "Organize Favorites": the remembered deals by game, and clearing all of them.
#include <QDialog>
#include <QTimer>

#include <memory>

namespace Ui {
class frmOrgFav;
}

namespace solvane {

class cData;
class cScore;
class iPrompt;

class frmOrgFav : public QDialog {
    Q_OBJECT
public:
    frmOrgFav(cData& data, cScore& score, iPrompt& prompt, QWidget* parent = nullptr);
    ~frmOrgFav() override;

    static constexpr int kTickMs = 500;

    // Lists the favourites of that game in the order they were added.
    void UpdateLVFav(const QString& name);
    // The timer's work: "Clear Favorites" only while there is something to clear.
    void Tick();

private:
    void Clear();

    std::unique_ptr<Ui::frmOrgFav> ui;
    cData& data_;
    cScore& score_;
    iPrompt& prompt_;
    QTimer Timer1;
};

} // namespace solvane
