#pragma once
// A game number as the program keeps it: a computed number, or the text the player typed.
// Score and favourite files write a number plainly and a text in quotes, and read back
// which it was.
#include <QString>

namespace solvane {

class cGameNo {
public:
    cGameNo() = default;
    explicit cGameNo(double number) : number_(number) {}
    static cGameNo FromText(const QString& text);

    bool IsText() const { return isText_; }
    // The number for the shuffle: the text converted as the player's locale reads numbers
    // (with or without group separators), 0 when it is not a number.
    double Value() const;
    // As shown in captions and lists: the text as typed, or the number in plain decimal.
    QString Text() const;

    bool operator==(const cGameNo& o) const
    {
        return isText_ == o.isText_ && (isText_ ? text_ == o.text_ : number_ == o.number_);
    }

    // A number in plain decimal: no exponent, no group separators, fractions as needed.
    static QString NumberText(double v);
    // Reads a numeric text in the current locale, or the C locale; nothing if neither can.
    static bool ParseNumber(const QString& text, double& out);

private:
    double number_ = 0;
    QString text_;
    bool isText_ = false;
};

} // namespace solvane
