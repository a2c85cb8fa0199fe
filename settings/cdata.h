#pragma once
// The program's one store of settings and shared state: the stored settings with their
// defaults, the players, the recent games, the data folder, the list of playable games and
// the state of the game in progress.
#include "cgameno.h"

#include <QDateTime>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QSettings>

namespace solvane {

class iHelpViewer;
class iSoundPlayer;

constexpr int kMaxPlayers = 20;
constexpr int kRecentGames = 5;
constexpr int kCurrentPlayerKey = 100;
constexpr int kDefaultRangeIndex = 15;
constexpr int kDefaultBackground = 1007;
constexpr int kDefaultDeck = 531;
constexpr int32_t kDefaultCustomColor = 128; // RGB(128, 0, 0), red in the low byte

// A stored 16-bit setting of section "Data": its getter and setter under its key's name.
#define SOLVANE_SETTING(Name, Default)                                 \
    int Name() const { return ReadSetting(#Name, Default); }            \
    void Set##Name(int v) { WriteSetting(#Name, v); }

class cData {
public:
    // The store defaults to the user's settings ("Solvane") and data folder; tests pass
    // their own settings object and folder.
    explicit cData(std::unique_ptr<QSettings> store = {}, const QString& dataDir = {});
    ~cData();
    cData(const cData&) = delete;
    cData& operator=(const cData&) = delete;

    void InitCD(const QString& prodName, int games, const QString& helpFile);
    QString ProdName() const { return prodName_; }
    QString HelpFile() const { return helpFile_; }
    // The data folder, ending with a separator.
    QString AppDir() const { return appDir_; }
    // Creates the data folder when it does not exist; false when that failed.
    bool EnsureAppDir() const;
    // Writes the changed settings out now; the reason when they cannot be saved (the
    // changes still hold for this run).
    std::optional<QString> Save();

    SOLVANE_SETTING(Autoplay, 1)
    SOLVANE_SETTING(ShowToolbar, 1)
    SOLVANE_SETTING(ShowTime, 1)
    SOLVANE_SETTING(ShowScore, 1)
    SOLVANE_SETTING(ShowMoves, 1)
    SOLVANE_SETTING(ShowWinnable, 1)
    // A double-click sends a card to a foundation (or a free cell).
    SOLVANE_SETTING(DoubleClickMove, 1)
    // Closing Solvane keeps an unfinished game for the next start instead of recording it.
    SOLVANE_SETTING(KeepGame, 0)
    SOLVANE_SETTING(CardSpeed, 5)
    SOLVANE_SETTING(UndoSpeed, 5)
    SOLVANE_SETTING(UndoallSpeed, 2)
    SOLVANE_SETTING(ReplaySpeed, 7)
    SOLVANE_SETTING(SoundStart, -1)
    SOLVANE_SETTING(SoundCardDown, 0)
    SOLVANE_SETTING(SoundCardUp, 0)
    SOLVANE_SETTING(SoundUndo, -1)
    SOLVANE_SETTING(SoundRedo, -1)
    SOLVANE_SETTING(SoundAutoPlay, -1)
    SOLVANE_SETTING(SoundWin, -1)
    SOLVANE_SETTING(BGIndex, kDefaultBackground)
    SOLVANE_SETTING(DeckIndex, kDefaultDeck)
    SOLVANE_SETTING(Fade, 1)

    // 1..15; anything else stored reads as 15.
    int RangeIndex() const;
    void SetRangeIndex(int v) { WriteSetting("RangeIndex", v); }
    int32_t CustomColor() const;
    void SetCustomColor(int32_t v);
    QString LastGName() const;
    void SetLastGName(const QString& name);

    // The list of playable games, ids 1..TotalGames.
    int TotalGames() const { return static_cast<int>(games_.size()); }
    void SetTotalGames(int n);
    void SetGame(int id, const QString& name);
    QString GetGName(int id) const;
    int GetGameID(const QString& name) const;

    // Players: slots 1..20 and the current player's name.
    QString CurPlayer() const;
    void SetCurPlayer(const QString& name);
    int TotalPlayers() const;
    QString GetPlayer(int slot) const;
    void SetPlayer(int slot, const QString& name, bool makeCurrent);

    // Where the main window stood when it was last closed (section "Window"): its normal
    // geometry, if one was stored whole, and whether it was maximised.
    std::optional<QRect> WindowRect() const;
    bool WindowMaximized() const;
    void SetWindowPlacement(const QRect& normal, bool maximized);

    // Recently played games, 1 = most recent.
    QString GetRecent(int pos) const;
    void SetRecent(const QString& name);
    int RecentCount() const;
    void ClearRecent();

    // The game in progress (kept in memory only).
    QString CurGName() const { return curGName_; }
    void SetCurGName(const QString& name); // also becomes LastGName
    const cGameNo& CurGNo() const { return curGNo_; }
    void SetCurGNo(const cGameNo& no) { curGNo_ = no; }
    int32_t CurTime() const { return curTime_; }
    void SetCurTime(int32_t s) { curTime_ = s; }
    int16_t CurMoves() const { return curMoves_; }
    void SetCurMoves(int16_t m) { curMoves_ = m; }
    int16_t CurScore() const { return curScore_; }
    void SetCurScore(int16_t s) { curScore_ = s; }
    bool GameRunning() const { return gameRunning_; }
    void SetGameRunning(bool r) { gameRunning_ = r; }
    QDateTime SesStartTime() const { return sesStartTime_; }
    void SetSesStartTime(const QDateTime& t) { sesStartTime_ = t; }
    QDateTime GameStartTime() const { return gameStartTime_; }
    void SetGameStartTime(const QDateTime& t) { gameStartTime_ = t; }

    // Sounds: plays the sound of a kind ("Start", "CardDown", "CardUp", "AutoPlay", "Undo",
    // "Redo", "Win") when its switch is on.
    void SetSoundPlayer(iSoundPlayer* player) { soundPlayer_ = player; }
    void PlaySound(const QString& kind) const;
    // Help: the rules page of a game (context = its game id, 0 when unlisted), or contents.
    void SetHelpViewer(iHelpViewer* viewer) { helpViewer_ = viewer; }
    void ShowRules(const QString& gameName) const;
    void ShowContents() const;

private:
    int ReadSetting(const char* key, int def) const;
    void WriteSetting(const char* key, int value);
    QString Read(const QString& section, const QString& key) const;
    void Write(const QString& section, const QString& key, const QString& value);
    static QString DefaultAppDir();
    // Replaces the store by a fresh one over the same file with the same values.
    void Renew();

    std::unique_ptr<QSettings> store_;
    QString appDir_;
    QString prodName_ = QStringLiteral("Solvane");
    QString helpFile_;
    std::vector<QString> games_;
    QString curGName_;
    cGameNo curGNo_;
    int32_t curTime_ = 0;
    int16_t curMoves_ = 0;
    int16_t curScore_ = 0;
    bool gameRunning_ = false;
    QDateTime sesStartTime_;
    QDateTime gameStartTime_;
    iSoundPlayer* soundPlayer_ = nullptr;
    iHelpViewer* helpViewer_ = nullptr;
};

#undef SOLVANE_SETTING

} // namespace solvane
