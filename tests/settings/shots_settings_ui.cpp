// Saves pictures of the players dialogs and of every customize tab, for looking at them:
// settings_ui_shots <folder>.
#include "dlginput.h"
#include "fakeprompt.h"
#include "frmcustomize.h"
#include "frmplayers.h"
#include "isolateddata.h"
#include "shotsaver.h"
#include "cscore.h"
#include "cpictures.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>

#include <cstdio>

using namespace solvane;
using namespace solvane::test;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = ShotFolder(argc, argv);
    if (folder.isEmpty())
        return 2;
    IsolatedData d;
    FakePrompt prompt;
    cScore score(*d, prompt);
    cPictures pictures;
    const QStringList names = {"Player1", "Ann", "Bob the Builder", "Cy", "Dora"};
    for (int i = 0; i < names.size(); ++i)
        d->SetPlayer(i + 1, names[i], i == 1);
    d->SetRecent("Freecell");

    {
        frmPlayers w(*d, score, prompt);
        SaveShot(w, folder, "players");
    }
    {
        dlGInput w(*d, score, prompt);
        w.Setup("Add Player", QString());
        SaveShot(w, folder, "name-add");
        w.Setup("Edit Player", "Bob the Builder");
        SaveShot(w, folder, "name-edit");
    }
    {
        frmCustomize w(*d, score, pictures, prompt, nullptr);
        auto* tabs = w.findChild<QTabWidget*>("SSTab1");
        const char* shots[] = {"customize-general", "customize-background", "customize-decks", "customize-animation"};
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            SaveShot(w, folder, shots[i]);
        }
        // A tile chosen, its group open.
        auto* tv = w.findChild<QTreeWidget*>("tvBGround");
        tv->setCurrentItem(tv->findItems("Bricks 03", Qt::MatchExactly | Qt::MatchRecursive).value(0));
        tabs->setCurrentIndex(1);
        SaveShot(w, folder, "customize-background-tile");
        auto* decks = w.findChild<QTreeWidget*>("tvDeck");
        decks->setCurrentItem(decks->findItems("Nature 03", Qt::MatchExactly | Qt::MatchRecursive).value(0));
        tabs->setCurrentIndex(2);
        SaveShot(w, folder, "customize-decks-tile");
    }
    return 0;
}
