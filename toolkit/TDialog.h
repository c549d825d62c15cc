#pragma once
#include <functional>
#include <memory>
#include <string>

#include "framework/TColor.h"
#include "toolkit/TAnimation.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMenu.h"
#include "toolkit/TShadow.h"
#include "toolkit/TSprite.h"

class TGameImage;

// A modal panel over the current screen: a background picture (or a filled box), a header, a
// word-wrapped body, up to two pictures and a menu. It slides in from an edge, dims the screen,
// blocks the framework's Escape handling while open and slides out when closed, leaving
// CloseResult (1 OK or Yes, -1 No or Cancel) for its owner. Owners keep running their loop and
// manage and draw the dialog in place of their own interactive parts.
class TDialog {
public:
    using Callback = std::function<void(TDialog&)>;
    virtual ~TDialog() = default;

    std::string Tag;
    std::shared_ptr<TLabel> Caption;
    std::shared_ptr<TGameImage> Background;
    int Active = 0;
    int Disabled = 0;
    std::shared_ptr<TShadow> Shadow;
    int DrawHighlight = 1;
    int w = 0, h = 0, x = 0, y = 0;
    int Border = 20;
    TColor DialogColor{150, 150, 150, 1.0f};
    std::shared_ptr<TMenu> Menu;
    int MenuShow = 1;
    int Centre = 1;
    int FixedWidth = 0;
    int WordWrapWidth = 0;
    int ReenableEscapeKey = 1;
    int OldIgnoreEscapeKey = 0;
    int CallPreCalcWordWrap = 1;
    int CaptionOX = 0, CaptionOY = 0, CaptionOffsetX = 0, CaptionOffsetY = 0;
    int CaptionCentreVert = 0;
    int MenuOX = 0, MenuOY = 0;
    std::shared_ptr<TSprite> Header;
    std::string Ext = ".png";
    std::shared_ptr<TLabel> TextHeader;
    std::shared_ptr<TGameImage> Picture;
    int PictureX = 0, PictureY = 0;
    float PictureScale = 1.0f, PictureAngle = 0;
    std::shared_ptr<TShadow> PictureShadow;
    std::shared_ptr<TGameImage> Picture2;
    int Picture2X = 0, Picture2Y = 0;
    float Picture2Scale = 1.0f, Picture2Angle = 0;
    std::shared_ptr<TShadow> Picture2Shadow;
    std::shared_ptr<TAnimation> TransitionIn, TransitionOut;
    int Transitioning = 0;  // 1 sliding in, 2 sliding out
    float DimBackground = 0;
    int FadeDialog = 0;
    int CloseResultTemp = 0, CloseResult = 0;
    int Slide = 0;  // 0 none, 1 top, 2 right, 3 bottom, 4 left, 5 random
    int SlideSine = 0;
    int SlideExtra = 0;
    float OffsetX = 0, OffsetY = 0;
    float Alpha = 1.0f;
    Callback TransitionCompleteUserFunction, CloseUserFunction;
    std::string ActivateSound, SlideInSound, SlideOutSound;  // sound-bank names

    virtual void Init(const std::string& text, std::shared_ptr<TGameImage> background, int w, int h,
                      int x, int y);
    virtual void Start();
    virtual void SetupCaption(int imageFont, std::shared_ptr<TColor> colour,
                              std::shared_ptr<TShadow> shadow,
                              std::shared_ptr<TBitmapFont> bitmapFont);
    virtual void SetupTextHeader(const std::string& text, int imageFont,
                                 std::shared_ptr<TColor> colour, std::shared_ptr<TShadow> shadow,
                                 std::shared_ptr<TBitmapFont> bitmapFont);
    virtual void SetSlide(int slide, int sine);
    virtual void SetTransitions(int inMs, int outMs, float dim, int fade, int slide, int sine,
                                int playSound);
    virtual void CalcAll();
    virtual void CalcSize();
    virtual void CalcXY();
    virtual void CalcOffset();
    virtual int CaptionGetCentredX() const { return x + w / 2; }
    virtual void HeaderLoad(const std::string& name, int hx, int hy);
    virtual void SetLabelsXY();
    virtual void MenuPosition();
    virtual int MenuGetCentredX() const;
    // Non-zero while open; subtypes return the close result once it is known.
    virtual int Manage();
    // Returns 1 on the tick the dialog finished closing.
    virtual int ManageCore();
    virtual int ManageTransitions();
    virtual void Draw();
    virtual void SetAlphas(float a);
    virtual void SetWordWrap(int width);
    virtual void DoDrawHighlight(float alpha);
    // The result now without an out-transition, else 0 until the slide-out ends.
    virtual int Close(int result);
    virtual void Finalise();
    virtual void Kill();

protected:
    // Slide 5: a new random edge on every start.
    int SlideRandom = 0;
    void SetLabelRounding(int roundX, int roundY);
    void DrawPicture(const std::shared_ptr<TGameImage>& img, int px, int py, float scale,
                     float angle, const std::shared_ptr<TShadow>& shadow, float alpha);
    void ClearHits();
};
