#pragma once

// What a screen knows of the interactive things it owns (its menu, the loading screen's
// click-to-continue button). The toolkit's menus and buttons implement it; the framework
// sits below the toolkit and cannot name them.
class TWidget {
public:
    virtual ~TWidget() = default;
    // One tick of input and animation at an offset; returns 1 when clicked.
    virtual int Manage(int x, int y) = 0;
    // As Manage, without playing sounds (first update of a screen's menu).
    virtual int ManageNoSound(int x, int y) { return Manage(x, y); }
    virtual void Draw(int x, int y) = 0;
    virtual void Kill() {}
    // Presses it from code: the click feedback plays as if the player clicked.
    virtual void Press() {}
};
