// The solver's own move generator and move primitive against the engine: random rule sets,
// random positions from random play, the same legal moves and the same resulting boards,
// autoplay chains included, and the estimates of moves not yet made.
#include "cbestfirst.h"
#include "cmoveestimate.h"
#include "mcanonical.h"
#include "ctranstable.h"
#include "mheuristic.h"
#include "solvertest.h"

#include <cstring>

using namespace solvane;
using namespace solvane::test;

namespace {
constexpr int kGames = 250;
constexpr int kMovesPerGame = 40;

cPosition Loaded(const cSolverRules& rules, const cArray& board)
{
    cPosition p(rules);
    EXPECT_FALSE(LoadPosition(board, p).has_value());
    return p;
}

std::vector<SolverMove> EveryMove(const cPosition& p)
{
    std::vector<SolverMove> moves;
    MoveFilter every;
    every.every = true;
    GenerateMoves(p, every, moves);
    return moves;
}

std::set<EngineMove> SolverMoves(const cPosition& p)
{
    const std::vector<SolverMove> moves = EveryMove(p);
    std::set<EngineMove> named;
    for (const SolverMove& m : moves)
        EXPECT_TRUE(named.insert(Named(p, m)).second) << "a move listed twice";
    return named;
}

// The estimate counted afresh from the cards: every card off the foundations, every card
// of a pile lying on one that must reach the foundations first, every occupied cell.
int FreshEstimate(const cPosition& p)
{
    const cSolverRules& r = p.Rules();
    int e = estimate::kPerCardOff * (kSolverCards - p.OnFoundations()) +
            estimate::kPerCellUsed * (r.Cells() - p.EmptyCells());
    for (int t = 0; t < r.Piles(); ++t)
        for (int i = 0; i < p.Len(t); ++i)
            for (int j = 0; j < i; ++j)
                if (r.Rise(p.CardAt(t, i)) > r.Rise(p.CardAt(t, j))) {
                    e += estimate::kPerBlocker;
                    break;
                }
    return e;
}

SolverMove Find(const cPosition& p, const EngineMove& m)
{
    std::vector<SolverMove> moves;
    MoveFilter every;
    every.every = true;
    GenerateMoves(p, every, moves);
    for (const SolverMove& s : moves)
        if (Named(p, s) == m)
            return s;
    ADD_FAILURE() << "move not found";
    return {};
}
using Form = std::vector<uint8_t>;

Form FormOf(const cPosition& p)
{
    p.Key();
    uint8_t bytes[kMaxCanonicalBytes];
    return Form(bytes, bytes + Canonical(p, bytes));
}

// A layout laid on a board of the same deal: its fingerprint, and its canonical form,
// which must agree with it.
PositionKey KeyOf(const cArray& a, const cSolverRules& rules, const Layout& l, Form* form = nullptr)
{
    cArray b = Scratch(a);
    Rebuild(b, l);
    cPosition p(rules);
    EXPECT_FALSE(LoadPosition(b, p).has_value());
    if (form)
        *form = FormOf(p);
    return p.Key();
}
} // namespace

