#pragma once
// Benchmarks answer no question and show no message.
#include "iprompt.h"

namespace solvane::bench {

struct SilentPrompt : iPrompt {
    bool AskYesNo(const QString&, const QString&, Icon) override { return false; }
    void Inform(const QString&, const QString&, Icon) override {}
    std::optional<QString> AskSavePath(const QString&, const QString&) override { return std::nullopt; }
    std::optional<int32_t> AskColor(int32_t) override { return std::nullopt; }
};

} // namespace solvane::bench
