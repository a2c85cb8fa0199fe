#include "frmmain.h"

#include "cadvisor.h"
#include "ckeyplay.h"
#include "cpointerplay.h"
#include "cselection.h"
#include "cservices.h"
#include "csolveservice.h"
#include "ctableview.h"
#include "iprompt.h"
#include "mautoplay.h"
#include "mplacetext.h"
#include "martmetrics.h"
#include "mtablearea.h"
#include "mtoolicons.h"
#include "mwindowplace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QToolBar>

namespace solvane {

namespace {
constexpr int kStateRefreshMs = 100;
constexpr int kStatusTickMs = 500;
constexpr int kMinimumHeight = 420;
constexpr int kStatusItems = 4;
const QString kSeparator = QStringLiteral("-");

using Entries = std::vector<std::pair<QString, QString>>; // caption, shortcut
const Entries kFileMenu = {
    {"&New Game", "F2"}, {"&Select Game", "F3"}, {kSeparator, {}}, {"&Restart Game", "Ctrl+F2"},
    {"&Close Game", "F12"}, {kSeparator, {}}, {"Select a Number", "Ctrl+F12"}, {kSeparator, {}},
    {"Recent Games", {}}, {kSeparator, {}}, {"E&xit", {}}};
const Entries kGameMenu = {
    {"&Undo", "Ctrl+Z"}, {"&Redo", "Ctrl+X"}, {kSeparator, {}}, {"Autoplay", "F7"},
    {kSeparator, {}}, {"U&ndo All", "Ctrl+C"}, {"R&edo All", "Ctrl+V"}, {kSeparator, {}},
    {"View Toolbar", {}}, {kSeparator, {}}, {"&Hint", "H"}, {"S&olve", "Ctrl+Shift+S"}};
const Entries kReplayMenu = {{"&Forward", "Shift+F1"}, {"&Back", "Shift+F2"}, {kSeparator, {}},
                             {"Replay &All", {}}, {kSeparator, {}}, {"Sto&p", {}}};
const Entries kFavMenu = {{"&Add to Favorites", "Ctrl+A"}, {"&Organize Favorites", "Ctrl+F"},
                          {kSeparator, {}}, {"&Play from Favorites", "Ctrl+P"}};
const Entries kStatMenu = {{"&Game Statistics", "F4"}, {"&Session Statistics", {}},
                           {kSeparator, {}}, {"&High Scores", "F9"}, {kSeparator, {}},
                           {"&Log Statistics", {}}};
const Entries kToolsMenu = {{"Customize", "Ctrl+U"}, {kSeparator, {}}, {"&Players", "Ctrl+L"},
                            {kSeparator, {}}, {"&History", "Ctrl+H"}, {kSeparator, {}},
                            {"&Game Wizard", "Ctrl+G"}};
const Entries kHelpMenu = {{"Rules", "F1"}, {"Contents", {}}, {kSeparator, {}}, {"About", {}}};
} // namespace

frmMain::frmMain(cServices& services, QWidget* parent) : QMainWindow(parent), services_(services)
{
    setObjectName(QStringLiteral("frmMain"));
    PicMain = new cTableView(services_.Board(), services_.Pictures(), this);
    PicMain->setObjectName(QStringLiteral("PicMain"));
    setCentralWidget(PicMain);
    // Keys go to the table: play's keys, whatever had the focus before.
    setFocusProxy(PicMain);
    PicMain->setFocus();
    PicMain->FitTo(GameArea(services_.Boards().Games()));
    services_.Board().SetObserver(PicMain);
    solver_ = new cSolveService(services_.Data(), services_.Boards(), services_.Lifecycle(), this);
    advisor_ = new cAdvisor(services_.Data(), services_.Boards(), services_.Lifecycle(), *solver_,
                            *PicMain, services_.Prompt(), this);
    selection_ = new cSelection(services_.Data(), services_.Board(), this);
    pointer_ = new cPointerPlay(services_.Data(), services_.Board(), services_.MousePlay(), *selection_, this);
    keys_ = new cKeyPlay(services_.Data(), services_.Board(), *selection_, this);
    BuildMenus();
    BuildToolbar();
    ConnectMenus();
    ConnectTable();
    Load();

    tmrMain.setInterval(kStateRefreshMs);
    tmrTime.setInterval(kStatusTickMs);
    connect(&tmrMain, &QTimer::timeout, this, &frmMain::RefreshState);
    connect(&tmrTime, &QTimer::timeout, this, &frmMain::StatusTick);
    tmrMain.start();
    tmrTime.start();
    RefreshState();
}

frmMain::~frmMain()
{
    services_.Board().SetObserver(nullptr);
}

void frmMain::Load()
{
    cData& d = services_.Data();
    d.EnsureAppDir();
    services_.Custom().Init();
    d.SetSesStartTime(QDateTime::currentDateTime());
    PicMain->ApplyDeckBack(d.DeckIndex());
    FillRecent();
    Layout();
    PicMain->SetBackground(d.BGIndex(), d.Fade(), d.CustomColor());
    PlaceWindow();
    if (d.TotalPlayers() == 0) {
        d.SetPlayer(1, QStringLiteral("Player1"), true);
        // Shown once the window is up, so that the message has its owner.
        if (auto why = d.Save())
            QTimer::singleShot(0, this, [this, why] { Report(why); });
    }
    setWindowTitle(d.ProdName());
    mHelp[4]->setText(QStringLiteral("About ") + d.ProdName() + QStringLiteral("..."));
}

void frmMain::PlaceWindow()
{
    const cData& d = services_.Data();
    // Small enough to keep the status items on the menu bar and the cards legible.
    setMinimumSize(MinimumWidth(), kMinimumHeight);
    // Where the window stood last, as long as that is still on a screen; otherwise the
    // table's described size, made smaller where the screen is.
    if (const auto last = d.WindowRect(); last && FitsAScreen(*last)) {
        setGeometry(*last);
        if (d.WindowMaximized())
            setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    const QSize described(kTablePixelWidth, kTablePixelHeight + menuBar()->sizeHint().height() +
                                                Toolbar1->sizeHint().height());
    if (const QScreen* s = screen())
        setGeometry(PlaceCentred(described, minimumSize(), s->availableGeometry()));
}

int frmMain::MinimumWidth()
{
    // The menu bar as wide as it needs to be with the status items at their longest.
    const std::pair<QAction*, const char*> longest[] = {
        {mScore, "Score :-32768"}, {mTime, "Time :10:00:00"}, {mMoves, "Moves :1000"}, {mWinnable, "Not winnable"}};
    QStringList before;
    for (const auto& [item, text] : longest) {
        before << item->text();
        item->setText(QLatin1String(text));
    }
    const int width = menuBar()->sizeHint().width();
    for (int i = 0; i < int(std::size(longest)); ++i)
        longest[i].first->setText(before[i]);
    return width;
}

void frmMain::SavePlacement()
{
    cData& d = services_.Data();
    d.SetWindowPlacement(normalGeometry(), isMaximized());
}

QMenu* frmMain::AddMenu(const QString& title, const char* name, std::vector<QAction*>& items,
                        const Entries& entries)
{
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    items.assign(1, nullptr);
    for (const auto& [caption, shortcut] : entries) {
        QAction* a = caption == kSeparator ? menu->addSeparator() : menu->addAction(caption);
        if (!shortcut.isEmpty())
            a->setShortcut(QKeySequence(shortcut));
        a->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(items.size()));
        items.push_back(a);
    }
    return menu;
}

void frmMain::BuildMenus()
{
    AddMenu(QStringLiteral("&File"), "mFile", mFile, kFileMenu);
    QMenu* recent = new QMenu(this);
    recent->setObjectName(QStringLiteral("mRecent"));
    mRecent.assign(1, nullptr);
    for (int k = 1; k <= kRecentGames; ++k) {
        QAction* a = recent->addAction(QString());
        a->setObjectName(QStringLiteral("mRecent_%1").arg(k));
        a->setVisible(k == 1);
        mRecent.push_back(a);
    }
    mFile[9]->setMenu(recent);
    AddMenu(QStringLiteral("&Game"), "mGame", mGame, kGameMenu);
    mGame[4]->setCheckable(true);
    mGame[9]->setCheckable(true);
    AddMenu(QStringLiteral("&Replay"), "mReplay", mReplay, kReplayMenu);
    mReplay[6]->setEnabled(false);
    AddMenu(QStringLiteral("Favorites"), "mFav", mFav, kFavMenu);
    AddMenu(QStringLiteral("Statistics"), "mStat", mStat, kStatMenu);
    AddMenu(QStringLiteral("&Tools"), "mTools", mTools, kToolsMenu);
    AddMenu(QStringLiteral("&Help"), "mHelp", mHelp, kHelpMenu);
    // "Rules" never shows in the menu. A hidden action is a disabled one, so its key is
    // served by a shortcut of the window.
    mHelp[1]->setVisible(false);
    auto* rulesKey = new QShortcut(mHelp[1]->shortcut(), this);
    rulesKey->setObjectName(QStringLiteral("RulesKey"));
    connect(rulesKey, &QShortcut::activated, mHelp[1], &QAction::trigger);

    // The status display lives on the menu bar itself, after three spacers.
    mtemp.assign(1, nullptr);
    for (int i = 1; i <= 3; ++i) {
        mtemp.push_back(menuBar()->addAction(QString()));
        mtemp.back()->setObjectName(QStringLiteral("mtemp_%1").arg(i));
    }
    QAction** status[kStatusItems] = {&mScore, &mTime, &mMoves, &mWinnable};
    const char* names[kStatusItems] = {"mScore", "mTime", "mMoves", "mWinnable"};
    for (int i = 0; i < kStatusItems; ++i) {
        *status[i] = menuBar()->addAction(QString());
        (*status[i])->setObjectName(QLatin1String(names[i]));
    }
}

void frmMain::AddButton(const QString& key, const QString& text, QAction* actsAs)
{
    if (key.isEmpty()) {
        Buttons.push_back(Toolbar1->addSeparator());
        return;
    }
    QAction* b = Toolbar1->addAction(ToolIcon(key), text);
    b->setObjectName(QStringLiteral("Button_") + key);
    b->setToolTip(text);
    b->setData(key);
    connect(b, &QAction::triggered, actsAs, &QAction::trigger);
    Buttons.push_back(b);
}

void frmMain::BuildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(24, 24));
    Toolbar1->toggleViewAction()->setEnabled(false);
    Buttons.assign(1, nullptr);
    AddButton(QStringLiteral("New"), QStringLiteral("New Game"), mFile[1]);
    AddButton(QStringLiteral("Select"), QStringLiteral("Select Game"), mFile[2]);
    AddButton(QStringLiteral("Restart"), QStringLiteral("Restart Game"), mFile[4]);
    AddButton({}, {}, nullptr);
    AddButton(QStringLiteral("Autoplay"), QStringLiteral("Autoplay"), mGame[4]);
    AddButton({}, {}, nullptr);
    AddButton(QStringLiteral("Undo"), QStringLiteral("Undo"), mGame[1]);
    AddButton(QStringLiteral("Redo"), QStringLiteral("Redo"), mGame[2]);
    AddButton({}, {}, nullptr);
    AddButton(QStringLiteral("Back"), QStringLiteral("Replay Back"), mReplay[2]);
    AddButton(QStringLiteral("ReplayStop"), QStringLiteral("Replay Stop"), mReplay[6]);
    AddButton(QStringLiteral("Forward"), QStringLiteral("Replay Forward"), mReplay[1]);
    AddButton({}, {}, nullptr);
    AddButton(QStringLiteral("Statistics"), QStringLiteral("Statistics"), mStat[1]);
    AddButton({}, {}, nullptr);
    AddButton(QStringLiteral("Help"), QStringLiteral("Help"), mHelp[1]);
    AddButton(QStringLiteral("Hint"), QStringLiteral("Hint"), mGame[11]);
    AddButton(QStringLiteral("Solve"), QStringLiteral("Solve"), mGame[12]);
    Buttons[5]->setCheckable(true);
}