TEST(SolverMoves, SameMovesAndSameBoardsAsTheEngine)
{
    std::mt19937 rng(20240611);
    int compared = 0, chains = 0;
    for (int game = 0; game < kGames; ++game) {
        const GameRules rules = RandomRules(rng);
        Host host;
        host.autoplay = Pick(rng, 0, 1) == 1;
        cBoardSet set;
        set.NewDeal(rules, Pick(rng, 0, 100000));
        cArray& a = set.Board();
        a.SetHost(&host);
        Autoplay(a);
        const cSolverRules compiled = cSolverRules::FromBoard(rules, a, host.autoplay);
        for (int step = 0; step < kMovesPerGame; ++step) {
            cPosition p(compiled);
            ASSERT_FALSE(LoadPosition(a, p).has_value());
            const std::set<EngineMove> legal = EngineMoves(a);
            ASSERT_EQ(SolverMoves(p), legal) << "rules " << FormatRules(rules) << " step " << step;
            for (const EngineMove& m : legal) {
                cArray b = Scratch(a);
                Play(b, m);
                cPosition q = p;
                AutoMove chain[kMaxChain];
                const SolverMove sm = Find(q, m);
                const int n = q.Apply(sm, chain);
                chains += n;
                ASSERT_EQ(LayoutOf(q), LayoutOf(b)) << "rules " << FormatRules(rules);
                // The estimate worked out ahead of the move is the one of the position reached.
                ASSERT_EQ(Estimate(q), FreshEstimate(q)) << "rules " << FormatRules(rules);
                // What the position keeps of its piles as cards move serves the next moves too.
                ASSERT_EQ(SolverMoves(q), EngineMoves(b)) << "rules " << FormatRules(rules);
                if (!host.autoplay) {
                    ASSERT_EQ(cMoveEstimate(p).After(sm), Estimate(q)) << "rules " << FormatRules(rules);
                }
                ASSERT_EQ(q.Won(), b.TotalGoalCards() == 52);
                cPosition fresh(compiled);
                ASSERT_FALSE(LoadPosition(b, fresh).has_value());
                ASSERT_EQ(fresh.Key(), q.Key());
                ASSERT_EQ(fresh.FoundationCards(), q.FoundationCards());
                q.Undo(sm, chain, n);
                ASSERT_EQ(LayoutOf(q), LayoutOf(p));
                ASSERT_EQ(q.Key(), p.Key());
                ASSERT_EQ(q.FoundationCards(), p.FoundationCards());
                ++compared;
            }
            if (legal.empty())
                break;
            auto it = legal.begin();
            std::advance(it, Pick(rng, 0, int(legal.size()) - 1));
            Play(a, *it);
        }
    }
    EXPECT_GT(compared, 10000);
    EXPECT_GT(chains, 100); // autoplay chains were exercised
}

TEST(SolverMoves, TheFilteredListLeavesOutOnlyCopiesOfOtherMoves)
{
    // Every move of the full list leads to a position that some move of the shorter list
    // also reaches, up to the order of interchangeable piles.
    std::mt19937 rng(77);
    for (int game = 0; game < 60; ++game) {
        Host host;
        cBoardSet set;
        const GameRules rules = RandomPlay(rng, set, host, 30);
        const cSolverRules compiled = cSolverRules::FromBoard(rules, set.Board(), host.autoplay);
        cPosition p = Loaded(compiled, set.Board());
        const std::vector<SolverMove> all = EveryMove(p);
        std::vector<SolverMove> some;
        GenerateMoves(p, MoveFilter{}, some);
        std::set<std::pair<uint64_t, uint64_t>> reached{{p.Key().a, p.Key().b}};
        AutoMove chain[kMaxChain];
        for (const SolverMove& m : some) {
            const int n = p.Apply(m, chain);
            reached.insert({p.Key().a, p.Key().b});
            p.Undo(m, chain, n);
        }
        // Without autoplay a move that leads back to the position itself may be left out.
        for (const SolverMove& m : all) {
            const int n = p.Apply(m, chain);
            if (!host.autoplay || !AutoplayPending(p)) {
                EXPECT_TRUE(reached.count({p.Key().a, p.Key().b})) << FormatRules(rules);
            }
            p.Undo(m, chain, n);
        }
    }
}

