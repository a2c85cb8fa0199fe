#pragma once
// How a search pass ended.
namespace solvane {

enum class SearchOutcome { Won, Exhausted, Budget, Memory, Time, Cancelled };

} // namespace solvane
