#pragma once
// The help page of a designed game, written from the texts of the game description panel
// ("Card Arranging Order : Down Alternate Color" and so on), for the help viewer's page
// maker.
#include <QString>
#include <QStringList>

namespace solvane {

QString DesignedGamePage(const QString& gameName, const QStringList& foundation,
                         const QStringList& tableau, const QStringList& freeCells);

} // namespace solvane
