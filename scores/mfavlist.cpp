#include "mfavlist.h"

#include "cdata.h"
#include "cscore.h"
#include "iprompt.h"

#include <QDir>

namespace solvane {

QStringList CatalogueNames(const cData& data)
{
    QStringList names;
    for (int id = 1; id <= data.TotalGames(); ++id)
        names << data.GetGName(id);
    return names;
}

int CurrentGameIndex(const cData& data)
{
    const int at = CatalogueNames(data).indexOf(data.CurGName());
    return at < 0 ? 0 : at;
}

std::vector<int> FavouritesOf(const cScore& score, const QString& name)
{
    std::vector<int> found;
    for (int i = 1; i <= score.FavTop(); ++i)
        if (score.GetFav(i).Name == name)
            found.push_back(i);
    return found;
}

void LoadFavourites(cScore& score, const cData& data, iPrompt& prompt)
{
    const QString file = QDir::toNativeSeparators(score.Favourites().Path());
    if (!score.OpenFav()) {
        prompt.Inform(data.ProdName(), QStringLiteral("The favorites file %1 could not be read.").arg(file),
                      iPrompt::Icon::Warning);
        return;
    }
    const int skipped = score.Favourites().Skipped();
    if (skipped == 1)
        prompt.Inform(data.ProdName(), QStringLiteral("One damaged line of the favorites file %1 was left out.").arg(file),
                      iPrompt::Icon::Warning);
    else if (skipped > 1)
        prompt.Inform(data.ProdName(),
                      QStringLiteral("%1 damaged lines of the favorites file %2 were left out.").arg(skipped).arg(file),
                      iPrompt::Icon::Warning);
}

} // namespace solvane
