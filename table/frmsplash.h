#pragma once
// The splash window: the product's artwork and version, for two seconds or until a click
// or a key.
#include <QTimer>
#include <QWidget>

namespace solvane {

class cPictures;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMs = 2000;

    frmSplash(cPictures& pictures, const QString& productName, QWidget* parent = nullptr);
    // "Version : " with the major and minor version.
    static QString VersionText();

    QTimer Timer1;

signals:
    // Time to give way to the main window; sent once.
    void Done();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Finish();

    cPictures& pictures_;
    QString product_;
    bool done_ = false;
};

} // namespace solvane
