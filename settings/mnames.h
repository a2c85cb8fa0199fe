#pragma once
// Names typed by the player become file names in the data folder (<player>.sre,
// <game>.gam), so every accepted name is checked here first.
#include <QString>

#include <optional>

namespace solvane {

constexpr int kMaxNameLength = 60;

// Why the name cannot be used, or nothing when it is fine.
std::optional<QString> NameProblem(const QString& name);
// The message for a refused name: "Please Enter a Valid Name" and the reason as a
// sentence, or nothing when the name is fine.
std::optional<QString> InvalidNameMessage(const QString& name);
inline bool IsValidName(const QString& name) { return !NameProblem(name).has_value(); }

} // namespace solvane
