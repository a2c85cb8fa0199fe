#pragma once
// Shows the program's help: its contents, or the page of a context number (a game's id;
// 0 and the ids of designed games have no page of their own).
namespace solvane {

class iHelpViewer {
public:
    virtual ~iHelpViewer() = default;
    virtual void ShowContents() = 0;
    virtual void ShowContext(int context) = 0;
};

} // namespace solvane
