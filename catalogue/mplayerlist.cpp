#include "mplayerlist.h"

#include "cdata.h"
#include "mdrawnicon.h"

#include <QComboBox>

namespace solvane {

void FillPlayerList(QComboBox* list, const cData& data)
{
    list->clear();
    const QIcon icon = PlayerIcon();
    for (int slot = 1; slot <= data.TotalPlayers(); ++slot)
        list->addItem(icon, data.GetPlayer(slot));
    list->setCurrentIndex(list->findText(data.CurPlayer(), Qt::MatchExactly));
}

} // namespace solvane
