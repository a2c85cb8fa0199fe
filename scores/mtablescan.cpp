#include "mtablescan.h"

namespace solvane {

namespace {
void Add(StatTotals& t, const cScoreTable::Row& r)
{
    ++t.Played;
    t.Won += r.IsWon() ? 1 : 0;
    t.Score += r.Score;
    t.Moves += r.Moves;
    t.Time += r.Time;
}

StatTotals Finished(StatTotals t)
{
    t.Lost = t.Played - t.Won;
    return t;
}

StatTotals Pick(const std::vector<StatTotals>& list, int id)
{
    return id < 0 || id >= static_cast<int>(list.size()) ? StatTotals() : list[static_cast<size_t>(id)];
}
} // namespace

StatTotals GroupTotals::Game(const cScoreTable& table, const QString& name) const
{
    return Pick(ByGame, table.FindGame(name));
}

StatTotals GroupTotals::Player(const cScoreTable& table, const QString& name) const
{
    return Pick(ByPlayer, table.FindPlayer(name));
}

GroupTotals TotalsByGroup(const cScoreTable& table)
{
    GroupTotals g;
    g.ByGame.resize(static_cast<size_t>(table.GameCount()));
    g.ByPlayer.resize(static_cast<size_t>(table.PlayerCount()));
    for (const cScoreTable::Row& r : table.Rows()) {
        Add(g.ByGame[r.Game], r);
        Add(g.ByPlayer[r.Player], r);
    }
    for (auto* list : {&g.ByGame, &g.ByPlayer})
        for (StatTotals& t : *list)
            t = Finished(t);
    return g;
}

std::vector<int> FirstGameRows(const cScoreTable& table, const QString& gameName, int count)
{
    std::vector<int> rows;
    const int id = table.FindGame(gameName);
    if (id < 0)
        return rows;
    const auto& all = table.Rows();
    for (size_t i = 0; i < all.size() && static_cast<int>(rows.size()) < count; ++i)
        if (all[i].Game == static_cast<uint32_t>(id))
            rows.push_back(static_cast<int>(i));
    return rows;
}

} // namespace solvane
