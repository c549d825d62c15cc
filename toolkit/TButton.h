#pragma once
#include <functional>
#include <memory>
#include <string>

#include "toolkit/TLabel.h"
#include "toolkit/TMouseRepeat.h"
#include "toolkit/TSprite.h"

// The clickable sprite of every screen: normal, mouse-over, pressed ("down") and disabled
// pictures, hover and click sounds (sound-bank names played through PlayToolkitSound), a hover
// scale and glow, a caption, dragging, and the Enter key for an OK button. The sprite's
// BoundingBox, when set, is the button's hit box, and the sprite's MouseOver its hover flag.
class TButton : public TSprite {
public:
    TButton();
    ~TButton() override;

    std::shared_ptr<TGameImage> ImageDisabled;
    std::shared_ptr<TGameImage> ImageMouseClick;
    std::shared_ptr<TGameImage> ImageMouseOver;
    std::shared_ptr<TGameImage> ImageScaled;
    std::string SoundMouseOver, SoundClick, SoundClick2;
    std::shared_ptr<TLabel> Caption;
    std::shared_ptr<TColor> CaptionDisabledColor;
    std::shared_ptr<TMouseRepeat> MouseRepeat;
    int Active = 1;
    int AlwaysDraw = 0;
    int Animated = 0;
    int ClickDisabled = 1;
    int ClickWhenDown = 0;
    int Disabled = 0;
    int Draggable = 0;
    int DragDeadZone = 0;
    int SoundsWhenDisabled = 1;
    int OKButton = 0;
    int OKButtonUseSpace = 1;
    int StayDown = 0;
    int UseGlowOnMO = 1;
    int UseMenuPath = 0;
    // Set and returning non-zero: hovering is refused.
    std::function<int(TButton&)> MouseOverUserFunction;
    int Clicked = 0, DoubleClicked = 0, Dragging = 0;
    int AutoGlowOnMO = 0;
    std::shared_ptr<TColor> CaptionDownColor;
    float CaptionDownScale = 1.0f;
    float CaptionDownOffsetX = 0, CaptionDownOffsetY = 0;
    int CircularCollisionRadius = 0;
    int DragStartX = -1, DragStartY = -1;
    int DragOffsetX = 0, DragOffsetY = 0;
    float DoubleClickCounter = 0, DoubleClickTime = 0;
    int FixedGlowOnMO = 0, FixedGlowOnMOUseMO = 0;
    int LastMouseDown = 0;
    float MouseClickCounter = 0, MouseClickDuration = 0;
    int NoSound = 0;
    int OldRoundedCoords = 0;
    float ScaleOnMOMax = 1.0f;
    float ScaleOnMO = 1.0f;
    float ScaleOnMOUpSpeed = 0.03f, ScaleOnMODownSpeed = 0.01f;
    int ScaleOnMORoundCoords = 0;
    int ScaleOnMODelayFrames = 0;
    float ScaleOnMODelayCounter = 0;
    int ScaleOnMOStayOnScreen = 0;
    std::function<void(TButton&, float, int)> ScaleOnMODrawUserFunction;
    int ScaleOnMOUseGlow = 1;

    void CentreX(float py) override;
    void Draw() override;
    void Init() override;
    void Kill() override;

    void ClampScaledCoords(float& px, float& py, float s) const;
    void ClearClick();
    void ClearDrag();
    void ClearDoubleClick() { DoubleClicked = 0; }
    void ClearMouseOver();
    // Returns 1 when the click was accepted.
    int Click(int repeat);
    static std::shared_ptr<TButton> CreateSpecial(const std::string& name,
                                                  const std::string& moName,
                                                  const std::string& soundMO,
                                                  const std::string& soundClick, float x, float y,
                                                  int useMenuPath = 0);
    void DrawCaption(const TColor* colour, float scale, float dx, float dy, int rounded);
    void FixedGlowOnMOActivate();
    int GetDoubleClicked();
    float GetMOScale() const;
    std::string GetPath() const;
    void Load(const std::string& name, const std::string& moName, const std::string& soundMO,
              const std::string& soundClick, int frames = 1);
    void LoadDisabled(const std::string& file, int clickDisabled);
    void LoadImages(const std::string& name, const std::string& moName, int frames = 1);
    void LoadMouseClick(const std::string& file, int ms);
    // One tick of input; returns Clicked.
    int Manage();
    void ManageDrag();
    void ManageMouseOverScale();
    int ManageNoSound();
    void ManageScaleOnMO();
    void MoveBy(float mx, float my);
    void MoveTo(float px, float py);
    void PlayClick();
    void PlayClick2();
    void PlayMouseOver();
    void Precache();
    void ResetScaleOnMO();
    void SetCircularCollision(int r) { CircularCollisionRadius = r; }
    void SetDoubleClickTime(int ms);
    void SetFixedGlowOnMO(float max, float glowSpeed, int useMO);
    void SetAutoGlow(float glowSpeed, float min, float max, int on);
    void SetBoundingBox(float x1, float y1, float x2OrW, float y2OrH, int corners, int relative);
    void SetBoundingBoxAuto(float fx, float fy);
    void SetImages(std::shared_ptr<TGameImage> normal, std::shared_ptr<TGameImage> mouseOver,
                   std::shared_ptr<TGameImage> click);
    void SetImageScaled(std::shared_ptr<TGameImage> scaled);
    void SetupCaption(const std::string& text, int imageFont, std::shared_ptr<TColor> colour,
                      std::shared_ptr<TShadow> shadow, std::shared_ptr<TBitmapFont> bitmapFont,
                      std::shared_ptr<TColor> inverseColour);
    void SetupCaptionDown(std::shared_ptr<TColor> colour, float scale, float offsetX,
                          float offsetY);
    void SetupMouseRepeat(int initialMs, int repeatMs);
    void SetupScaleOnMO(float max, float upSpeed, float downSpeed, int delayMs);
    void SimulateClick();
    void StartDrag();

    // True when (mx, my) is over the button at its drawing offset.
    bool HitTest(float mx, float my) const;

private:
    bool ScaleRaisedThisTick = false;
    void DrawState(TGameImage* img, int fr, float px, float py, bool glow);
};

// The button being dragged; while set, no other button reacts to the mouse. Not owned.
extern TButton* DraggedButton;

// True when the data file exists (any case).
bool ToolkitFileExists(const std::string& path);
