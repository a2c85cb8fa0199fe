#pragma once
// The table as accessibility tools see it: a canvas whose name is the place the keyboard's
// focus is on, with its card ("Seven of Hearts, pile 3"), so that a screen reader follows
// keyboard play.
#include <QAccessibleWidget>

namespace solvane {

class cTableAccessible : public QAccessibleWidget {
public:
    explicit cTableAccessible(QWidget* table);
    QString text(QAccessible::Text t) const override;
};

// Makes the accessibility tools ask cTableAccessible for every table view (once).
void InstallTableAccessibility();

} // namespace solvane