void frmMain::ConnectMenus()
{
    cServices& s = services_;
    auto on = [this](QAction* a, auto f) { connect(a, &QAction::triggered, this, f); };
    on(mFile[1], [this] { NewGame(); });
    on(mFile[4], [this, &s] {
        if (s.Data().GameRunning())
            Start(s.Data().CurGName(), s.Data().CurGNo());
    });
    on(mFile[5], [this] { CloseGame(); });
    on(mFile[11], [this] {
        SavePlacement();
        // Nothing is recorded; with the switch on, the game is kept for the next start.
        if (services_.Data().KeepGame() == 1)
            KeepOrEnd();
        QCoreApplication::exit(0);
    });
    for (int k = 1; k <= kRecentGames; ++k)
        on(mRecent[k], [this, k, &s] {
            const QString name = s.Data().GetRecent(k);
            if (!name.isEmpty())
                Start(name, s.Lifecycle().RandomNumber());
        });
    on(mGame[1], [this] { Undo(); });
    on(mGame[2], [this] { Redo(); });
    on(mGame[4], [this] { ToggleAutoplay(); });
    on(mGame[6], [this] { UndoAll(); });
    on(mGame[7], [this] { RedoAll(); });
    on(mGame[9], [this] { ToggleToolbar(); });
    on(mGame[11], [this] { advisor_->Hint(); });
    on(mGame[12], [this] { advisor_->Solve(); });
    // Any command of the player ends the computer's play and the hint.
    for (auto* items : {&mFile, &mGame, &mReplay, &mFav, &mStat, &mTools, &mHelp, &mRecent})
        for (QAction* a : *items)
            if (a)
                connect(a, &QAction::triggered, this, [this, a] { StopComputerPlay(a); });
    on(mReplay[1], [&s] { s.Replay().Forward(); });
    on(mReplay[2], [&s] { s.Replay().Back(); });
    on(mReplay[4], [&s] { s.Replay().ReplayAll(); });
    on(mReplay[6], [&s] { s.Replay().Stop(); });
    on(mFav[1], [this] { AddToFavorites(); });
    on(mHelp[1], [this] { ShowRules(); });
    on(mHelp[2], [&s] { s.Data().ShowContents(); });

    // Entries that open a window, by the window's name.
    const std::pair<QAction*, const char*> windows[] = {
        {mFile[2], "frmSelect"},     {mFile[7], "frmChoose"},       {mFav[2], "frmOrgFav"},
        {mFav[4], "frmPlayFav"},     {mStat[1], "frmGameStat"},     {mStat[2], "frmSesStat"},
        {mStat[4], "frmHighScore"},  {mStat[6], "frmLogStat"},      {mTools[1], "frmCustomize"},
        {mTools[3], "frmPlayers"},   {mTools[5], "frmHistory"},     {mTools[7], "frmGamesWizard"},
        {mHelp[4], "frmAbout"},
    };
    for (const auto& [action, window] : windows) {
        windowOf_[action] = QLatin1String(window);
        const QString name = QLatin1String(window);
        on(action, [this, name] { Open(name); });
    }
}

