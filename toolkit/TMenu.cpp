#include "toolkit/TMenu.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/Globals.h"
#include "framework/TGame.h"

std::shared_ptr<TMenu> TMenu::Create(const std::string& moSound, const std::string& clickSound,
                                     float px, float py, int gap) {
    auto m = std::make_shared<TMenu>();
    m->Init(moSound, clickSound, px, py, gap);
    return m;
}

void TMenu::Init(const std::string& moSound, const std::string& clickSound, float px, float py,
                 int gap) {
    Buttons.clear();
    x = px;
    y = py;
    Gap = gap;
    NextY = static_cast<int>(py);
    w = h = 0;
    SoundMouseOver = moSound;
    SoundClick = clickSound;
}

void TMenu::Kill() {
    for (auto& b : Buttons) b->Kill();
    Buttons.clear();
}

void TMenu::SetButtonCaptionRoundCoords(int round, int roundX, int roundY) {
    for (auto& b : Buttons)
        if (b->Caption) {
            b->Caption->RoundCoords = round;
            b->Caption->RoundXCoord = roundX;
            b->Caption->RoundYCoord = roundY;
        }
}

void TMenu::SetShadow(int on, float sx, float sy, float alpha) {
    Shadow = on;
    ShadowX = sx;
    ShadowY = sy;
    ShadowAlpha = alpha;
}

void TMenu::ResetShadow() {
    for (auto& b : Buttons) b->SetShadow(Shadow, ShadowX, ShadowY, ShadowAlpha);
}

void TMenu::ChangeShadow(int on, float sx, float sy, float alpha) {
    SetShadow(on, sx, sy, alpha);
    ResetShadow();
}

void TMenu::SetAlpha(float a) {
    for (auto& b : Buttons) b->Alpha = a;
}

void TMenu::SetColor(std::shared_ptr<TColor> colour) {
    for (auto& b : Buttons) b->Color = colour;
}

std::shared_ptr<TButton> TMenu::DoAddNew(const std::string& n, const std::string& moName,
                                         const std::string& key, int frames) {
    auto b = std::make_shared<TButton>();
    b->UseMenuPath = 1;
    b->Load(n, moName, SoundMouseOver, SoundClick, frames);
    if (!key.empty()) b->SetName(key);
    b->CentreX(static_cast<float>(NextY));
    b->SetShadow(Shadow, ShadowX, ShadowY, ShadowAlpha);
    Buttons.push_back(b);
    return b;
}

std::shared_ptr<TButton> TMenu::AddNew(const std::string& n, const std::string& moName,
                                       const std::string& key, int frames) {
    auto b = DoAddNew(n, moName, key, frames);
    IncreaseHeight(*b);
    return b;
}

std::shared_ptr<TButton> TMenu::AddButton(std::shared_ptr<TButton> button) {
    button->SoundMouseOver = SoundMouseOver;
    button->SoundClick = SoundClick;
    button->CentreX(static_cast<float>(NextY));
    button->SetShadow(Shadow, ShadowX, ShadowY, ShadowAlpha);
    Buttons.push_back(button);
    IncreaseHeight(*button);
    return button;
}

void TMenu::IncreaseHeight(const TButton& button) {
    NextY += button.h + Gap;
    h += button.h;
    if (Buttons.size() > 1) h += Gap;
}

std::shared_ptr<TButton> TMenu::AddQuick(const std::string& n, const std::string& key) {
    return AddNew(n, n + "MO", key);
}

std::shared_ptr<TButton> TMenu::AddQuickAuto(const std::string& n) {
    auto b = AddQuick(n);
    std::string folder = b->GetPath();
    if (ToolkitFileExists(folder + n + "_disabled.png")) b->LoadDisabled(n + "_disabled", 1);
    if (ToolkitFileExists(folder + n + "_down.png")) b->LoadMouseClick(n + "_down", 200);
    return b;
}

void TMenu::AddPair(const std::string& first, const std::string& second, int gap,
                    const std::string& prefix) {
    auto a = DoAddNew(prefix + first, prefix + first + "MO");
    auto b = DoAddNew(prefix + second, prefix + second + "MO");
    float total = static_cast<float>(a->w + gap + b->w);
    a->MoveTo((VirtualWidth - total) / 2, static_cast<float>(NextY));
    b->MoveTo(a->x + static_cast<float>(a->w + gap), static_cast<float>(NextY));
    int taller = std::max(a->h, b->h);
    NextY += taller + Gap;
    h += taller;
    if (Buttons.size() > 2) h += Gap;
}

std::shared_ptr<TButton> TMenu::FindButton(const std::string& n) const {
    std::string key = SpriteNameKey(n);
    for (const auto& b : Buttons)
        if (b->name == key) return b;
    return nullptr;
}

void TMenu::RemoveButton(const std::string& n) {
    auto b = FindButton(n);
    if (!b) return;
    b->Kill();
    Buttons.erase(std::find(Buttons.begin(), Buttons.end(), b));
}

void TMenu::StoreOriginalCoords() {
    OX = x;
    OY = y;
    for (auto& b : Buttons) b->StoreOriginalCoords();
}

float TMenu::CalcLeft() const {
    if (Buttons.empty()) return x;
    float best = std::numeric_limits<float>::max();
    for (const auto& b : Buttons) best = std::min(best, b->x);
    return best;
}

float TMenu::CalcTop() const {
    if (Buttons.empty()) return y;
    float best = std::numeric_limits<float>::max();
    for (const auto& b : Buttons) best = std::min(best, b->y);
    return best;
}

