#pragma once
// A mark laid over a place of the table: the soft light on a place that would take the
// cards held, or the frame of the keyboard's focus. It draws only and takes no clicks.
#include <QGraphicsItem>

namespace solvane {

class VexGlow : public QGraphicsItem {
public:
    enum class Style { Target, Focus };

    explicit VexGlow(Style style);
    Style Kind() const { return style_; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    Style style_;
};

} // namespace solvane
