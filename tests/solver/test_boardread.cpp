// Boards from elsewhere: the text the deal command prints reads back to the same board,
// other solvers' spellings are understood, and bad boards are refused with a reason.
#include "solvertest.h"
#include "mcardtext.h"

#include <fstream>
#include <sstream>

using namespace solvane;
using namespace solvane::test;

namespace {
std::string DataFile(const char* name)
{
    std::ifstream in(std::string(SOLVANE_TEST_DATA) + "/" + name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::optional<std::string> Refusal(const std::string& text, const GameRules& rules)
{
    cBoardSet set;
    return ReadBoard(text, rules, set);
}

std::string Freecell1()
{
    cBoardSet set;
    set.NewDeal(*StandardRules("Freecell"), 1);
    return BoardText(set.Board());
}
} // namespace

TEST(BoardRead, DealTextReadsBackToTheSameBoard)
{
    struct Case {
        const char* file;
        GameRules rules;
    };
    const Case cases[] = {
        {"deal_freecell_1.txt", *StandardRules("Freecell")},
        {"deal_forecell_30512.txt", *StandardRules("Forecell")},
        {"deal_designed_7.txt", GameRules::FromValues({0, 0, 2, 9, 12, 6, 1, 1, 2, 1})},
    };
    for (const Case& c : cases) {
        const std::string text = DataFile(c.file);
        cBoardSet set;
        const auto why = ReadBoard(text, c.rules, set);
        ASSERT_FALSE(why.has_value()) << c.file << ": " << *why;
        EXPECT_EQ(BoardText(set.Board()), text) << c.file;
        // The position keeps a pointer to its rules, so they must outlive it.
        const cSolverRules compiled = cSolverRules::FromBoard(c.rules, set.Board(), false);
        cPosition p(compiled);
        EXPECT_FALSE(LoadPosition(set.Board(), p).has_value());
    }
}

TEST(BoardRead, OtherSpellingsAndMissingLines)
{
    // Tens as 10, no colons, no foundation or free-cell lines, lower case.
    std::string text = Freecell1();
    text = text.substr(text.find('\n', text.find("Freecells")) + 1);
    std::string plain;
    for (char ch : text)
        if (ch != ':')
            plain += ch;
    size_t at;
    while ((at = plain.find('T')) != std::string::npos)
        plain.replace(at, 1, "10");
    plain[plain.find("KH")] = 'k';
    cBoardSet set;
    ASSERT_FALSE(ReadBoard(plain, *StandardRules("Freecell"), set).has_value());
    EXPECT_EQ(BoardText(set.Board()), Freecell1());

    std::istringstream two("\n" + Freecell1() + "\n\n  \n" + Freecell1());
    EXPECT_EQ(SplitBoards(two).size(), 2u);

    // A foundation given by its top card holds the suit from the base card up.
    GameRules sixUp = *StandardRules("Freecell");
    sixUp.gBase = 5;
    std::string rest;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank)
            if (!(suit == 3 && (rank >= 5 && rank <= 7)))
                rest += " " + CardText(rank, suit);
    cBoardSet six;
    ASSERT_FALSE(ReadBoard("Foundations: H-8\n:" + rest + "\n", sixUp, six).has_value());
    EXPECT_EQ(six.Board().GetTop(kFoundation, 0), 2);
    EXPECT_EQ(six.Board().BaseRank(), 5);
}

TEST(BoardRead, BadBoardsAreRefusedWithAReason)
{
    const GameRules freecell = *StandardRules("Freecell");
    const std::string good = Freecell1();
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = good;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    // Faults of one line name the line; faults of the whole board do not.
    const std::tuple<std::string, const char*, bool> bad[] = {
        {replaced("KH", "7H"), "twice", true},
        {replaced(" KH", ""), "missing", false},
        {replaced("KH", "XH"), "not a card", true},
        {replaced("Freecells: - - - -", "Freecells: - - - - KH"), "free cells", true},
        {good + ": \n", "tableau piles", true},
        {replaced("C-0", "C-Z"), "foundation", true},
        {replaced("C-0", "C-2"), "twice", false},
    };
    for (const auto& [text, reason, named] : bad) {
        const auto why = Refusal(text, freecell);
        ASSERT_TRUE(why.has_value()) << text;
        EXPECT_NE(why->find(reason), std::string::npos) << *why;
        EXPECT_EQ(why->find("line ") == 0, named) << *why;
    }
    // A foundation that cannot be built under the rules.
    GameRules down = freecell;
    down.gOrder = kDownSameSuit;
    std::string rest;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank)
            if (!(suit == 0 && rank <= 1))
                rest += " " + CardText(rank, suit);
    const auto why = Refusal("Foundations: C-2\n:" + rest + "\n", down);
    ASSERT_TRUE(why.has_value());
    EXPECT_NE(why->find("cannot be built"), std::string::npos) << *why;
}