TEST(SolverKey, InterchangeablePilesShareAFingerprintOnlyWhenTheRulesAllow)
{
    // Freecell without autoplay: swapping two tableau piles or two cells changes nothing.
    const GameRules freecell = *StandardRules("Freecell");
    cBoardSet set;
    set.NewDeal(freecell, 1);
    cArray& a = set.Board();
    auto keyOf = [&](const cSolverRules& rules, const Layout& l) { return KeyOf(a, rules, l); };
    Layout l = LayoutOf(a);
    // Two cards into cells 0 and 2.
    Layout withCells = l;
    withCells[{kReserve, 0}] = {withCells[{kTableau, 0}].back()};
    withCells[{kTableau, 0}].pop_back();
    withCells[{kReserve, 2}] = {withCells[{kTableau, 1}].back()};
    withCells[{kTableau, 1}].pop_back();
    Layout swapped = withCells;
    std::swap(swapped[{kTableau, 3}], swapped[{kTableau, 6}]);
    swapped[{kReserve, 3}] = swapped[{kReserve, 0}];
    swapped.erase({kReserve, 0});
    const cSolverRules off = cSolverRules::FromBoard(freecell, a, false);
    Form before, after, dealt;
    EXPECT_EQ(KeyOf(a, off, withCells, &before), KeyOf(a, off, swapped, &after));
    EXPECT_NE(KeyOf(a, off, l, &dealt), keyOf(off, withCells));
    EXPECT_EQ(before, after);
    EXPECT_NE(dealt, before);

    // Foundations that take any next card in rank: autoplay fills them in table order, so the
    // order of the piles counts.
    GameRules anySuit = freecell;
    anySuit.gOrder = kUpRegardless;
    const cSolverRules on = cSolverRules::FromBoard(anySuit, a, true);
    EXPECT_FALSE(on.Interchangeable());
    EXPECT_NE(KeyOf(a, on, withCells, &before), KeyOf(a, on, swapped, &after));
    EXPECT_NE(before, after);
    const cSolverRules suitOn = cSolverRules::FromBoard(freecell, a, true);
    EXPECT_TRUE(suitOn.Interchangeable());
    EXPECT_EQ(keyOf(suitOn, withCells), keyOf(suitOn, swapped));
}

TEST(SolverKey, TwinsShareAFingerprintOnlyWhereNoRuleTellsThemApart)
{
    // Foundations up in alternate colours from the King, the tableau down regardless of suit:
    // the rules see rank and colour only, so the two black Fives are twins, a black and a red
    // Five are not.
    const GameRules colours = GameRules::FromValues({1, 12, 0, 5, 0, 9, 0, 1, 2, 0});
    cBoardSet set;
    set.NewDeal(colours, 3);
    cArray& a = set.Board();
    auto picOf = [&](int num, int suit) {
        for (int pic = 0; pic < 52; ++pic)
            if (a.CardNum(pic) == num && a.CardSuit(pic) == suit)
                return pic;
        return -1;
    };
    auto swapped = [&](int x, int y) {
        Layout l = LayoutOf(a);
        for (auto& [where, cards] : l)
            for (int& c : cards)
                c = c == x ? y : c == y ? x : c;
        return l;
    };
    auto keyOf = [&](const cSolverRules& rules, const Layout& l) { return KeyOf(a, rules, l); };
    constexpr int kFive = 4, kClubs = 0, kDiamonds = 1, kSpades = 2;
    const int clubs = picOf(kFive, kClubs), spades = picOf(kFive, kSpades), diamonds = picOf(kFive, kDiamonds);
    for (bool autoplay : {false, true}) {
        const cSolverRules rules = cSolverRules::FromBoard(colours, a, autoplay);
        EXPECT_EQ(rules.Twin(clubs), rules.Twin(spades));
        EXPECT_NE(rules.Twin(clubs), rules.Twin(diamonds));
        // Two foundations that take the same card hold the same twins: autoplay may fill
        // them in any order.
        EXPECT_TRUE(rules.Interchangeable());
        Form dealt, twins, others;
        EXPECT_EQ(KeyOf(a, rules, LayoutOf(a), &dealt), KeyOf(a, rules, swapped(clubs, spades), &twins));
        EXPECT_NE(keyOf(rules, LayoutOf(a)), KeyOf(a, rules, swapped(clubs, diamonds), &others));
        EXPECT_EQ(dealt, twins);
        EXPECT_NE(dealt, others);
    }
    // Same-suit foundations tell every card apart.
    const cSolverRules freecell = cSolverRules::FromBoard(*StandardRules("Freecell"), a, false);
    EXPECT_NE(freecell.Twin(clubs), freecell.Twin(spades));
    // Foundations in any suit from the Ace and a tableau in alternate colours: the Fives of
    // one colour are twins, but a red Six follows any Five, so with autoplay two foundations
    // that take it may hold different twins.
    GameRules anySuit = *StandardRules("Freecell");
    anySuit.gOrder = kUpRegardless;
    const cSolverRules mixed = cSolverRules::FromBoard(anySuit, a, true);
    EXPECT_EQ(mixed.Twin(clubs), mixed.Twin(spades));
    EXPECT_FALSE(mixed.Interchangeable());
}

