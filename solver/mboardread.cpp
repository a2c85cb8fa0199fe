#include "mboardread.h"

#include "cboardset.h"
#include "mrules.h"

#include <array>
#include <cctype>
#include <sstream>

namespace solvane {

namespace {
constexpr int kRandomBase = 13;
constexpr int kPiles = 4; // foundations

struct Placement {
    int value; // suit * 13 + rank
    int cell, pile, pos;
};

std::vector<std::string> Words(const std::string& s)
{
    std::istringstream in(s);
    std::vector<std::string> w;
    for (std::string x; in >> x;)
        w.push_back(x);
    return w;
}

std::optional<int> RankOf(std::string_view t)
{
    if (t == "10")
        return 9;
    if (t.size() != 1)
        return std::nullopt;
    const std::string ranks = "A23456789TJQK";
    const auto i = ranks.find(static_cast<char>(std::toupper(static_cast<unsigned char>(t[0]))));
    if (i == std::string::npos)
        return std::nullopt;
    return static_cast<int>(i);
}

std::optional<int> SuitOf(char c)
{
    const std::string suits = "CDSH";
    const auto i = suits.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    if (i == std::string::npos)
        return std::nullopt;
    return static_cast<int>(i);
}

// "7H", "TD", "10C": the card value.
std::optional<int> CardOf(const std::string& w)
{
    if (w.size() < 2)
        return std::nullopt;
    const auto rank = RankOf(std::string_view(w).substr(0, w.size() - 1));
    const auto suit = SuitOf(w.back());
    if (!rank || !suit)
        return std::nullopt;
    return *suit * kRanks + *rank;
}

bool StartsWith(const std::string& s, const char* head)
{
    const std::string h(head);
    if (s.size() < h.size())
        return false;
    for (size_t i = 0; i < h.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != std::tolower(static_cast<unsigned char>(h[i])))
            return false;
    return true;
}

class Reader {
public:
    explicit Reader(const GameRules& rules) : rules_(rules) {}

    std::optional<std::string> Parse(const std::string& text)
    {
        std::istringstream in(text);
        int lineNo = 0;
        for (std::string line; std::getline(in, line);) {
            ++lineNo;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (Words(line).empty())
                continue;
            std::optional<std::string> why;
            if (StartsWith(line, "Foundations:"))
                why = Foundations(line.substr(12));
            else if (StartsWith(line, "Freecells:"))
                why = Cells(line.substr(10));
            else
                why = Pile(line);
            if (why)
                return "line " + std::to_string(lineNo) + ": " + *why;
        }
        return Finish();
    }

    const std::vector<Placement>& Plan() const { return plan_; }
    int BaseRank() const { return base_; }

private:
    std::optional<std::string> Use(int value)
    {
        if (used_[value])
            return "the card " + CardText(value) + " appears twice";
        used_[value] = true;
        return std::nullopt;
    }

    static std::string CardText(int value)
    {
        return {"A23456789TJQK"[value % kRanks], "CDSH"[value / kRanks]};
    }

    std::optional<std::string> Foundations(const std::string& rest)
    {
        for (const std::string& w : Words(rest)) {
            const auto dash = w.find('-');
            const auto suit = w.size() >= 3 && dash == 1 ? SuitOf(w[0]) : std::nullopt;
            if (!suit)
                return "\"" + w + "\" is not a foundation such as H-5";
            const std::string r = w.substr(2);
            if (r == "0")
                continue;
            const auto rank = RankOf(r);
            if (!rank)
                return "\"" + w + "\" is not a foundation such as H-5";
            foundationTops_.push_back({*suit, *rank});
        }
        return std::nullopt;
    }

    std::optional<std::string> Cells(const std::string& rest)
    {
        const auto w = Words(rest);
        for (size_t i = 0; i < w.size(); ++i) {
            if (w[i] == "-")
                continue;
            if (static_cast<int>(i) >= rules_.rPiles)
                return "the game has " + std::to_string(rules_.rPiles) + " free cells";
            const auto card = CardOf(w[i]);
            if (!card)
                return "\"" + w[i] + "\" is not a card";
            if (auto why = Use(*card))
                return why;
            cells_.push_back({*card, kReserve, static_cast<int>(i), 0});
        }
        return std::nullopt;
    }

