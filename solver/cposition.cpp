#include "cposition.h"

#include <array>

namespace solvane {

namespace {
// Place kinds for the random tables.
constexpr int kKindTableau = 0;
constexpr int kKindCell = 1;
constexpr int kKindFoundation = 2;
constexpr int kKinds = 3;

constexpr uint64_t Mix(uint64_t x)
{
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ULL;
    x ^= x >> 33;
    return x;
}

constexpr uint64_t SplitMix(uint64_t& state)
{
    uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// One random number per (component, kind, depth, card); made by the compiler, so it is
// read-only and needs no guard at run time.
struct Tables {
    uint64_t z[2][kKinds][kSolverCards][kSolverCards] = {};
    uint64_t kindSeed[2][kKinds] = {};
    uint64_t locSeed[2][kLocations] = {};
    constexpr Tables()
    {
        uint64_t s = 0x5eed0f50a7a11eULL;
        for (auto& comp : z)
            for (auto& kind : comp)
                for (auto& depth : kind)
                    for (auto& v : depth)
                        v = SplitMix(s);
        for (auto& comp : kindSeed)
            for (auto& v : comp)
                v = SplitMix(s);
        for (auto& comp : locSeed)
            for (auto& v : comp)
                v = SplitMix(s);
    }
};

constexpr Tables kTables;

constexpr const Tables& Random() { return kTables; }

int KindOf(int loc)
{
    return IsTableauLoc(loc) ? kKindTableau : IsCellLoc(loc) ? kKindCell : kKindFoundation;
}
} // namespace

cPosition::cPosition(const cSolverRules& rules) : rules_(&rules)
{
    const Tables& t = Random();
    for (int t = 0; t < kSolverPiles; ++t) {
        blockers_[t][0] = 0;
        lowest_[t][0] = static_cast<int8_t>(kNoRise);
        run_[t][0] = 0;
    }
    for (int loc = 0; loc < kLocations; ++loc) {
        len_[loc] = 0;
        for (int c = 0; c < 2; ++c) {
            // Interchangeable places of one kind share a seed, so that only their contents count.
            seed_[c][loc] = rules.Interchangeable() ? t.kindSeed[c][KindOf(loc)] : t.locSeed[c][loc];
            hash_[c][loc] = 0;
        }
    }
    for (int c = 0; c < 2; ++c) {
        total_[c] = 0;
        for (int loc = 0; loc < kLocations; ++loc) {
            mixedOf_[c][loc] = 0;
            mixed_[c][loc] = Mix(seed_[c][loc]);
            total_[c] += mixed_[c][loc];
        }
    }
    emptyCells_ = rules.Cells();
    emptyPiles_ = rules.Piles();
}

void cPosition::CountOnPile(int t, int depth, int card)
{
    int blockers = blockers_[t][depth];
    int lowest = lowest_[t][depth];
    CountCard(rules_->Rise(card), blockers, lowest);
    blockers_[t][depth + 1] = static_cast<uint8_t>(blockers);
    lowest_[t][depth + 1] = static_cast<int8_t>(lowest);
    const bool onRun = depth > 0 && rules_->FitsRun(cards_[t][depth - 1], card);
    run_[t][depth + 1] = static_cast<uint8_t>(onRun ? run_[t][depth] + 1 : 1);
}

void cPosition::PushCard(int loc, int card)
{
    const Tables& t = Random();
    const int kind = KindOf(loc);
    const int depth = len_[loc];
    if (depth == 0 && IsTableauLoc(loc))
        pileOrderState_ = Order::Stale;
    cards_[loc][depth] = static_cast<uint8_t>(card);
    if (IsTableauLoc(loc))
        CountOnPile(loc, depth, card);
    const int twin = rules_->Twin(card);
    twins_[loc][depth] = static_cast<uint8_t>(twin);
    hash_[0][loc] ^= t.z[0][kind][depth][twin];
    hash_[1][loc] ^= t.z[1][kind][depth][twin];
    len_[loc] = static_cast<uint8_t>(depth + 1);
}

PositionKey cPosition::Key() const
{
    for (uint32_t d = dirty_; d != 0; d &= d - 1) {
        const int loc = std::countr_zero(d);
        for (int c = 0; c < 2; ++c)
            if (hash_[c][loc] != mixedOf_[c][loc]) {
                const uint64_t m = Mix(hash_[c][loc] + seed_[c][loc]);
                total_[c] += m - mixed_[c][loc];
                mixed_[c][loc] = m;
                mixedOf_[c][loc] = hash_[c][loc];
            }
    }
    dirty_ = 0;
    return {total_[0], total_[1]};
}

void cPosition::Push(int loc, int card)
{
    if (len_[loc] == 0) {
        if (IsCellLoc(loc))
            --emptyCells_;
        else if (IsTableauLoc(loc))
            --emptyPiles_;
    }
    PushCard(loc, card);
    if (IsFoundationLoc(loc)) {
        ++onFoundations_;
        foundationCards_ |= CardMask(1) << card;
    }
    Rehash(loc);
}

void cPosition::MoveCards(int from, int to, int count)
{
    if (len_[to] == 0) {
        if (IsCellLoc(to))
            --emptyCells_;
        else if (IsTableauLoc(to))
            --emptyPiles_;
    }
    const int n = count + 1;
    const int first = len_[from] - n;
    const int base = len_[to];
    if ((base == 0 && IsTableauLoc(to)) || (first == 0 && IsTableauLoc(from)))
        pileOrderState_ = Order::Stale;
    const auto& zf0 = Random().z[0][KindOf(from)];
    const auto& zf1 = Random().z[1][KindOf(from)];
    const auto& zt0 = Random().z[0][KindOf(to)];
    const auto& zt1 = Random().z[1][KindOf(to)];
    CardMask moved = 0;
    for (int i = 0; i < n; ++i) {
        const int card = cards_[from][first + i];
        moved |= CardMask(1) << card;
        cards_[to][base + i] = static_cast<uint8_t>(card);
        if (IsTableauLoc(to))
            CountOnPile(to, base + i, card);
        const int twin = rules_->Twin(card);
        twins_[to][base + i] = static_cast<uint8_t>(twin);
        hash_[0][to] ^= zt0[base + i][twin];
        hash_[1][to] ^= zt1[base + i][twin];
        hash_[0][from] ^= zf0[first + i][twin];
        hash_[1][from] ^= zf1[first + i][twin];
    }
    len_[to] = static_cast<uint8_t>(base + n);
    len_[from] = static_cast<uint8_t>(first);
    if (len_[from] == 0) {
        if (IsCellLoc(from))
            ++emptyCells_;
        else if (IsTableauLoc(from))
            ++emptyPiles_;
    }
    // From before to: a card may go from one foundation to another.
    if (IsFoundationLoc(from)) {
        onFoundations_ -= n;
        foundationCards_ &= ~moved;
    }
    if (IsFoundationLoc(to)) {
        onFoundations_ += n;
        foundationCards_ |= moved;
    }
    Rehash(from);
    Rehash(to);
}

const uint8_t* cPosition::PileOrder() const
{
    if (pileOrderState_ == Order::Stale) {
        CardMask seen = 0;
        uint8_t byTwin[kSolverCards];
        int k = 0;
        pileOrderState_ = Order::Known;
        for (int t = 0; t < rules_->Piles(); ++t) {
            if (len_[t] == 0) {
                pileOrder_[k++] = static_cast<uint8_t>(t);
                continue;
            }
            const int twin = twins_[t][0];
            if ((seen >> twin) & 1)
                pileOrderState_ = Order::Ambiguous;
            seen |= CardMask(1) << twin;
            byTwin[twin] = static_cast<uint8_t>(t);
        }
        for (; seen != 0; seen &= seen - 1)
            pileOrder_[k++] = byTwin[std::countr_zero(seen)];
    }
    return pileOrderState_ == Order::Known ? pileOrder_ : nullptr;
}

void cPosition::Pack(PackedPosition& out) const
{
    int k = 0;
    for (int loc = 0; loc < kLocations; ++loc) {
        out.len[loc] = len_[loc];
        for (int i = 0; i < len_[loc]; ++i)
            out.cards[k++] = cards_[loc][i];
    }
}

void cPosition::Unpack(const PackedPosition& in)
{
    int k = 0;
    onFoundations_ = emptyCells_ = emptyPiles_ = 0;
    foundationCards_ = 0;
    total_[0] = total_[1] = 0;
    dirty_ = 0;
    pileOrderState_ = Order::Stale;
    for (int loc = 0; loc < kLocations; ++loc) {
        len_[loc] = 0;
        hash_[0][loc] = hash_[1][loc] = 0;
        for (int i = 0; i < in.len[loc]; ++i)
            PushCard(loc, in.cards[k++]);
        for (int c = 0; c < 2; ++c) {
            mixedOf_[c][loc] = hash_[c][loc];
            mixed_[c][loc] = Mix(hash_[c][loc] + seed_[c][loc]);
            total_[c] += mixed_[c][loc];
        }
        if (IsFoundationLoc(loc)) {
            onFoundations_ += len_[loc];
            for (int i = 0; i < len_[loc]; ++i)
                foundationCards_ |= CardMask(1) << cards_[loc][i];
        }
    }
    for (int t = 0; t < rules_->Piles(); ++t)
        emptyPiles_ += len_[t] == 0;
    for (int c = 0; c < rules_->Cells(); ++c)
        emptyCells_ += len_[kCellLoc + c] == 0;
}

bool cPosition::PlayUp(int loc, AutoMove*& out)
{
    const int card = Top(loc);
    for (int f = 0; f < kSolverFoundations; ++f) {
        if (!FoundationTakes(f, card))
            continue;
        MoveCards(loc, kFoundationLoc + f, 0);
        *out++ = {static_cast<uint8_t>(loc), static_cast<uint8_t>(kFoundationLoc + f)};
        // Each play is an ordinary move, so it starts a nested scan of the whole table.
        RunAutoplay(out);
        return true;
    }
    return false;
}

void cPosition::RunAutoplay(AutoMove*& out)
{
    // Most tops fit no foundation: one look at the cards the foundations want passes them
    // by. A play changes what they want, so the mask is read again after each.
    CardMask wanted = FoundationWants();
    for (int t = 0; t < rules_->Piles(); ++t)
        if (len_[t] != 0 && ((wanted >> Top(t)) & 1) && PlayUp(t, out))
            wanted = FoundationWants();
    for (int r = 0; r < rules_->Cells(); ++r) {
        const int loc = kCellLoc + r;
        if (len_[loc] != 0 && ((wanted >> Top(loc)) & 1) && PlayUp(loc, out))
            wanted = FoundationWants();
    }
}

int cPosition::Apply(const SolverMove& m, AutoMove* chain)
{
    MoveCards(m.from, m.to, m.count);
    if (!rules_->Autoplay())
        return 0;
    AutoMove* out = chain;
    RunAutoplay(out);
    return static_cast<int>(out - chain);
}

void cPosition::Undo(const SolverMove& m, const AutoMove* chain, int chainLength)
{
    for (int i = chainLength - 1; i >= 0; --i)
        MoveCards(chain[i].to, chain[i].from, 0);
    MoveCards(m.to, m.from, m.count);
}

} // namespace solvane
