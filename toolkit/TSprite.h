#pragma once
#include <functional>
#include <memory>
#include <string>

#include "framework/TColor.h"
#include "toolkit/TBox.h"
#include "toolkit/TSineCounter.h"

class TGameImage;
class TLabel;

// The toolkit's drawable, movable object: an image and frame, position with velocity and
// gravity, timed scale and rotation, alpha and tint, drop shadow, glow overlay, frame
// animation, an attached sprite and a text label. Owners call the Manage/Move operations
// once per logic tick; Draw changes only the drawing state, and puts it back.
class TSprite {
public:
    using Callback = std::function<void(TSprite&)>;

    TSprite();
    virtual ~TSprite() = default;

    std::string name;
    int active = 0;
    int visible = 1;
    float x = 0, y = 0;
    float offx = 0, offy = 0;
    int UseOffset = 0;
    float dx = 0, dy = 0;
    float xspeed = 0, yspeed = 0;
    float speed = 0;
    float xgravity = 0, ygravity = 0;
    int w = 0, h = 0;
    float w2 = 0, h2 = 0;
    std::shared_ptr<TGameImage> image;
    int RoundCoords = 0;
    int ImageFrame = 0;
    std::shared_ptr<TColor> Color;
    int MouseOver = 0;
    int Shadow = 0;
    float ShadowX = 3.0f, ShadowY = 3.0f;
    float ShadowAlpha = 0.5f;
    std::shared_ptr<TBox> BoundingBox;
    int frame = 0;
    int FramesTotal = 1;
    float AnimCounter = 0;
    int AnimLength = 1000;
    int AnimCounterDir = 0;
    int AnimReverse = 0;
    int PingPong = 0;
    float FrameLength = 0;
    int Loop = 1;
    int LoopCount = 0;
    float ScaleX = 1, ScaleY = 1;
    float BaseScaleX = 1, BaseScaleY = 1;
    float ScaleXSpeed = 0.1f, ScaleYSpeed = 0.1f;
    float ScaleCounter = 0;
    int ScaleLength = 1000;
    float Rotation = 0;
    float RotationSpeed = 1.0f;
    float RotationCounter = 0;
    int RotationLength = 1000;
    int RotationLoop = 0;
    int UseAlpha = 1;
    float Alpha = 1.0f;
    int GlowMode = 0;  // 0 none, 1 steady, 2 fading, 3 pulsing
    float Glow = 0;
    float GlowSpeed = 0;
    float GlowMin = 0, GlowMax = 1.0f;
    float GlowRange = 1.0f;
    std::shared_ptr<TSineCounter> GlowCounter;
    std::shared_ptr<TGameImage> AlternativeImage;
    std::shared_ptr<TSineCounter> MiscSineCounter;
    float cx = 0, cy = 0;
    // Empty = the default no-op.
    Callback AnimStoppedFunction;
    float ox = 0, oy = 0;
    std::shared_ptr<TSprite> AttachedSprite;
    int KillAttachedSprite = 1;
    std::shared_ptr<TLabel> Label;

    // Acts only when the counter is at or past its bound; returns 1 when it acted.
    virtual int AnimBoundsCheckLower();
    virtual int AnimBoundsCheckUpper();
    // Keeps the image on screen.
    virtual void BoundsCheck();
    virtual void CalcBoundingBox();
    virtual void Centre();
    virtual void CentreX(float py);
    virtual void ClearRotation() { Rotation = 0; }
    virtual void ClearScale() { ScaleX = ScaleY = 1; }
    virtual void ClearTransformations() {
        ClearRotation();
        ClearScale();
    }
    static std::shared_ptr<TSprite> Create(std::shared_ptr<TGameImage> image, float x, float y);
    // Loads ImagePath + name + ".png" as a new image of its own.
    static std::shared_ptr<TSprite> CreateFromFile(const std::string& name, float x, float y,
                                                   int centre, int midHandle);
    // A rectangle test of the point against the hit box, or the image rectangle.
    virtual bool CollideWithPixel(float px, float py) const;
    virtual void DoDraw();
    virtual void Draw();
    // Additive overlay of the sprite in colour (r, g, b) x alpha; null image = its own.
    virtual void DrawLight(float alpha, float r, float g, float b,
                           std::shared_ptr<TGameImage> lightImage);
    virtual void DrawNormal();
    virtual void DrawRounded();
    virtual void DrawShadow(TGameImage* img, int fr, bool scrolled);
    // For sprites in the scrolled world: drawn at (x - ScrollX, y - ScrollY).
    virtual void DrawWithOffset();
    virtual int GetAnimFrame() const;
    virtual void GetSize();
    virtual float Height() const { return h * ScaleY; }
    virtual void Init() {}
    virtual void Kill();
    virtual int ManageAnim();
    virtual void ManageGlow();
    virtual void ManageRotation();
    virtual void ManageScale();
    virtual void Move();
    virtual void MoveAttachedSprite();
    virtual void MoveDown();
    virtual void MoveForward();
    virtual void MoveLeft();
    virtual void MoveOriginalCoords();
    virtual void MoveRight();
    virtual void MoveUp();
    virtual bool OutOfBounds() const;
    virtual void RandomiseAnimPos();
    virtual void ScaleOriginalCoords() {
        x = ox * BaseScaleX;
        y = oy * BaseScaleY;
    }
    virtual void SetGlow(int mode, float glow, float glowSpeed, float min, float max);
    virtual void SetImage(std::shared_ptr<TGameImage> img);
    // Stored upper-cased so lookups by name ignore case.
    virtual void SetName(const std::string& n);
    virtual void SetPosition(float px, float py) {
        x = px;
        y = py;
    }
    // sy 0 = uniform sx.
    virtual void SetScaleXY(float sx, float sy);
    virtual void SetShadow(int on, float sx, float sy, float alpha);
    virtual void SetupAnim(int frames, int ms, int dir, int reverse, int randomStart, int pingPong,
                           int loop);
    virtual void SetupRotation(float rotationSpeed, int ms, int loop, int randomStart);
    virtual void SetupScale(float sxSpeed, float sySpeed, int ms);
    virtual void Stop() { dx = dy = 0; }
    virtual void StopAnim() {
        AnimCounter = 0;
        FramesTotal = 1;
    }
    virtual void StoreCentreCoords() {
        cx = x;
        cy = y;
    }
    virtual void StoreOriginalCoords() {
        ox = x;
        oy = y;
    }
    virtual float Width() const { return w * ScaleX; }

    // The frame a counter value shows (the frame rule of the animation).
    static int FrameFromCounter(float counter, int animLength, int framesTotal, int dir);

protected:
    void CallAnimStopped();
    // Set while DrawLight draws the glow overlay through DoDraw.
    bool lightPass = false;
    void DrawImageAt(TGameImage* img, int fr, float px, float py);
    bool MidHandled() const;
};

// Upper case of ASCII letters and of the Latin-1 accented letters (as UTF-8).
std::string SpriteNameKey(const std::string& name);
