#include "frmhistory.h"

#include "ctrans.h"
#include "mtoolicons.h"
#include "ui_frmhistory.h"

#include <QHeaderView>

namespace solvane {

namespace {
constexpr int kTwipsPerPixel = 15;
constexpr int kColumnTwips[] = {1058, 4234, 4234, 1147};
const QColor kCurrent(128, 0, 0);
const QColor kRedoable(128, 128, 0);
} // namespace

frmHistory::frmHistory(const cTrans& log, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmHistory>()), log_(log)
{
    ui->setupUi(this);
    for (int c = 0; c < 4; ++c)
        ui->lvHistory->setColumnWidth(c, kColumnTwips[c] / kTwipsPerPixel);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    CreateLV();
}

frmHistory::~frmHistory() = default;

void frmHistory::CreateLV()
{
    QTreeWidget* lv = ui->lvHistory;
    lv->clear();
    const QIcon icon = ToolIcon(QStringLiteral("Select"));
    QTreeWidgetItem* current = nullptr;
    QList<QTreeWidgetItem*> items;
    for (const auto& row : log_.HistoryRows()) {
        auto* item = new QTreeWidgetItem({QString::number(row.Number), QString::fromStdString(row.Source),
                                          QString::fromStdString(row.Destination),
                                          QString::number(row.Cards)});
        item->setIcon(0, icon);
        if (row.Kind != cTrans::RowKind::Done) {
            const QColor colour = row.Kind == cTrans::RowKind::Current ? kCurrent : kRedoable;
            for (int c = 0; c < 4; ++c) {
                item->setForeground(c, colour);
                if (row.Kind == cTrans::RowKind::Current) {
                    QFont f = item->font(c);
                    f.setBold(true);
                    item->setFont(c, f);
                }
            }
        }
        if (row.Kind == cTrans::RowKind::Current)
            current = item;
        items << item;
    }
    lv->addTopLevelItems(items);
    if (current)
        lv->scrollToItem(current);
}

} // namespace solvane
