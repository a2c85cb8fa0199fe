#pragma once
// The player-name dialog: one text box for a new player's name or a player's new name.
// OK checks the name and writes it into the player slots; the dialog stays open, with a
// message, while the name cannot be taken.
#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class dlGInput;
}

namespace solvane {

class cData;
class iScoreStore;
class iPrompt;

class dlGInput : public QDialog {
    Q_OBJECT
public:
    dlGInput(cData& data, const iScoreStore& score, iPrompt& prompt, QWidget* parent = nullptr);
    ~dlGInput() override;

    // The label's text and the starting name, shown wholly selected. An empty starting name
    // adds a player; any other renames the player of that name.
    void Setup(const QString& promptText, const QString& name);
    QString StartingName() const { return startingName_; }

    // What OK does: checks the typed name and, when it can be taken, writes it and closes.
    void OKButtonClick();

private:
    // The message that refuses the typed name, or nothing when it can be taken.
    std::optional<QString> Problem(const QString& name) const;
    void Refuse(const QString& text);

    std::unique_ptr<Ui::dlGInput> ui;
    cData& data_;
    const iScoreStore& score_;
    iPrompt& prompt_;
    QString startingName_;
};

// Shows the dialog modally; true when a name was written.
bool AskPlayerName(cData& data, const iScoreStore& score, iPrompt& prompt, const QString& promptText,
                   const QString& name, QWidget* owner);

} // namespace solvane
