#include "frmcustomize.h"

#include "cdata.h"
#include "cpictures.h"
#include "iscorestore.h"
#include "itablelook.h"
#include "iprompt.h"
#include "martlist.h"
#include "mcolortable.h"
#include "ui_frmcustomize.h"

#include <QLocale>
#include <QPainter>
#include <QSlider>
#include <QStyle>

#include <array>

namespace solvane {

namespace {
constexpr int kRanges = 15;
constexpr int kSliderTop = 50; // a slider at p stands for the speed 50 - p
constexpr int kIconSize = 16;
const QString kClearRecentQuestion = QStringLiteral("Are you sure you want to clear the Recent Games List ?");
const QString kRecentCleared = QStringLiteral("Recent Games List has been Cleared.");

using Getter = int (cData::*)() const;
using Setter = void (cData::*)(int);
struct Switch {
    const char* Caption;
    Getter Get;
    Setter Set;
};
// The sound list in its order, with the switch each entry sets.
const std::array<Switch, 7> kSounds = {{
    {"Initial Shuffle", &cData::SoundStart, &cData::SetSoundStart},
    {"Card Up", &cData::SoundCardUp, &cData::SetSoundCardUp},
    {"Card Down", &cData::SoundCardDown, &cData::SetSoundCardDown},
    {"Autoplay Move", &cData::SoundAutoPlay, &cData::SetSoundAutoPlay},
    {"Undo", &cData::SoundUndo, &cData::SetSoundUndo},
    {"Redo", &cData::SoundRedo, &cData::SetSoundRedo},
    {"Game Won", &cData::SoundWin, &cData::SetSoundWin},
}};
// The speeds of Slider1 to Slider4.
const std::array<std::pair<Getter, Setter>, 4> kSpeeds = {{
    {&cData::CardSpeed, &cData::SetCardSpeed},
    {&cData::UndoSpeed, &cData::SetUndoSpeed},
    {&cData::UndoallSpeed, &cData::SetUndoallSpeed},
    {&cData::ReplaySpeed, &cData::SetReplaySpeed},
}};
constexpr int kOn = -1; // sound switches are true (-1) or false (0)

// 10 to the power i, minus 1, with the regional thousands separator: 9, 99 ... 999,999.
QString RangeText(int i)
{
    qint64 value = 1;
    for (int k = 0; k < i; ++k)
        value *= 10;
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(value - 1);
}

// A picture icon that keeps its colours on a selected row, where a style would tint it.
QIcon Unshaded(const QPixmap& pm)
{
    QIcon icon(pm);
    icon.addPixmap(pm, QIcon::Selected);
    return icon;
}
} // namespace

frmCustomize::frmCustomize(cData& data, iScoreStore& score, cPictures& pictures, iPrompt& prompt,
                           iTableLook* table, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmCustomize>()), data_(data), score_(score),
      pictures_(pictures), prompt_(prompt), table_(table)
{
    ui->setupUi(this);
    ui->SSTab1->setCurrentIndex(0);
    ui->picBGround->SetPictures(&pictures_);
    ui->picDeckBack->SetPictures(&pictures_);
    LoadGeneral();
    LoadBackground();
    LoadAnimation();
    LoadDecks();
    Connect();
}

frmCustomize::~frmCustomize() = default;

void frmCustomize::LoadGeneral()
{
    for (int i = 1; i <= kRanges; ++i)
        ui->imcRange->addItem(RangeText(i));
    ui->imcRange->setCurrentIndex(data_.RangeIndex() - 1);
    ui->chkTime->setChecked(data_.ShowTime() == 1);
    ui->chkMoves->setChecked(data_.ShowMoves() == 1);
    ui->chkScore->setChecked(data_.ShowScore() == 1);
    ui->chkWinnable->setChecked(data_.ShowWinnable() == 1);
    ui->chkDoubleClick->setChecked(data_.DoubleClickMove() == 1);
    ui->chkKeepGame->setChecked(data_.KeepGame() == 1);
    ui->cmdClearRecent->setEnabled(data_.RecentCount() > 0);
}

void frmCustomize::LoadBackground()
{
    bg_ = data_.BGIndex();
    fade_ = data_.Fade();
    customColor_ = data_.CustomColor();
    ui->cmdCustom->setEnabled(bg_ == kCustomColorIndex);
    ui->chkFade->setEnabled(bg_ > kLastTileIndex);
    DrawPreviews();
    ui->chkFade->setChecked(fade_ == 1);
    BuildBackgroundTree();
    SelectTag(ui->tvBGround, bg_);
}

void frmCustomize::LoadAnimation()
{
    QSlider* sliders[] = {ui->Slider1, ui->Slider2, ui->Slider3, ui->Slider4};
    for (size_t i = 0; i < kSpeeds.size(); ++i)
        sliders[i]->setValue(kSliderTop - (data_.*kSpeeds[i].first)());
    for (const Switch& s : kSounds) {
        auto* item = new QTreeWidgetItem(ui->lvSound, {QString::fromLatin1(s.Caption)});
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(0, (data_.*s.Get)() != 0 ? Qt::Checked : Qt::Unchecked); // on as PlaySound reads it
    }
}

void frmCustomize::LoadDecks()
{
    deck_ = data_.DeckIndex();
    BuildDeckTree();
    SelectTag(ui->tvDeck, deck_);
    ui->picDeckBack->ShowBack(deck_);
}

void frmCustomize::Connect()
{
    connect(ui->tvBGround, &QTreeWidget::currentItemChanged, this, &frmCustomize::BackgroundChosen);
    connect(ui->tvDeck, &QTreeWidget::currentItemChanged, this, &frmCustomize::DeckChosen);
    connect(ui->cmdCustom, &QPushButton::clicked, this, &frmCustomize::cmdCustomClick);
    connect(ui->chkFade, &QCheckBox::clicked, this, &frmCustomize::chkFadeClick);
    const std::pair<QCheckBox*, Setter> shows[] = {{ui->chkTime, &cData::SetShowTime},
                                                   {ui->chkScore, &cData::SetShowScore},
                                                   {ui->chkMoves, &cData::SetShowMoves},
                                                   {ui->chkWinnable, &cData::SetShowWinnable},
                                                   {ui->chkDoubleClick, &cData::SetDoubleClickMove},
                                                   {ui->chkKeepGame, &cData::SetKeepGame}};
    for (const auto& [box, set] : shows)
        connect(box, &QCheckBox::clicked, this, [this, set](bool on) { (data_.*set)(on ? 1 : 0); });
    connect(ui->imcRange, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            data_.SetRangeIndex(i + 1);
    });
    connect(ui->cmdClearRecent, &QPushButton::clicked, this, &frmCustomize::cmdClearRecentClick);
    connect(ui->cmdClearStat, &QPushButton::clicked, this, [this] { score_.ClearStat(); });
    connect(ui->cmdExportStat, &QPushButton::clicked, this, [this] { score_.ExportStat(); });
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmCustomize::cmdOKClick);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QTreeWidgetItem* frmCustomize::AddNode(QTreeWidget* tree, QTreeWidgetItem* parent, const QString& text,
                                       const QString& key, const QIcon& icon, int tag)
{
    auto* item = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(tree, {text});
    item->setData(0, kKeyRole, key);
    if (tag != 0)
        item->setData(0, kTagRole, tag);
    item->setIcon(0, icon);
    return item;
}

