#include "frmsplash.h"

#include "cpictures.h"
#include "solvaneversion.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace solvane {

namespace {
constexpr int kWidth = 480;
constexpr int kHeight = 300;
constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;
} // namespace

frmSplash::frmSplash(cPictures& pictures, const QString& productName, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), pictures_(pictures),
      product_(productName)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);
    Timer1.setSingleShot(true);
    Timer1.setInterval(kShowMs);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Finish);
    Timer1.start();
}

QString frmSplash::VersionText()
{
    return QStringLiteral("Version : %1.%2").arg(kVersionMajor).arg(kVersionMinor);
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient felt(0, 0, 0, height());
    felt.setColorAt(0, QColor(0, 110, 40));
    felt.setColorAt(1, QColor(0, 45, 18));
    p.fillRect(rect(), felt);
    p.setPen(QPen(QColor(220, 190, 90), 3));
    p.drawRect(rect().adjusted(2, 2, -3, -3));

    // A fan of four Aces.
    const qreal ratio = devicePixelRatioF();
    const int faces[] = {1, 14, 27, 40};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(kWidth / 2.0, 205);
        p.rotate(-27 + 18 * i);
        const QPixmap face = pictures_.MainPic(faces[i], ratio);
        p.drawPixmap(QRectF(-kCardWidth / 2.0, -kCardHeight - 20, kCardWidth, kCardHeight), face,
                     QRectF(face.rect()));
        p.restore();
    }

    QFont title = font();
    title.setPixelSize(54);
    title.setBold(true);
    title.setLetterSpacing(QFont::PercentageSpacing, 108);
    p.setFont(title);
    QPainterPath text;
    text.addText(0, 0, title, product_);
    const QRectF box = text.boundingRect();
    p.translate((kWidth - box.width()) / 2 - box.left(), 262);
    p.setPen(QPen(QColor(40, 25, 0), 3));
    p.setBrush(QColor(250, 220, 110));
    p.drawPath(text);
    p.resetTransform();

    QFont small = font();
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(QColor(235, 235, 220));
    p.drawText(QRect(0, kHeight - 26, kWidth - 14, 20), Qt::AlignRight | Qt::AlignVCenter, VersionText());
}

void frmSplash::mousePressEvent(QMouseEvent*) { Finish(); }

void frmSplash::keyPressEvent(QKeyEvent*) { Finish(); }

void frmSplash::Finish()
{
    if (done_)
        return;
    done_ = true;
    Timer1.stop();
    emit Done();
}

} // namespace solvane
