#pragma once
// The About box: icon, product name, version and a line on what the program is.
#include <QDialog>

class QLabel;

namespace solvane {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(const QString& productName, const QPixmap& icon, QWidget* parent = nullptr);
    QLabel* lblName = nullptr;
};

} // namespace solvane
