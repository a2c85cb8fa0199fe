#pragma once
// One line of the statistics report in the classic print form: items either adjacent or
// in columns, the column stops lying 14 columns apart (1, 15, 29, ...); numbers with a
// sign position in front and one blank behind.
#include <QString>

#include <cstdint>

namespace solvane {

class cPrintLine {
public:
    static constexpr int kZoneWidth = 14;

    // The item starts at the first column stop after what the line holds.
    cPrintLine& Column(const QString& text);
    cPrintLine& Adjacent(const QString& text);
    cPrintLine& ColumnNumber(int64_t n) { return Column(NumberText(n)); }
    cPrintLine& AdjacentNumber(int64_t n) { return Adjacent(NumberText(n)); }

    const QString& Text() const { return text_; }

    // " 5 ", "-3 ", " 0 ".
    static QString NumberText(int64_t n);
    // The same for a game number in plain decimal.
    static QString NumberText(double v);

private:
    QString text_;
};

} // namespace solvane
