#include "mstatwindow.h"

#include "cdateform.h"
#include "cscore.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

namespace solvane {

QString RecordDate(const ScoreRecord& r, const cDateForm& form)
{
    return r.Date.isValid() ? form.ShortDate(r.Date) : r.DateText;
}

void MarkKeyCell(QTreeWidgetItem* item, int column)
{
    QFont f = item->font(column);
    f.setBold(true);
    item->setFont(column, f);
    item->setForeground(column, kKeyColour);
}

void Colour(QTreeWidgetItem* item, const QColor& colour)
{
    for (int c = 0; c < item->columnCount(); ++c)
        item->setForeground(c, colour);
}

void AlignRight(QTreeWidgetItem* item, std::initializer_list<int> columns)
{
    for (int c : columns)
        item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
}

void AlignHeadersRight(QTreeWidget* list, std::initializer_list<int> columns)
{
    for (int c : columns)
        list->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
}

void StretchFirstColumn(QTreeWidget* list)
{
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
}

void SetWidths(QTreeWidget* list, std::initializer_list<int> widths)
{
    int c = 0;
    for (int w : widths)
        list->setColumnWidth(c++, w);
}

void FillChoices(QComboBox* box, const QStringList& texts, const QIcon& icon)
{
    for (const QString& t : texts)
        box->addItem(icon, t);
}

void SelectFirstThen(QComboBox* box, const QString& text)
{
    if (box->count() == 0)
        return;
    const int at = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(at >= 0 ? at : 0);
}

void ShowLoadProblems(QLabel* label, const cScore& score)
{
    const QStringList problems = score.LoadProblems();
    label->setVisible(!problems.isEmpty());
    label->setText(problems.join(u'\n'));
}

} // namespace solvane