void frmMain::ConnectTable()
{
    cServices& s = services_;
    connect(PicMain, &cTableView::CardMouseDown, this, &frmMain::PressCard);
    connect(PicMain, &cTableView::CardMouseMove, pointer_, &cPointerPlay::Move);
    connect(PicMain, &cTableView::CardMouseUp, pointer_, &cPointerPlay::Release);
    ConnectPlay();
    connect(PicMain, &cTableView::SoundReached, this,
            [&s](const QString& kind) { s.Data().PlaySound(kind); });
    connect(&s.Lifecycle(), &cLifecycle::GameWon, this, &frmMain::OnGameWon);
    // Long piles lie closer where they would reach below the table shown.
    connect(PicMain, &cTableView::Fitted, this,
            [&s](const QRectF& shown) { s.Board().SetTableauBottom(int(shown.bottom()) - kBottomMargin); });
    // The table takes the scale of the new game before its deal is drawn.
    connect(&s.Lifecycle(), &cLifecycle::RulesChosen, this,
            [this, &s] { PicMain->FitTo(GameArea(s.Boards().Games())); });
    connect(&s.Lifecycle(), &cLifecycle::GameStarted, this, [this, &s] {
        s.Replay().Stop();
        setWindowTitle(s.Lifecycle().Caption());
        FillRecent();
        // The game runs, and its clock starts, once the deal is seen on the table.
        if (PicMain->IsAnimating())
            connect(PicMain, &cTableView::AnimationsDrained, &s.Lifecycle(), &cLifecycle::DealDrawn,
                    Qt::SingleShotConnection);
        else
            s.Lifecycle().DealDrawn();
    });
    connect(&s.Lifecycle(), &cLifecycle::GameEnded, this, [&s] { s.Replay().Stop(); });
}

