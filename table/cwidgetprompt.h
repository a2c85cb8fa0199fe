#pragma once
// The real message boxes and dialogs behind the prompt interface.
#include "iprompt.h"

class QWidget;

namespace solvane {

class cWidgetPrompt : public iPrompt {
public:
    explicit cWidgetPrompt(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    bool AskYesNo(const QString& title, const QString& text, Icon icon) override;
    void Inform(const QString& title, const QString& text, Icon icon) override;
    std::optional<QString> AskSavePath(const QString& defaultName, const QString& filter) override;
    std::optional<int32_t> AskColor(int32_t initial) override;

private:
    QWidget* Owner() const;
    QWidget* owner_;
};

} // namespace solvane
