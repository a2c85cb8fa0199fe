#include "clideal.h"

#include "cboardset.h"
#include "mcardtext.h"

#include <iostream>

namespace solvane::cli {

int RunDeal(const Args& args)
{
    size_t next = 1;
    const GameRules rules = RulesFromArgs(args, next);
    if (next + 1 != args.size())
        throw UsageError("usage: solvane-cli deal GAME NUMBER");
    const double number = ParseGameNumber(args[next]);
    cBoardSet set;
    set.NewDeal(rules, number);
    std::cout << BoardText(set.Board());
    return 0;
}

} // namespace solvane::cli