TEST(SolverKey, CanonicalFormsAgreeWithFingerprints)
{
    // Positions a move apart in random games: two share a fingerprint exactly when they
    // share a form, so the form counts the same positions as one and no others; and a
    // position reached by moves and taken back is written as it is when built afresh, so
    // nothing the position keeps for writing its form goes stale.
    std::mt19937 rng(5150);
    int shared = 0, compared = 0;
    for (int game = 0; game < 120; ++game) {
        Host host;
        cBoardSet set;
        const GameRules rules = RandomPlay(rng, set, host, 30);
        const cSolverRules compiled = cSolverRules::FromBoard(rules, set.Board(), host.autoplay);
        cPosition p = Loaded(compiled, set.Board());
        std::map<std::pair<uint64_t, uint64_t>, Form> formOf;
        std::map<Form, std::pair<uint64_t, uint64_t>> keyOf;
        AutoMove chain[kMaxChain], chain2[kMaxChain];
        auto record = [&] {
            const PositionKey k = p.Key();
            const Form f = FormOf(p);
            PackedPosition packed;
            p.Pack(packed);
            cPosition afresh(compiled);
            afresh.Unpack(packed);
            ASSERT_EQ(FormOf(afresh), f) << FormatRules(rules);
            const auto [it, fresh] = formOf.insert({{k.a, k.b}, f});
            const auto [jt, freshForm] = keyOf.insert({f, {k.a, k.b}});
            ASSERT_EQ(it->second, f) << FormatRules(rules);
            ASSERT_EQ(jt->second, std::make_pair(k.a, k.b)) << FormatRules(rules);
            shared += !fresh;
            ++compared;
        };
        for (const SolverMove& m : EveryMove(p)) {
            const int n = p.Apply(m, chain);
            record();
            for (const SolverMove& m2 : EveryMove(p)) {
                const int n2 = p.Apply(m2, chain2);
                record();
                p.Undo(m2, chain2, n2);
            }
            p.Undo(m, chain, n);
        }
    }
    EXPECT_GT(compared, 5000);
    EXPECT_GT(shared, 500);
}

TEST(SolverRules, FoundationFirstOnlyWhereEveryCardOnACardGoesUpBeforeIt)
{
    auto foundationFirst = [](const GameRules& rules) {
        cBoardSet set;
        set.NewDeal(rules, 1);
        return cSolverRules::FromBoard(rules, set.Board(), false).FoundationFirst();
    };
    const GameRules bakers = *StandardRules("Baker's Game");
    EXPECT_TRUE(foundationFirst(bakers));
    // A red Five may lie on a black Six and go up after it.
    EXPECT_FALSE(foundationFirst(*StandardRules("Freecell")));
    // With wrapping a King may lie on an Ace.
    GameRules wrapping = bakers;
    wrapping.hAk = 1;
    EXPECT_FALSE(foundationFirst(wrapping));
    // Foundations from the King down: the tableau builds the same way.
    GameRules downward = bakers;
    downward.gOrder = kDownSameSuit;
    downward.gBase = 12;
    EXPECT_FALSE(foundationFirst(downward));
    downward.hOrder = kUpSameSuit;
    EXPECT_TRUE(foundationFirst(downward));
}