void frmCustomize::BuildBackgroundTree()
{
    QTreeWidget* tv = ui->tvBGround;
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    QTreeWidgetItem* root = AddNode(tv, nullptr, QStringLiteral("Backgrounds"), QStringLiteral("main"), folder);
    QTreeWidgetItem* colours = AddNode(tv, root, QStringLiteral("Colors"), QStringLiteral("c"), folder);
    customItem_ = AddNode(tv, colours, QStringLiteral("Custom Color"), QStringLiteral("custom"),
                          ColourIcon(customColor_), kCustomColorIndex);
    for (int index = kFirstColorIndex; index <= kLastOfferedColorIndex; ++index) {
        const NamedColor c = *ColorEntry(index);
        AddNode(tv, colours, c.Name, c.Name, ColourIcon(c.Color), index);
    }
    for (const ArtGroup& group : BackgroundGroups()) {
        QTreeWidgetItem* node = AddNode(tv, root, group.Name, group.Name, folder);
        for (size_t k = 0; k < group.Ids.size(); ++k) {
            const QString name = ArtEntryName(group, int(k));
            AddNode(tv, node, name, name, QIcon(), group.Ids[k]);
        }
    }
    // Tiles take a while to paint, so a group's icons wait until it is opened.
    connect(tv, &QTreeWidget::itemExpanded, this, &frmCustomize::ShowTileIcons);
    root->setExpanded(true);
}

void frmCustomize::ShowTileIcons(QTreeWidgetItem* group)
{
    for (int i = 0; i < group->childCount(); ++i) {
        QTreeWidgetItem* entry = group->child(i);
        const int tag = entry->data(0, kTagRole).toInt();
        if (IsTileId(tag) && entry->icon(0).isNull())
            entry->setIcon(0, PictureIcon(tag));
    }
}