void frmMain::StopComputerPlay(QAction* trigger)
{
    selection_->Clear(); // what is held is let go at any command
    if (trigger == mGame[12])
        return;
    advisor_->StopSolve();
    if (trigger != mGame[11])
        advisor_->EndHint();
}

void frmMain::ConnectPlay()
{
    cArray& board = services_.Board();
    connect(PicMain, &cTableView::CardDoubleClicked, this, [this](int pic) {
        advisor_->StopSolve();
        pointer_->DoubleClick(pic);
    });
    connect(PicMain, &cTableView::PlaceClicked, pointer_, &cPointerPlay::PlaceClicked);
    connect(PicMain, &cTableView::TableClicked, this, [this] {
        keys_->HideFocus();
        pointer_->TableClicked();
    });
    // Where the cards held may go: for a drag, and for cards taken by a click or a key.
    connect(pointer_, &cPointerPlay::DragStarted, this, [this, &board](int pic, int count) {
        PicMain->ShowTargets(AcceptingPiles(board, pic, count));
    });
    connect(pointer_, &cPointerPlay::DragEnded, this, [this] { PicMain->ShowTargets({}); });
    connect(selection_, &cSelection::Changed, this, [this, &board] {
        const bool held = selection_->Holding();
        PicMain->ShowHeld(held ? selection_->Pic() : -1);
        PicMain->ShowTargets(held ? AcceptingPiles(board, selection_->Pic(), selection_->Count())
                                  : std::vector<PileAddress>{});
    });
    connect(pointer_, &cPointerPlay::Refused, PicMain, &cTableView::Refuse);
    connect(keys_, &cKeyPlay::Refused, PicMain, &cTableView::Refuse);
    connect(keys_, &cKeyPlay::FocusChanged, this, [this, &board] {
        PicMain->ShowFocus(keys_->FocusShown(), keys_->Focus(), PlaceText(board, keys_->Focus()));
    });
    PicMain->SetKeyHandler([this](int key, Qt::KeyboardModifiers modifiers) {
        advisor_->StopSolve();
        // Like a press, a key meets the table as it is: cards still moving (a deal being
        // drawn) arrive first.
        if (PicMain->IsAnimating())
            PicMain->FinishAnimations();
        return keys_->Key(key, modifiers);
    });
    // A press is a click while the pointer stays within the system's drag distance.
    connect(PicMain, &cTableView::Fitted, this, [this](const QRectF& shown) {
        pointer_->SetClickSlop(QApplication::startDragDistance() * shown.width() / PicMain->viewport()->width());
    });
    // What is held is let go when the game changes under it.
    connect(&services_.Lifecycle(), &cLifecycle::GameStarted, selection_, &cSelection::Clear);
    connect(&services_.Lifecycle(), &cLifecycle::GameEnded, selection_, &cSelection::Clear);
}

