#include "cliart.h"

#include "cpictures.h"
#include "martlist.h"
#include "martmetrics.h"
#include "mtiles.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <iostream>
#include <memory>

namespace solvane::cli {

namespace {
constexpr int kExitWriteFailed = 1;
constexpr qreal kRatios[] = {1.0, 2.0};
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr int kSheetGap = 8;
constexpr int kLabelHeight = 16;
constexpr int kLabelWidth = 130;
const QColor kSheetGround(0x1B, 0x5E, 0x30);

// The art needs a GUI application; without a screen the offscreen platform serves.
std::unique_ptr<QGuiApplication> EnsureApplication()
{
    if (QGuiApplication::instance())
        return {};
    static int argc = 3;
    static char arg0[] = "solvane-cli", arg1[] = "-platform", arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

class ArtWriter {
public:
    explicit ArtWriter(QDir dir) : dir_(std::move(dir)) {}

    // Writes the whole file or nothing: a failed write leaves no broken file behind.
    void Save(const QImage& image, const QString& name)
    {
        QSaveFile file(dir_.filePath(name));
        QImageWriter writer(&file, "png");
        if (!file.open(QIODevice::WriteOnly) || !writer.write(image) || !file.commit()) {
            std::cerr << "solvane-cli: could not write " << file.fileName().toStdString() << '\n';
            ++failed_;
            return;
        }
        ++written_;
    }
    void Save(const QPixmap& pm, const QString& name) { Save(pm.toImage(), name); }

    int Written() const { return written_; }
    int Failed() const { return failed_; }

private:
    QDir dir_;
    int written_ = 0;
    int failed_ = 0;
};

QString Suffix(qreal ratio) { return ratio == 1.0 ? QStringLiteral(".png") : QStringLiteral("@2x.png"); }
QString Num(int n, int width) { return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')); }

QImage Sheet(QSize logical, qreal ratio)
{
    QImage img(logical * ratio, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(ratio);
    img.fill(kSheetGround);
    return img;
}

void Label(QPainter& p, const QRect& cell, const QString& text)
{
    p.setPen(Qt::white);
    p.drawText(QRect(cell.center().x() - kLabelWidth / 2, cell.bottom() + 1, kLabelWidth, kLabelHeight),
               Qt::AlignCenter, text);
}

QImage FaceSheet(cPictures& pics, qreal ratio)
{
    constexpr int cols = 13, rows = 4;
    const QSize cell(kCardPixelWidth + kSheetGap, kCardPixelHeight + kSheetGap);
    QImage img = Sheet(QSize(cols * cell.width() + kSheetGap, rows * cell.height() + kSheetGap), ratio);
    QPainter p(&img);
    for (int n = 1; n <= kFacePictures; ++n) {
        const int i = n - 1;
        p.drawPixmap(kSheetGap + (i % cols) * cell.width(), kSheetGap + (i / cols) * cell.height(),
                     pics.MainPic(n, ratio));
    }
    return img;
}

QImage BackSheet(cPictures& pics, qreal ratio)
{
    const auto& groups = DeckGroups();
    size_t cols = 0;
    for (const ArtGroup& g : groups)
        cols = std::max(cols, g.Ids.size());
    const QSize cell(kLabelWidth, kCardPixelHeight + kSheetGap + kLabelHeight);
    QImage img = Sheet(QSize(int(cols) * cell.width() + kSheetGap, int(groups.size()) * cell.height() + kSheetGap), ratio);
    QPainter p(&img);
    for (size_t row = 0; row < groups.size(); ++row)
        for (size_t k = 0; k < groups[row].Ids.size(); ++k) {
            const QRect r(kSheetGap + (kLabelWidth - kCardPixelWidth) / 2 + int(k) * cell.width(), kSheetGap + int(row) * cell.height(),
                          kCardPixelWidth, kCardPixelHeight);
            p.drawPixmap(r.topLeft(), pics.GetPic(groups[row].Ids[k], ratio));
            Label(p, r, QStringLiteral("%1 (%2)").arg(ArtEntryName(groups[row], int(k))).arg(groups[row].Ids[k]));
        }
    return img;
}

QImage MarkSheet(cPictures& pics, qreal ratio)
{
    const QSize cell(kCardPixelWidth + kSheetGap, kCardPixelHeight + kSheetGap);
    QImage img = Sheet(QSize(kMarkPictures * cell.width() + kSheetGap, cell.height() + kSheetGap), ratio);
    QPainter p(&img);
    for (int m = 0; m < kMarkPictures; ++m)
        p.drawPixmap(kSheetGap + m * cell.width(), kSheetGap, pics.RightPic(m, ratio));
    return img;
}

// Each tile two by two, so that a seam would show where the copies meet.
QImage TileSheet(cPictures& pics)
{
    constexpr int cols = 6;
    constexpr int box = 2 * 200;
    const auto& groups = BackgroundGroups();
    std::vector<int> ids;
    for (const ArtGroup& g : groups)
        ids.insert(ids.end(), g.Ids.begin(), g.Ids.end());
    const int rows = (int(ids.size()) + cols - 1) / cols;
    const QSize cell(box + kSheetGap, box + kSheetGap + kLabelHeight);
    QImage img = Sheet(QSize(cols * cell.width() + kSheetGap, rows * cell.height() + kSheetGap), 1.0);
    QPainter p(&img);
    for (size_t i = 0; i < ids.size(); ++i) {
        const QSize s = TileSize(ids[i]);
        const QRect r(kSheetGap + int(i % cols) * cell.width(), kSheetGap + int(i / cols) * cell.height(),
                      2 * s.width(), 2 * s.height());
        p.drawTiledPixmap(r, pics.GetPic(ids[i]));
        Label(p, r, QStringLiteral("%1 (%2)").arg(ArtEntryName(ids[i])).arg(ids[i]));
    }
    return img;
}

void WritePictures(cPictures& pics, ArtWriter& out)
{
    for (qreal ratio : kRatios) {
        const QString sfx = Suffix(ratio);
        for (int n = 1; n <= kFacePictures; ++n)
            out.Save(pics.MainPic(n, ratio), QStringLiteral("face-") + Num(n, 2) + sfx);
        for (const ArtGroup& g : DeckGroups())
            for (int id : g.Ids)
                out.Save(pics.GetPic(id, ratio), QStringLiteral("back-") + Num(id, 3) + sfx);
        for (int m = 0; m < kMarkPictures; ++m)
            out.Save(pics.RightPic(m, ratio), QStringLiteral("mark-") + Num(m, 2) + sfx);
        for (const ArtGroup& g : BackgroundGroups())
            for (int id : g.Ids)
                out.Save(pics.GetPic(id, ratio), QStringLiteral("tile-") + Num(id, 2) + sfx);
        out.Save(FaceSheet(pics, ratio), QStringLiteral("sheet-faces") + sfx);
        out.Save(BackSheet(pics, ratio), QStringLiteral("sheet-backs") + sfx);
        out.Save(MarkSheet(pics, ratio), QStringLiteral("sheet-marks") + sfx);
    }
    out.Save(TileSheet(pics), QStringLiteral("sheet-tiles.png"));
    for (int size : kIconSizes)
        out.Save(pics.IconPic(size), QStringLiteral("icon-") + QString::number(size) + QStringLiteral(".png"));
}
} // namespace

int RunArt(const Args& args)
{
    if (args.size() != 2)
        throw UsageError("usage: solvane-cli art DIR");
    const auto app = EnsureApplication();
    const QString path = QString::fromStdString(args[1]);
    if (!QDir().mkpath(path)) {
        std::cerr << "solvane-cli: could not create the folder " << args[1] << '\n';
        return kExitWriteFailed;
    }
    cPictures pictures;
    ArtWriter out{QDir(path)};
    WritePictures(pictures, out);
    std::cout << "wrote " << out.Written() << " pictures to " << args[1] << '\n';
    return out.Failed() ? kExitWriteFailed : 0;
}

} // namespace solvane::cli
