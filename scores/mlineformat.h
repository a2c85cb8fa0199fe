#pragma once
// The line form of score and favourite files: comma-separated fields, texts in double
// quotes (a quote inside doubled), numbers bare, CR LF at the end.
#include "cgameno.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

namespace solvane {

struct LineField {
    std::string_view Text; // without the quotes; doubled quotes not yet undone
    bool Quoted = false;
    bool Escaped = false;  // holds a doubled quote

    std::string Unescaped() const;
    QString ToQString() const;
};

constexpr const char* kLineEnd = "\r\n";

// Splits one line (without its line end) into at most `capacity` fields. Gives the number
// of fields, or -1 when the line is malformed (an open quote, text after a closing quote,
// a quote inside a bare field) or holds more than `capacity` fields.
int SplitFields(std::string_view line, LineField* out, int capacity);

// A bare whole number within [lo, hi], an optional sign and blanks around it allowed.
bool ParseWhole(const LineField& f, int64_t lo, int64_t hi, int64_t& out);
// A game number field: quoted, it is the text; bare, a finite decimal number.
bool ParseGameNo(const LineField& f, cGameNo& out);

QByteArray QuotedField(const QString& text);
QByteArray GameNoField(const cGameNo& no);
// True when a text can stand in a field of one line (no line breaks).
bool FitsOnOneLine(const QString& text);

} // namespace solvane