void frmCustomize::BuildDeckTree()
{
    QTreeWidget* tv = ui->tvDeck;
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    QTreeWidgetItem* root = AddNode(tv, nullptr, QStringLiteral("Decks"), QStringLiteral("main"), folder);
    for (const ArtGroup& group : DeckGroups()) {
        QTreeWidgetItem* node = AddNode(tv, root, group.Name, group.Name, folder);
        for (size_t k = 0; k < group.Ids.size(); ++k) {
            const QString name = ArtEntryName(group, int(k));
            AddNode(tv, node, name, name, PictureIcon(group.Ids[k]), group.Ids[k]);
        }
    }
    root->setExpanded(true);
}

// Selects the entry of that tag and opens its branch; a choice no entry offers selects none.
void frmCustomize::SelectTag(QTreeWidget* tree, int tag)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QVariant t = (*it)->data(0, kTagRole);
        if (t.isValid() && t.toInt() == tag) {
            for (QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
                up->setExpanded(true);
            tree->setCurrentItem(*it);
            tree->scrollToItem(*it);
            return;
        }
    }
}

QIcon frmCustomize::ColourIcon(int32_t color) const
{
    QPixmap pm(kIconSize, kIconSize);
    pm.fill(ToQColor(color));
    QPainter p(&pm);
    p.setPen(palette().color(QPalette::Shadow));
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    p.end();
    return Unshaded(pm);
}

// The picture shrunk into the icon's square, keeping its proportions.
QIcon frmCustomize::PictureIcon(int id) const
{
    const qreal ratio = devicePixelRatioF();
    const QPixmap pic = pictures_.GetPic(id, ratio);
    if (pic.isNull())
        return {};
    QPixmap pm(QSize(kIconSize, kIconSize) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF size = pic.deviceIndependentSize().scaled(kIconSize, kIconSize, Qt::KeepAspectRatio);
    p.drawPixmap(QRectF(QPointF((kIconSize - size.width()) / 2, (kIconSize - size.height()) / 2), size), pic,
                 QRectF(pic.rect()));
    p.end();
    return Unshaded(pm);
}

void frmCustomize::BackgroundChosen(QTreeWidgetItem* item)
{
    ui->cmdCustom->setEnabled(false);
    ui->chkFade->setEnabled(false);
    if (!item || !item->data(0, kTagRole).isValid())
        return;
    bg_ = item->data(0, kTagRole).toInt();
    DrawPreviews();
    ui->cmdCustom->setEnabled(bg_ == kCustomColorIndex);
    ui->chkFade->setEnabled(bg_ >= kCustomColorIndex);
}

void frmCustomize::DeckChosen(QTreeWidgetItem* item)
{
    if (!item || !item->data(0, kTagRole).isValid())
        return;
    deck_ = item->data(0, kTagRole).toInt();
    ui->picDeckBack->ShowBack(deck_);
}

void frmCustomize::cmdCustomClick()
{
    const auto chosen = prompt_.AskColor(customColor_);
    if (!chosen)
        return;
    customColor_ = *chosen;
    customItem_->setIcon(0, ColourIcon(customColor_));
    DrawPreviews();
}

void frmCustomize::chkFadeClick()
{
    fade_ = ui->chkFade->isChecked() ? 1 : 0;
    DrawPreviews();
}

void frmCustomize::cmdClearRecentClick()
{
    const QString title = data_.ProdName();
    if (!prompt_.AskYesNo(title, kClearRecentQuestion, iPrompt::Icon::Question))
        return;
    data_.ClearRecent();
    if (auto why = data_.Save())
        return prompt_.Inform(title, *why, iPrompt::Icon::Critical);
    ui->cmdClearRecent->setEnabled(false);
    prompt_.Inform(title, kRecentCleared, iPrompt::Icon::Information);
}

void frmCustomize::DrawPreviews()
{
    ui->picBGround->SetBG(bg_, fade_, customColor_);
    ui->picDeckBack->SetBG(bg_, fade_, customColor_);
}

void frmCustomize::cmdOKClick()
{
    QSlider* sliders[] = {ui->Slider1, ui->Slider2, ui->Slider3, ui->Slider4};
    for (size_t i = 0; i < kSpeeds.size(); ++i)
        (data_.*kSpeeds[i].second)(kSliderTop - sliders[i]->value());
    for (size_t i = 0; i < kSounds.size(); ++i) {
        const bool on = ui->lvSound->topLevelItem(int(i))->checkState(0) == Qt::Checked;
        (data_.*kSounds[i].Set)(on ? kOn : 0);
    }
    data_.SetBGIndex(bg_);
    data_.SetFade(fade_);
    data_.SetCustomColor(customColor_);
    data_.SetDeckIndex(deck_);
    if (table_) {
        table_->SetBackground(data_.BGIndex(), data_.Fade(), data_.CustomColor());
        table_->ApplyDeckBack(data_.DeckIndex());
    }
    accept();
}

} // namespace solvane
