#include "clistore.h"

#include "cboardset.h"
#include "ccustom.h"
#include "cdata.h"
#include "cscore.h"
#include "iprompt.h"
#include "mnames.h"

#include <QSettings>

#include <charconv>
#include <iostream>
#include <limits>
#include <regex>

namespace solvane::cli {

namespace {
constexpr int kExitFailed = 1;
// Random game numbers reach 10 to the 15th; anything above is no game number.
constexpr double kLargestGameNumber = 1e15;
const QString kFirstPlayer = QStringLiteral("Player1");

// The stores as the program sets them up at start-up: the settings of the user, the data
// folder (created when missing), the game list.
struct Stores {
    cData data;
    cBoardSet boards;
    cCustom custom{data, boards};

    Stores()
    {
        data.InitCD(QStringLiteral("Solvane"), kStandardGames, QStringLiteral("qbn.chm"));
        data.EnsureAppDir();
        custom.Init();
    }
};

// The command line asks nothing: questions are answered No, dialogs cancelled, messages
// go to standard error.
struct QuietPrompt : iPrompt {
    bool AskYesNo(const QString&, const QString&, Icon) override { return false; }
    void Inform(const QString&, const QString& text, Icon) override { std::cerr << text.toStdString() << '\n'; }
    std::optional<QString> AskSavePath(const QString&, const QString&) override { return std::nullopt; }
    std::optional<int32_t> AskColor(int32_t) override { return std::nullopt; }
};

int64_t Whole(const std::string& text, int64_t lo, int64_t hi, const char* what)
{
    int64_t v = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, v);
    if (text.empty() || ec != std::errc() || ptr != last || v < lo || v > hi)
        throw UsageError(std::string("bad ") + what + ": \"" + text + "\" (a whole number from " +
                         std::to_string(lo) + " to " + std::to_string(hi) + ")");
    return v;
}

cGameNo GameNumber(const std::string& text)
{
    static const std::regex kPlain("[0-9]{1,16}(\\.[0-9]+)?");
    double v = 0;
    if (!std::regex_match(text, kPlain) || !cGameNo::ParseNumber(QString::fromStdString(text), v) ||
        v > kLargestGameNumber)
        throw UsageError("bad game number: \"" + text + "\" (a plain decimal number up to 10^15)");
    return cGameNo(v);
}

void CheckName(const QString& name, const char* what)
{
    if (auto why = NameProblem(name))
        throw UsageError(std::string("Please Enter a Valid Name: the ") + what + " \"" + name.toStdString() +
                         "\" is refused (" + why->toStdString() + ")");
}

int FreeSlot(const cData& data)
{
    for (int slot = 1; slot <= kMaxPlayers; ++slot)
        if (data.GetPlayer(slot).isEmpty())
            return slot;
    return 0;
}

bool IsPlayer(const cData& data, const QString& name)
{
    for (int slot = 1; slot <= kMaxPlayers; ++slot)
        if (data.GetPlayer(slot) == name)
            return true;
    return false;
}
} // namespace

int RunGames(const Args& args)
{
    if (args.size() != 1)
        throw UsageError("usage: solvane-cli games");
    Stores s;
    for (int id = 1; id <= s.data.TotalGames(); ++id)
        std::cout << id << ' ' << s.data.GetGName(id).toStdString() << '\n';
    return 0;
}

int RunReport(const Args& args)
{
    if (args.size() != 1)
        throw UsageError("usage: solvane-cli report");
    Stores s;
    QuietPrompt prompt;
    cScore score(s.data, prompt);
    score.OpenAllScore();
    for (const QString& problem : score.LoadProblems())
        std::cerr << "solvane-cli: " << problem.toStdString() << '\n';
    const QByteArray text = score.ReportText().toUtf8();
    std::cout.write(text.constData(), text.size());
    return std::cout.good() ? 0 : kExitFailed;
}

int RunRecord(const Args& args)
{
    if (args.size() != 7 && args.size() != 8)
        throw UsageError("usage: solvane-cli record GAME NUMBER TIME MOVES SCORE WON [PLAYER]");
    // Everything is checked before anything is written.
    ScoreRecord r;
    r.GameName = QString::fromStdString(args[1]);
    CheckName(r.GameName, "game name");
    r.GameNo = GameNumber(args[2]);
    r.Time = static_cast<int32_t>(Whole(args[3], 0, std::numeric_limits<int32_t>::max(), "time"));
    r.Moves = static_cast<int32_t>(Whole(args[4], 0, std::numeric_limits<int16_t>::max(), "moves"));
    r.Score = static_cast<int32_t>(
        Whole(args[5], std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max(), "score"));
    r.Won = static_cast<int16_t>(Whole(args[6], kLost, kWon, "result"));

    Stores s;
    const bool fresh = s.data.TotalPlayers() == 0; // start-up then creates the first player
    QString player = fresh ? kFirstPlayer : s.data.CurPlayer();
    bool add = false;
    if (args.size() == 8) {
        player = QString::fromStdString(args[7]);
        CheckName(player, "player name");
        add = fresh ? player != kFirstPlayer : !IsPlayer(s.data, player);
        if (add && !fresh && FreeSlot(s.data) == 0)
            throw UsageError("no free player slot for \"" + args[7] + "\" (there are 20 players)");
    } else if (!fresh && !IsValidName(player)) {
        throw UsageError("there is no current player to record the game for");
    }

    // The player is registered first, and only once that is saved is the game written; a
    // game that cannot be written takes the registration back, so neither stays alone.
    int slot = 0;
    auto registerPlayer = [&](bool on) {
        if (fresh) {
            s.data.SetPlayer(1, on ? kFirstPlayer : QString(), false);
            s.data.SetCurPlayer(on ? kFirstPlayer : QString());
        }
        if (!add)
            return;
        if (on)
            slot = FreeSlot(s.data);
        s.data.SetPlayer(slot, on ? player : QString(), false);
    };
    auto failed = [](const QString& why) {
        std::cerr << "solvane-cli: " << why.toStdString() << '\n';
        return kExitFailed;
    };
    if (fresh || add) {
        registerPlayer(true);
        if (auto why = s.data.Save()) {
            registerPlayer(false);
            return failed(QStringLiteral("The game cannot be recorded: ") + *why);
        }
    }
    QuietPrompt prompt;
    cScore score(s.data, prompt);
    r.DateText = score.DateTextNow();
    if (auto why = score.AppendScore(player, r)) {
        registerPlayer(false);
        if (auto unsaved = s.data.Save())
            failed(*unsaved);
        return failed(*why);
    }
    return 0;
}

} // namespace solvane::cli