namespace {
// A made-up position for the table alone: a fingerprint and a form of eight bytes.
struct Made {
    PositionKey key;
    uint8_t form[8];
};

Made MadeUp(uint64_t i, uint64_t fingerprint)
{
    Made m{{fingerprint, ~fingerprint}, {}};
    std::memcpy(m.form, &i, sizeof i);
    return m;
}

cTransTable::Added AddTo(cTransTable& table, const Made& m) { return table.Add(m.key, m.form, sizeof m.form); }
} // namespace

TEST(SolverTable, ClearedTablesForgetEveryPosition)
{
    // Small fills are emptied slot by slot, large ones (past the first size) as a whole.
    for (const uint64_t count : {10ULL, 1000ULL, 1025ULL, 5000ULL, 100000ULL}) {
        cTransTable table(size_t(64) << 20);
        auto made = [](uint64_t i) { return MadeUp(i, i * 0x9e3779b97f4a7c15ULL); };
        for (int round = 0; round < 3; ++round) {
            for (uint64_t i = 0; i < count; ++i)
                ASSERT_EQ(AddTo(table, made(i)), cTransTable::Added::New) << count << " keys, round " << round;
            ASSERT_EQ(AddTo(table, made(count / 2)), cTransTable::Added::Known);
            EXPECT_EQ(table.Size(), count);
            table.Clear();
            EXPECT_EQ(table.Size(), 0u);
        }
    }
}

TEST(SolverTable, AFullTableRefusesNewPositionsAndKnowsItsOwn)
{
    cTransTable table(size_t(1) << 22);
    auto made = [](uint64_t i) { return MadeUp(i, i * 0x9e3779b97f4a7c15ULL); };
    uint64_t added = 0;
    while (AddTo(table, made(added)) == cTransTable::Added::New)
        ++added;
    EXPECT_EQ(added, table.Capacity());
    EXPECT_LE(table.Bytes(), size_t(1) << 22);
    for (uint64_t i = 0; i < added; i += added / 100)
        ASSERT_EQ(AddTo(table, made(i)), cTransTable::Added::Known);
}

TEST(SolverTable, WithoutFormsTheSameMemoryHoldsSeveralTimesThePositions)
{
    // Fingerprints alone: every slot of the memory holds a position, none is lost or
    // taken twice, and the table keeps to its memory.
    constexpr size_t kBytes = size_t(4) << 20;
    auto made = [](uint64_t i) { return MadeUp(i, i * 0x9e3779b97f4a7c15ULL); };
    auto fill = [&](cTransTable& table) {
        uint64_t added = 0;
        while (AddTo(table, made(added)) == cTransTable::Added::New)
            ++added;
        EXPECT_LE(table.Bytes(), kBytes);
        for (uint64_t i = 0; i < added; i += 97)
            EXPECT_EQ(AddTo(table, made(i)), cTransTable::Added::Known) << i;
        return added;
    };
    cTransTable exact(kBytes);
    const uint64_t withForms = fill(exact);
    cTransTable bare(kBytes);
    bare.SetExact(false);
    const uint64_t without = fill(bare);
    EXPECT_EQ(without, bare.Capacity());
    EXPECT_GE(without, 4 * withForms);
    // Cleared, the table may go back to forms and hold them as before.
    bare.Clear();
    bare.SetExact(true);
    EXPECT_EQ(fill(bare), withForms);
}

