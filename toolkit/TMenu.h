#pragma once
#include <memory>
#include <string>
#include <vector>

#include "framework/TWidget.h"
#include "toolkit/TButton.h"

// An ordered list of buttons made from image names, laid out, managed and drawn together; it
// reports the name of the button clicked or hovered this tick. Names are upper case, and
// every lookup upper-cases its argument, so names match whatever their case.
class TMenu : public TWidget {
public:
    std::vector<std::shared_ptr<TButton>> Buttons;
    float x = 0, y = 0;
    float OX = 0, OY = 0;
    int w = 0, h = 0;
    std::string MouseOverName, ClickedName;
    std::string SoundMouseOver, SoundClick;  // given to every button
    int NextY = 0;
    int Gap = 0;
    int AddGap = 0;
    int NoSound = 0;
    int Shadow = 0;
    float ShadowX = 3.0f, ShadowY = 3.0f, ShadowAlpha = 0.5f;
    int ClearClickedName = 1;
    int ClearMouseOverName = 0;
    int AcceptInput = 1;

    static std::shared_ptr<TMenu> Create(const std::string& moSound, const std::string& clickSound,
                                         float x, float y, int gap);
    void Init(const std::string& moSound, const std::string& clickSound, float x, float y, int gap);
    void Kill() override;
    void SetButtonCaptionRoundCoords(int round, int roundX, int roundY);
    void SetShadow(int on, float sx, float sy, float alpha);
    void ChangeShadow(int on, float sx, float sy, float alpha);
    void SetAlpha(float a);
    void SetColor(std::shared_ptr<TColor> colour);
    void ResetShadow();
    std::shared_ptr<TButton> AddNew(const std::string& name, const std::string& moName,
                                    const std::string& key = "", int frames = 1);
    std::shared_ptr<TButton> DoAddNew(const std::string& name, const std::string& moName,
                                      const std::string& key = "", int frames = 1);
    // Adds a button made elsewhere, as AddNew places it.
    std::shared_ptr<TButton> AddButton(std::shared_ptr<TButton> button);
    void RemoveButton(const std::string& name);
    void IncreaseHeight(const TButton& button);
    std::shared_ptr<TButton> AddQuick(const std::string& name, const std::string& key = "");
    std::shared_ptr<TButton> AddQuickAuto(const std::string& name);
    void AddPair(const std::string& first, const std::string& second, int gap,
                 const std::string& prefix = "");
    std::shared_ptr<TButton> FindButton(const std::string& name) const;
    void StoreOriginalCoords();
    void SetX(float nx);
    void SetY(float ny);
    void SetPairX(const std::string& first, const std::string& second, float nx);
    void ScaleMenu(float sx, float sy);
    void CalcCoords();
    float CalcLeft() const;
    float CalcTop() const;
    float CalcWidth() const;
    float CalcHeight() const;
    void CentreHoriz();
    void CentreVert();
    void Centre();
    void MakeColumn(int gap);
    void MakeRow(int gap);
    void MoveTo(float nx, float ny);
    void ClearStates();
    void ClearScale();
    void ClearGlow();
    void ClearMouseClick();
    void ClearMouseOver();
    bool Clicked(const std::string& name);
    bool MouseOver(const std::string& name);
    int ManageNoSound(int ox, int oy) override;
    void Precache();
    int Manage(int ox, int oy) override;
    void ManageFixedGlowOnly();
    void ManageScaleOnMO();
    void Draw(int ox, int oy) override;
    // Clicks the first button from code.
    void Press() override;
};
