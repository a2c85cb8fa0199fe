#pragma once
// A scripted answerer for message boxes and dialogs: it records every message and answers
// questions from a queue (Yes when the queue is empty).
#include "iprompt.h"

#include <QStringList>

#include <deque>

namespace solvane::test {

struct FakePrompt : iPrompt {
    struct Shown {
        QString title, text;
        Icon icon;
        bool question;
    };
    std::vector<Shown> shown;
    std::deque<bool> answers;
    std::deque<std::optional<QString>> savePaths;
    std::deque<std::optional<int32_t>> colors;

    bool AskYesNo(const QString& title, const QString& text, Icon icon) override
    {
        shown.push_back({title, text, icon, true});
        if (answers.empty())
            return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void Inform(const QString& title, const QString& text, Icon icon) override
    {
        shown.push_back({title, text, icon, false});
    }
    std::optional<QString> AskSavePath(const QString&, const QString&) override
    {
        if (savePaths.empty())
            return std::nullopt;
        auto p = savePaths.front();
        savePaths.pop_front();
        return p;
    }
    std::optional<int32_t> AskColor(int32_t) override
    {
        if (colors.empty())
            return std::nullopt;
        auto c = colors.front();
        colors.pop_front();
        return c;
    }
    QStringList Texts() const
    {
        QStringList t;
        for (const auto& s : shown)
            t << s.text;
        return t;
    }
};

} // namespace solvane::test
