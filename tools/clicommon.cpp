#include "clicommon.h"

#include <cmath>
#include <cstdlib>

namespace solvane::cli {

double ParseGameNumber(const std::string& text)
{
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(v) || v < 0)
        throw UsageError("not a game number: \"" + text + "\"");
    return v;
}

GameRules RulesFromArgs(const Args& args, size_t& next)
{
    if (next >= args.size())
        throw UsageError("a game name or --rules is missing");
    if (args[next] == "--rules") {
        if (next + 1 >= args.size())
            throw UsageError("--rules needs ten comma-separated values");
        GameRules r;
        if (auto why = ParseRules(args[next + 1], r))
            throw UsageError("bad rule list: " + *why);
        if (auto why = ValidateRules(r))
            throw UsageError("bad rule list: " + *why);
        next += 2;
        return r;
    }
    const auto rules = StandardRules(args[next]);
    if (!rules)
        throw UsageError("unknown game: \"" + args[next] + "\"");
    ++next;
    return *rules;
}

} // namespace solvane::cli