float TMenu::CalcWidth() const {
    if (Buttons.empty()) return 0;
    float right = std::numeric_limits<float>::lowest();
    for (const auto& b : Buttons) right = std::max(right, b->x + static_cast<float>(b->w));
    return right - CalcLeft();
}

float TMenu::CalcHeight() const {
    if (Buttons.empty()) return 0;
    float bottom = std::numeric_limits<float>::lowest();
    for (const auto& b : Buttons) bottom = std::max(bottom, b->y + static_cast<float>(b->h));
    return bottom - CalcTop();
}

void TMenu::CalcCoords() {
    x = CalcLeft();
    y = CalcTop();
    w = static_cast<int>(CalcWidth());
    h = static_cast<int>(CalcHeight());
}

void TMenu::SetX(float nx) {
    float d = nx - CalcLeft();
    for (auto& b : Buttons) b->MoveBy(d, 0);
    x = nx;
}

void TMenu::SetY(float ny) {
    float d = ny - CalcTop();
    for (auto& b : Buttons) b->MoveBy(0, d);
    y = ny;
}

void TMenu::MoveTo(float nx, float ny) {
    SetX(nx);
    SetY(ny);
}

void TMenu::SetPairX(const std::string& first, const std::string& second, float nx) {
    auto a = FindButton(first), b = FindButton(second);
    if (!a) return;
    float d = nx - a->x;
    a->MoveBy(d, 0);
    if (b) b->MoveBy(d, 0);
}

void TMenu::ScaleMenu(float sx, float sy) {
    for (auto& b : Buttons) {
        b->ScaleX = sx;
        b->ScaleY = sy;
        b->ox = x + (b->ox - x) * sx;
        b->oy = y + (b->oy - y) * sy;
        b->MoveTo(x + (b->x - x) * sx, y + (b->y - y) * sy);
    }
}

void TMenu::CentreHoriz() {
    SetX(std::floor((VirtualWidth - CalcWidth()) / 2));
}
void TMenu::CentreVert() {
    SetY(std::floor((VirtualHeight - CalcHeight()) / 2));
}
void TMenu::Centre() {
    CentreHoriz();
    CentreVert();
}

void TMenu::MakeColumn(int gap) {
    float ny = 0;
    for (auto& b : Buttons) {
        b->MoveTo(0, ny);
        ny += static_cast<float>(b->h + gap);
    }
    Centre();
}

void TMenu::MakeRow(int gap) {
    float nx = 0;
    for (auto& b : Buttons) {
        b->MoveTo(nx, 0);
        nx += static_cast<float>(b->w + gap);
    }
    Centre();
}

void TMenu::ClearStates() {
    for (auto& b : Buttons) {
        b->Glow = 0;
        b->ClearClick();
        b->ClearMouseOver();
        b->ResetScaleOnMO();
    }
}

void TMenu::ClearScale() {
    for (auto& b : Buttons) b->ResetScaleOnMO();
}

void TMenu::ClearGlow() {
    for (auto& b : Buttons) b->Glow = 0;
}

void TMenu::ClearMouseClick() {
    for (auto& b : Buttons) b->ClearClick();
    ClickedName.clear();
}

void TMenu::ClearMouseOver() {
    for (auto& b : Buttons) b->ClearMouseOver();
    MouseOverName.clear();
}

bool TMenu::Clicked(const std::string& n) {
    if (ClickedName.empty() || ClickedName != SpriteNameKey(n)) return false;
    if (ClearClickedName) ClickedName.clear();
    return true;
}

bool TMenu::MouseOver(const std::string& n) {
    if (MouseOverName.empty() || MouseOverName != SpriteNameKey(n)) return false;
    if (ClearMouseOverName) MouseOverName.clear();
    return true;
}

int TMenu::ManageNoSound(int ox, int oy) {
    int saved = NoSound;
    NoSound = 1;
    int r = Manage(ox, oy);
    NoSound = saved;
    return r;
}

void TMenu::Precache() {
    for (auto& b : Buttons) b->Precache();
}

int TMenu::Manage(int ox, int oy) {
    if ((Game && Game->Fading()) || !AcceptInput) {
        ManageFixedGlowOnly();
        return 0;
    }
    if (!Game || !Game->Mouse.Active) return 0;
    MouseOverName.clear();
    ClickedName.clear();
    // Copied: a click handler may change the menu while it is walked.
    std::vector<std::shared_ptr<TButton>> buttons = Buttons;
    for (auto& b : buttons) {
        b->offx = static_cast<float>(ox);
        b->offy = static_cast<float>(oy);
        if (NoSound)
            b->ManageNoSound();
        else
            b->Manage();
        if (b->MouseOver) MouseOverName = b->name;
        if (b->Clicked) ClickedName = b->name;
    }
    return 1;
}

void TMenu::ManageFixedGlowOnly() {
    for (auto& b : Buttons)
        if (b->FixedGlowOnMO) b->ManageGlow();
}

void TMenu::ManageScaleOnMO() {
    for (auto& b : Buttons) b->ManageScaleOnMO();
}

void TMenu::Draw(int ox, int oy) {
    for (auto& b : Buttons) {
        b->offx = static_cast<float>(ox);
        b->offy = static_cast<float>(oy);
        b->Draw();
    }
}

void TMenu::Press() {
    if (!Buttons.empty()) Buttons.front()->SimulateClick();
}