void frmMain::PressCard(int pic, float x, float y)
{
    keys_->HideFocus();
    advisor_->StopSolve();
    advisor_->EndHint();
    // A press while cards still travel first lets them arrive.
    if (PicMain->IsAnimating())
        PicMain->FinishAnimations();
    pointer_->Press(pic, x, y);
}

void frmMain::SetOpener(const QString& window, Opener opener)
{
    openers_[window] = std::move(opener);
    RefreshState();
}

void frmMain::Open(const QString& window, QWidget* owner)
{
    const auto it = openers_.find(window);
    if (it != openers_.end())
        it->second(owner);
}

bool frmMain::Start(const QString& name, const cGameNo& number, const QString& player)
{
    PicMain->FinishAnimations();
    cLifecycle& life = services_.Lifecycle();
    if (auto problem = life.StartGame(name, number, player)) {
        services_.Prompt().Inform(services_.Data().ProdName(), *problem, iPrompt::Icon::Critical);
        return false;
    }
    // The new game runs all the same; the player learns that the last one was not kept.
    for (const auto& problem : {life.LeftGameProblem(), life.SettingsProblem()})
        Report(problem);
    return true;
}

void frmMain::KeepOrEnd()
{
    cLifecycle& life = services_.Lifecycle();
    PicMain->FinishAnimations(); // a deal being drawn is a game begun
    if (!services_.Data().GameRunning())
        return;
    if (life.WinPending()) // a game whose last card is up was won: recorded as such
        return Report(life.EndGame(1));
    const cKeptGame store(services_.Data().AppDir());
    if (const auto failed = store.Write(life.Kept())) {
        // Not kept: then recorded as lost, as without the switch, rather than lost.
        Report(QStringLiteral("The unfinished game cannot be kept: %1. It is recorded as lost.").arg(*failed));
        return Report(life.EndGame(0));
    }
    life.LeaveKept();
}

