#pragma once
// The main window: menus, toolbar, status items and the table. It wires the parts of the
// program together and holds no rules of its own.
#include "cgameno.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class QMenu;
class QToolBar;

namespace solvane {

class cAdvisor;
class cKeyPlay;
class cPointerPlay;
class cSelection;
class cServices;
class cSolveService;
class cTableView;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Windows of the program that the menus open, by their names.
    using Opener = std::function<void(QWidget* owner)>;

    explicit frmMain(cServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Makes a menu entry reach its window; entries without one stay disabled.
    void SetOpener(const QString& window, Opener opener);
    bool HasOpener(const QString& window) const { return openers_.count(window) != 0; }
    void Open(const QString& window) { Open(window, this); }
    void Open(const QString& window, QWidget* owner);

    // Starts a game by name and number; a refusal is shown as a message.
    // A player given plays it; the game being left stays recorded under its own player.
    bool Start(const QString& name, const cGameNo& number, const QString& player = QString());
    // Starts the last game played with a fresh number.
    void NewGame();

    cTableView* Table() const { return PicMain; }
    cSolveService& Solver() const { return *solver_; }
    cAdvisor& Advisor() const { return *advisor_; }
    cSelection& Selection() const { return *selection_; }
    cKeyPlay& Keys() const { return *keys_; }
    cPointerPlay& Pointer() const { return *pointer_; }
    cServices& Services() { return services_; }

    // Menu items, indexed from 1 as the menus number them (separators take an index).
    std::vector<QAction*> mFile, mGame, mReplay, mFav, mStat, mTools, mHelp, mRecent;
    std::vector<QAction*> mtemp;
    QAction* mScore = nullptr;
    QAction* mTime = nullptr;
    QAction* mMoves = nullptr;
    QAction* mWinnable = nullptr;
    // Toolbar buttons 1..18 (separators included).
    QToolBar* Toolbar1 = nullptr;
    std::vector<QAction*> Buttons;
    QTimer tmrMain;
    QTimer tmrTime;

    // The timers' work, callable directly.
    void RefreshState();
    void StatusTick();
    void FillRecent();
    void Layout();

signals:
    // The finish dialog is about to open for a won game.
    void FinishDue();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Load();
    // Opens where the window stood last, or at a size that fits the screen.
    void PlaceWindow();
    int MinimumWidth();
    void SavePlacement();
    void BuildMenus();
    void BuildToolbar();
    QMenu* AddMenu(const QString& title, const char* name, std::vector<QAction*>& items,
                   const std::vector<std::pair<QString, QString>>& entries);
    void ConnectMenus();
    void ConnectTable();
    void AddButton(const QString& key, const QString& text, QAction* actsAs);
    void SetWindowItemsAvailable();
    void OnGameWon();
    // Ends the running game as not won (or won, when its last card is up) and says when
    // it could not be recorded.
    void CloseGame();
    // Keeps the running game for the next start (switch "KeepGame"); a game that cannot be
    // kept is recorded as lost.
    void KeepOrEnd();
    void Report(const std::optional<QString>& problem);
    void OpenFinish();

    void Undo();
    void Redo();
    void UndoAll();
    void RedoAll();
    void ToggleAutoplay();
    void ToggleToolbar();
    void AddToFavorites();
    void ShowRules();
    void PressCard(int pic, float x, float y);
    void ConnectPlay();

    cServices& services_;
    void StopComputerPlay(QAction* trigger);

    cTableView* PicMain = nullptr;
    cSolveService* solver_ = nullptr;
    cAdvisor* advisor_ = nullptr;
    cSelection* selection_ = nullptr;
    cPointerPlay* pointer_ = nullptr;
    cKeyPlay* keys_ = nullptr;
    std::map<QString, Opener> openers_;
    std::map<QAction*, QString> windowOf_;
    bool finishOpen_ = false;
};

} // namespace solvane
