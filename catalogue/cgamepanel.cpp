#include "cgamepanel.h"

#include "ccustom.h"
#include "mstudio.h"

#include <QLabel>
#include <QVBoxLayout>

namespace solvane {

namespace {
constexpr int kIndent = 14;
constexpr int kGroupGap = 8;
constexpr qreal kNameScale = 1.25;
constexpr int kLongestOrder = 9; // "Up or Down Regardless of Suit"

struct Group {
    const char* caption;
    const char* captionName;
    std::vector<const char*> lines;
};

const Group kGroups[] = {
    {"Foundation", "lbGoal", {"lbGOrder", "lbGBase", "lbGCards"}},
    {"Tableau", "lbHome", {"lbHPiles", "lbHOrder", "lbHSpace", "lbHAK", "lbHMulti"}},
    {"Free Cells", "lbRes", {"lbRPiles", "lbRCards"}},
};
} // namespace

cGamePanel::cGamePanel(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    lbName = AddLabel("lbName");
    QFont big = lbName->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * kNameScale);
    lbName->setFont(big);
    lbProblem = AddLabel("lbProblem");
    lbProblem->setWordWrap(true);
    lbProblem->setStyleSheet(QStringLiteral("color: #a00000"));
    lbProblem->hide();
    for (const Group& g : kGroups) {
        layout->addSpacing(kGroupGap);
        QLabel* caption = AddLabel(g.captionName, true);
        caption->setText(QLatin1String(g.caption));
        captions_.push_back(caption);
        for (const char* line : g.lines)
            lines_.push_back(AddLabel(line));
    }
    layout->addStretch(1);
    // Wide enough for the longest rule line, so the panel keeps its size from game to game.
    const QString widest = QStringLiteral("Card Arranging Order : ") + OrderName(kLongestOrder);
    const QMargins m = layout->contentsMargins();
    setMinimumWidth(fontMetrics().horizontalAdvance(widest) + kIndent * 2 + m.left() + m.right());
}

QLabel* cGamePanel::AddLabel(const char* objectName, bool caption)
{
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(objectName));
    label->setTextFormat(Qt::PlainText);
    if (caption) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    } else if (qstrcmp(objectName, "lbName") != 0 && qstrcmp(objectName, "lbProblem") != 0) {
        label->setIndent(kIndent);
    }
    layout()->addWidget(label);
    return label;
}

std::optional<QString> cGamePanel::ShowGameDetails(cCustom& custom, const QString& name)
{
    if (auto problem = custom.InitGame(name)) {
        ShowProblem(name, *problem);
        return problem;
    }
    Describe(name, custom.Rules());
    return std::nullopt;
}

void cGamePanel::Describe(const QString& name, const GameRules& rules)
{
    const RulesTexts t = DescribeRules(rules);
    QStringList texts = t.foundation + t.tableau + t.freeCells;
    lbName->setText(name);
    lbProblem->hide();
    for (size_t k = 0; k < lines_.size(); ++k)
        lines_[k]->setText(texts.value(static_cast<qsizetype>(k)));
}

void cGamePanel::ShowProblem(const QString& name, const QString& problem)
{
    lbName->setText(name);
    lbProblem->setText(problem);
    lbProblem->setVisible(lbName->isVisibleTo(this));
    for (QLabel* line : lines_)
        line->clear();
}

void cGamePanel::SetLabelsVisible(bool visible)
{
    lbName->setVisible(visible);
    if (!visible)
        lbProblem->hide();
    for (QLabel* l : lines_)
        l->setVisible(visible);
    for (QLabel* l : captions_)
        l->setVisible(visible);
}

} // namespace solvane