TEST(SolverTable, WithoutFormsOnlyTheFingerprintTellsPositionsApart)
{
    // What the table gives up without forms: positions that share their whole fingerprint
    // count as one. Those that differ in either half of its first word are told apart.
    cTransTable table(size_t(16) << 20);
    table.SetExact(false);
    const Made a = MadeUp(1, 0x123456789abcdef0ULL), sameKey = MadeUp(2, 0x123456789abcdef0ULL);
    const Made high = MadeUp(3, 0x123456799abcdef0ULL), low = MadeUp(4, 0x123456789abcdee0ULL);
    EXPECT_EQ(AddTo(table, a), cTransTable::Added::New);
    EXPECT_EQ(AddTo(table, sameKey), cTransTable::Added::Known);
    EXPECT_EQ(AddTo(table, high), cTransTable::Added::New);
    EXPECT_EQ(AddTo(table, low), cTransTable::Added::New);
    EXPECT_EQ(table.Size(), 3u);
    table.Clear();
    table.SetExact(true);
    EXPECT_EQ(AddTo(table, a), cTransTable::Added::New);
    EXPECT_EQ(AddTo(table, sameKey), cTransTable::Added::New);
}

TEST(SolverTable, PositionsThatShareAFingerprintAreToldApart)
{
    // Every position gets one of only 64 fingerprints, so most share theirs with others:
    // the forms alone tell them apart.
    cTransTable table(size_t(16) << 20);
    constexpr uint64_t kPositions = 20000;
    auto made = [](uint64_t i) { return MadeUp(i, i % 64); };
    for (uint64_t i = 0; i < kPositions; ++i)
        ASSERT_EQ(AddTo(table, made(i)), cTransTable::Added::New) << i;
    for (uint64_t i = 0; i < kPositions; i += 7)
        ASSERT_EQ(AddTo(table, made(i)), cTransTable::Added::Known) << i;
    EXPECT_EQ(table.Size(), kPositions);
    // Forms of other lengths that begin alike are other positions too.
    const Made m = made(1);
    EXPECT_EQ(table.Add(m.key, m.form, 4), cTransTable::Added::New);
    EXPECT_EQ(table.Add(m.key, m.form, 4), cTransTable::Added::Known);
}

TEST(SolverBestFirst, CountingTheMovesMadeStillWinsAndWinsShorter)
{
    // Deals of Freecell and of a designed game that the best-first pass wins: counting the
    // moves that led to each position too, it still wins them all, every solution plays out
    // to a won position, and together they are shorter.
    const std::vector<std::pair<GameRules, int>> deals = {
        {*StandardRules("Freecell"), 1}, {*StandardRules("Freecell"), 2}, {*StandardRules("Freecell"), 3},
        {*StandardRules("Freecell"), 4}, {GameRules::FromValues({0, 3, 0, 2, 12, 7, 1, 1, 4, 2}), 5},
        {GameRules::FromValues({0, 3, 0, 2, 12, 7, 1, 1, 4, 2}), 11}};
    size_t plain = 0, counted = 0;
    for (const auto& [rules, number] : deals) {
        cBoardSet set;
        Host host;
        DealAsStarted(set, host, rules, number, true);
        const cSolverRules compiled = cSolverRules::FromBoard(rules, set.Board(), true);
        const cPosition start = Loaded(compiled, set.Board());
        for (const int perFour : {0, 16}) {
            cTransTable table(size_t(64) << 20);
            table.SetExact(false);
            cBestFirst pass(start, table, std::chrono::steady_clock::now() + std::chrono::seconds(20), nullptr,
                            size_t(128) << 20);
            pass.SetDepthWeight(perFour);
            ASSERT_EQ(pass.Run(0), SearchOutcome::Won) << FormatRules(rules) << " deal " << number;
            cPosition p = start;
            AutoMove chain[kMaxChain];
            for (const SolverMove& m : pass.Solution()) {
                ASSERT_TRUE(p.Len(m.from) > m.count);
                p.Apply(m, chain);
            }
            EXPECT_TRUE(p.Won()) << FormatRules(rules) << " deal " << number;
            (perFour == 0 ? plain : counted) += pass.Solution().size();
        }
    }
    EXPECT_LT(counted, plain);
}
