#pragma once
// Pieces shared by the statistics windows: list cells, the key cell's look, choices with
// icons, and the note about damaged score-file lines.
#include "scorerecord.h"

#include <QColor>
#include <QIcon>
#include <QString>
#include <QStringList>

#include <initializer_list>

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace solvane {

class cDateForm;
class cScore;

// The cell of the key a list is ordered by: bold and dark red.
inline const QColor kKeyColour(128, 0, 0);
// The running game's rows of the session lists.
inline const QColor kRunningColour(120, 0, 0);

// A record's date in the short date form, or its text as written when unreadable.
QString RecordDate(const ScoreRecord& r, const cDateForm& form);

void MarkKeyCell(QTreeWidgetItem* item, int column);
void Colour(QTreeWidgetItem* item, const QColor& colour);
// Numbers right-aligned in the given columns.
void AlignRight(QTreeWidgetItem* item, std::initializer_list<int> columns);
// Headers of right-aligned columns aligned with their cells.
void AlignHeadersRight(QTreeWidget* list, std::initializer_list<int> columns);
// The first column takes the room left over, so that the numbers stay by their headers.
void StretchFirstColumn(QTreeWidget* list);
// Column widths in pixels, in column order.
void SetWidths(QTreeWidget* list, std::initializer_list<int> widths);

// Fills a choice box with texts, each with the icon.
void FillChoices(QComboBox* box, const QStringList& texts, const QIcon& icon);
// Selects the first entry, then the one equal to `text` if there is one.
void SelectFirstThen(QComboBox* box, const QString& text);

// Shows what the last load left out (damaged lines, unreadable files), or hides the label.
void ShowLoadProblems(QLabel* label, const cScore& score);

} // namespace solvane
