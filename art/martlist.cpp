#include "martlist.h"

#include <algorithm>

namespace solvane {

namespace {
std::vector<int> Range(int first, int last)
{
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

bool Holds(const std::vector<ArtGroup>& groups, int id)
{
    return std::any_of(groups.begin(), groups.end(), [id](const ArtGroup& g) {
        return std::find(g.Ids.begin(), g.Ids.end(), id) != g.Ids.end();
    });
}
} // namespace

const std::vector<ArtGroup>& BackgroundGroups()
{
    static const std::vector<ArtGroup> groups{
        {QStringLiteral("Bricks"), Range(1, 5)},    {QStringLiteral("Marbles"), Range(11, 13)},
        {QStringLiteral("Paper"), Range(21, 25)},   {QStringLiteral("Rocks"), Range(31, 34)},
        {QStringLiteral("Stars"), Range(41, 43)},   {QStringLiteral("Surfaces"), Range(51, 55)},
        {QStringLiteral("Water"), Range(61, 65)},   {QStringLiteral("Wood"), Range(71, 73)},
    };
    return groups;
}

const std::vector<ArtGroup>& DeckGroups()
{
    static const std::vector<ArtGroup> groups{
        {QStringLiteral("Flowers"), Range(501, 503)}, {QStringLiteral("Garden"), Range(511, 512)},
        {QStringLiteral("Geometry"), Range(521, 523)}, {QStringLiteral("Misc"), Range(531, 533)},
        {QStringLiteral("Nature"), Range(541, 544)},
    };
    return groups;
}

QString ArtEntryName(const ArtGroup& group, int k)
{
    return QStringLiteral("%1 %2").arg(group.Name).arg(k + 1, 2, 10, QLatin1Char('0'));
}

QString ArtEntryName(int id)
{
    for (const auto* groups : {&BackgroundGroups(), &DeckGroups()})
        for (const ArtGroup& g : *groups)
            for (size_t k = 0; k < g.Ids.size(); ++k)
                if (g.Ids[k] == id)
                    return ArtEntryName(g, static_cast<int>(k));
    return {};
}

bool IsTileId(int id) { return Holds(BackgroundGroups(), id); }
bool IsBackId(int id) { return Holds(DeckGroups(), id); }

} // namespace solvane