void frmMain::Report(const std::optional<QString>& problem)
{
    if (problem)
        services_.Prompt().Inform(services_.Data().ProdName(), *problem, iPrompt::Icon::Critical);
}

void frmMain::CloseGame()
{
    cLifecycle& life = services_.Lifecycle();
    PicMain->FinishAnimations(); // a deal being drawn is a game begun
    if (services_.Data().GameRunning())
        Report(life.EndGame(life.WinPending() ? 1 : 0));
}

void frmMain::NewGame()
{
    Start(services_.Data().LastGName(), services_.Lifecycle().RandomNumber());
}

void frmMain::Undo()
{
    if (!services_.Data().GameRunning())
        return;
    int speed = services_.Data().UndoSpeed();
    services_.Boards().Log().Undo(speed);
}

void frmMain::Redo()
{
    if (!services_.Data().GameRunning())
        return;
    int speed = services_.Data().UndoSpeed();
    services_.Boards().Log().Redo(speed);
}

void frmMain::UndoAll()
{
    if (!services_.Data().GameRunning())
        return;
    int speed = services_.Data().UndoallSpeed();
    services_.Boards().Log().UndoAll(speed);
}

void frmMain::RedoAll()
{
    if (!services_.Data().GameRunning())
        return;
    int speed = services_.Data().UndoallSpeed();
    services_.Boards().Log().RedoAll(speed);
}

void frmMain::ToggleAutoplay()
{
    cData& d = services_.Data();
    if (d.Autoplay() == 1) {
        d.SetAutoplay(0);
        return;
    }
    d.SetAutoplay(1);
    // Only a game on the table has cards to play.
    if (d.GameRunning())
        Autoplay(services_.Board());
}

void frmMain::ToggleToolbar()
{
    cData& d = services_.Data();
    d.SetShowToolbar(d.ShowToolbar() == 1 ? 0 : 1);
    Layout();
}

void frmMain::AddToFavorites()
{
    cData& d = services_.Data();
    if (!d.GameRunning())
        return;
    if (auto problem = services_.Score().AddFav(d.CurGName(), d.CurGNo())) {
        services_.Prompt().Inform(d.ProdName(), *problem, iPrompt::Icon::Critical);
        return;
    }
    services_.Prompt().Inform(d.ProdName(),
                              QStringLiteral("Game <") + d.CurGNo().Text() +
                                  QStringLiteral("> Successfully Added to Favorites Under <") +
                                  d.CurGName() + QStringLiteral("> Folder"),
                              iPrompt::Icon::Information);
}

void frmMain::ShowRules()
{
    cData& d = services_.Data();
    if (d.GameRunning())
        d.ShowRules(d.CurGName());
    else
        d.ShowContents();
}