    std::optional<std::string> Pile(const std::string& line)
    {
        std::string body = line;
        const auto first = body.find_first_not_of(" \t");
        if (first != std::string::npos && body[first] == ':')
            body = body.substr(first + 1);
        if (piles_ >= rules_.hPiles)
            return "the game has " + std::to_string(rules_.hPiles) + " tableau piles";
        const auto w = Words(body);
        for (size_t i = 0; i < w.size(); ++i) {
            const auto card = CardOf(w[i]);
            if (!card)
                return "\"" + w[i] + "\" is not a card";
            if (auto why = Use(*card))
                return why;
            tableau_.push_back({*card, kTableau, piles_, static_cast<int>(i)});
        }
        ++piles_;
        return std::nullopt;
    }

    std::optional<std::string> Finish()
    {
        // The first card dealt: the first free cell's, or the bottom card of the first pile.
        plan_ = cells_;
        plan_.insert(plan_.end(), tableau_.begin(), tableau_.end());
        base_ = rules_.gBase;
        if (base_ == kRandomBase) {
            if (plan_.empty())
                return "a game with a random base card needs a card in play";
            base_ = plan_.front().value % kRanks;
        }
        cGames g;
        ApplyRules(g, rules_);
        int pile = 0;
        for (const auto& [suit, top] : foundationTops_) {
            if (pile >= kPiles)
                return "more than four foundations";
            int rank = base_;
            int previous = -1;
            for (int pos = 0;; ++pos) {
                if (pos >= kRanks)
                    return "the foundation " + CardText(suit * kRanks + top) + " does not follow from the base card";
                const int value = suit * kRanks + rank;
                if (previous >= 0 && !FitsValues(previous % kRanks, previous / kRanks, rank, suit,
                                                 g.Order(kFoundation, 0), g.AK(kFoundation) != 0))
                    return "the foundation " + CardText(suit * kRanks + top) + " cannot be built under these rules";
                if (auto why = Use(value))
                    return why;
                plan_.push_back({value, kFoundation, pile, pos});
                if (rank == top)
                    break;
                previous = value;
                rank = (rank + 1) % kRanks;
            }
            ++pile;
        }
        for (int v = 0; v < kDeckCards; ++v)
            if (!used_[v])
                return "the card " + CardText(v) + " is missing";
        return std::nullopt;
    }

    const GameRules& rules_;
    std::array<bool, kDeckCards> used_{};
    std::vector<std::pair<int, int>> foundationTops_;
    std::vector<Placement> cells_, tableau_, plan_;
    int piles_ = 0;
    int base_ = 0;
};
} // namespace

std::vector<std::string> SplitBoards(std::istream& in)
{
    std::vector<std::string> boards;
    std::string current;
    for (std::string line; std::getline(in, line);) {
        if (Words(line).empty()) {
            if (!current.empty())
                boards.push_back(current);
            current.clear();
            continue;
        }
        current += line;
        current += '\n';
    }
    if (!current.empty())
        boards.push_back(current);
    return boards;
}

std::optional<std::string> ReadBoard(const std::string& text, const GameRules& rules, cBoardSet& set)
{
    if (auto why = ValidateRules(rules))
        return why;
    Reader reader(rules);
    if (auto why = reader.Parse(text))
        return why;
    const auto& plan = reader.Plan();
    set.SelectRules(rules);
    cArray& a = set.Board();
    a.Init(0);
    set.ResetLog();
    // As in a deal, the pack is gathered into the stock and dealt from its top: placement i
    // takes picture id 51 - i.
    for (int pic = 0; pic < kDeckCards; ++pic) {
        const int value = plan[kDeckCards - 1 - pic].value;
        cCard& c = a.Card(pic);
        c.Num = static_cast<int16_t>(value % kRanks);
        c.Suit = static_cast<int16_t>(value / kRanks);
        c.Suitpile = c.Suit;
        a.Move(pic, kStock, 0, pic, kModeDeal, 0, 0, true);
    }
    for (const Placement& p : plan)
        a.Move(a.GetTopPicID(kStock, 0), p.cell, p.pile, p.pos, kModeDeal, 0, 0, false);
    a.SetBaseRank(static_cast<int16_t>(reader.BaseRank()));
    return std::nullopt;
}

} // namespace solvane
