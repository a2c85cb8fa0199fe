#pragma once
// Every message box, question and file or colour dialog goes through this, so that the
// stores and windows can be tested with a scripted answerer.
#include <QString>

#include <cstdint>
#include <optional>

namespace solvane {

class iPrompt {
public:
    enum class Icon { None, Information, Question, Critical, Warning };

    virtual ~iPrompt() = default;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& title, const QString& text, Icon icon) = 0;
    // A message with an OK button.
    virtual void Inform(const QString& title, const QString& text, Icon icon) = 0;
    // A save-file dialog; nothing when the user cancels.
    virtual std::optional<QString> AskSavePath(const QString& defaultName, const QString& filter) = 0;
    // A colour dialog starting at a Windows colour value (red in the low byte); nothing
    // when the user cancels.
    virtual std::optional<int32_t> AskColor(int32_t initial) = 0;
};

} // namespace solvane