void frmMain::OnGameWon()
{
    if (finishOpen_)
        return;
    finishOpen_ = true;
    // The dialog waits until the last card is seen to arrive, and never opens inside the
    // move that won.
    if (PicMain->IsAnimating())
        connect(PicMain, &cTableView::AnimationsDrained, this, &frmMain::OpenFinish,
                Qt::SingleShotConnection);
    else
        QTimer::singleShot(0, this, &frmMain::OpenFinish);
}

void frmMain::OpenFinish()
{
    finishOpen_ = false;
    // A new game may have been started meanwhile; that start recorded the win already.
    if (!services_.Lifecycle().WinPending())
        return;
    emit FinishDue();
    Open(QStringLiteral("frmFinish"));
}

void frmMain::FillRecent()
{
    for (int k = 1; k <= kRecentGames; ++k) {
        const QString name = services_.Data().GetRecent(k);
        if (!name.isEmpty()) {
            mRecent[k]->setText(QStringLiteral("&%1 ").arg(k) + name);
            mRecent[k]->setVisible(true);
        } else {
            mRecent[k]->setText(QString());
            mRecent[k]->setVisible(k == 1);
        }
    }
}

void frmMain::SetWindowItemsAvailable()
{
    for (const auto& [action, window] : windowOf_)
        action->setEnabled(HasOpener(window));
}

void frmMain::RefreshState()
{
    const cData& d = services_.Data();
    const cReplay& replay = services_.Replay();
    const bool running = d.GameRunning();
    SetWindowItemsAvailable();
    mGame[9]->setChecked(d.ShowToolbar() != 0);
    for (QAction* a : {mFile[4], mFile[5]})
        a->setEnabled(running);
    mFav[1]->setEnabled(running);
    mTools[5]->setEnabled(running && HasOpener(QStringLiteral("frmHistory")));
    mGame[4]->setChecked(d.Autoplay() != 0);
    mGame[4]->setEnabled(!services_.Boards().Games().DisAutoPlay());

    const cTrans& log = services_.Boards().Log();
    const bool idle = running && !replay.Running();
    const bool undo = idle && log.UndoPossible();
    const bool redo = idle && log.RedoPossible();
    for (QAction* a : {mGame[1], mGame[6], mReplay[2]})
        a->setEnabled(undo);
    for (QAction* a : {mGame[2], mGame[7], mReplay[1]})
        a->setEnabled(redo);
    mReplay[4]->setEnabled(undo || redo);
    for (QAction* a : {mGame[11], mGame[12]})
        a->setEnabled(idle);
    mWinnable->setText(running && d.ShowWinnable() == 1 ? solver_->StatusText() : QString());
    mReplay[6]->setEnabled(replay.StopEnabled());

    FillRecent();
    const std::pair<int, QAction*> follow[] = {{2, mFile[2]}, {3, mFile[4]}, {5, mGame[4]},
                                               {7, mGame[1]},  {8, mGame[2]}, {10, mReplay[2]},
                                               {11, mReplay[6]}, {12, mReplay[1]}, {14, mStat[1]},
                                               {17, mGame[11]}, {18, mGame[12]}};
    for (const auto& [button, item] : follow)
        Buttons[button]->setEnabled(item->isEnabled());
    Buttons[5]->setChecked(d.Autoplay() == 1);
}

void frmMain::StatusTick()
{
    const auto texts = services_.Lifecycle().StatusTick();
    mScore->setText(texts.Score);
    mTime->setText(texts.Time);
    mMoves->setText(texts.Moves);
}

void frmMain::Layout()
{
    // The table fits itself to the area it is given.
    Toolbar1->setVisible(services_.Data().ShowToolbar() != 0);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    advisor_->StopSolve();
    solver_->CancelAll();
    SavePlacement();
    // A game that cannot be recorded (or kept) is said; the window closes all the same.
    if (services_.Data().KeepGame() == 1)
        KeepOrEnd();
    else
        CloseGame();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
    event->accept();
}

} // namespace solvane
