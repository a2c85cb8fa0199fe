#pragma once
// A placeholder marking where a pile lies when no card covers it. It draws one picture
// and reports a click; it takes no part in mouse play.
#include <QGraphicsObject>
#include <QPixmap>
#include <QVariantMap>

#include <cstdint>

namespace solvane {

class VexEmpty : public QGraphicsObject {
    Q_OBJECT
    Q_PROPERTY(qint32 Mode READ Mode WRITE SetMode NOTIFY ModeChanged)
public:
    explicit VexEmpty(QGraphicsItem* parent = nullptr);

    // A null picture is ignored and the old one kept.
    void Pic(const QPixmap& pic);
    const QPixmap& Picture() const { return pic_; }
    // Stored and kept with the control's properties; it does not change what is drawn.
    int32_t Mode() const { return mode_; }
    void SetMode(int32_t mode);
    void Refreshcard();

    // The control's stored properties, under the key "Mode".
    void ReadProperties(const QVariantMap& props);
    void WriteProperties(QVariantMap& props) const;

    int RedrawCount() const { return redraws_; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void Click();
    void ModeChanged();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    int32_t mode_ = 0;
    QPixmap pic_;
    int redraws_ = 0;
};

} // namespace solvane
