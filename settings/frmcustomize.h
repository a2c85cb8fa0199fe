#pragma once
// "Customize": the table's looks, the status display, animation speeds, sounds and the
// game-number range. Background, fade, custom colour and card back are pending choices
// stored by OK; the sliders and sound marks are stored by OK too; the display switches,
// the range, clearing the recent list and the statistics act at once.
#include <QDialog>

#include <cstdint>
#include <memory>

namespace Ui {
class frmCustomize;
}

class QTreeWidget;
class QTreeWidgetItem;

namespace solvane {

class cData;
class cPictures;
class iScoreStore;
class iTableLook;
class iPrompt;

class frmCustomize : public QDialog {
    Q_OBJECT
public:
    // Item data of the tree nodes: the key, and the tag (a background or back choice)
    // that only choosable entries carry.
    static constexpr int kKeyRole = Qt::UserRole;
    static constexpr int kTagRole = Qt::UserRole + 1;

    // OK repaints `table` (when given) from the stored choices.
    frmCustomize(cData& data, iScoreStore& score, cPictures& pictures, iPrompt& prompt, iTableLook* table,
                 QWidget* parent = nullptr);
    ~frmCustomize() override;

    int PendingBackground() const { return bg_; }
    int PendingFade() const { return fade_; }
    int32_t PendingCustomColor() const { return customColor_; }
    int PendingDeck() const { return deck_; }

    void cmdOKClick();

private:
    void LoadGeneral();
    void LoadBackground();
    void LoadDecks();
    void LoadAnimation();
    void Connect();
    void BuildBackgroundTree();
    void BuildDeckTree();
    void ShowTileIcons(QTreeWidgetItem* group);
    // A tree node with its key, its tag when it is a choice, and its icon.
    QTreeWidgetItem* AddNode(QTreeWidget* tree, QTreeWidgetItem* parent, const QString& text,
                             const QString& key, const QIcon& icon, int tag = 0);
    static void SelectTag(QTreeWidget* tree, int tag);
    QIcon ColourIcon(int32_t color) const;
    QIcon PictureIcon(int id) const;

    void BackgroundChosen(QTreeWidgetItem* item);
    void DeckChosen(QTreeWidgetItem* item);
    void cmdCustomClick();
    void chkFadeClick();
    void cmdClearRecentClick();
    // Repaints both previews from the pending background, fade and custom colour.
    void DrawPreviews();

    std::unique_ptr<Ui::frmCustomize> ui;
    cData& data_;
    iScoreStore& score_;
    cPictures& pictures_;
    iPrompt& prompt_;
    iTableLook* table_;
    QTreeWidgetItem* customItem_ = nullptr;
    int bg_ = 0;
    int fade_ = 1;
    int32_t customColor_ = 0;
    int deck_ = 0;
};

} // namespace solvane
