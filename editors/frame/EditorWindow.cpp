// The editor frame: what the six editor windows share.
#include "editors/frame/EditorWindow.h"

#include <algorithm>
#include <string>

#include "common/Common.h"
#include "platform/Display.h"
#include "platform/Events.h"
#include "platform/Input.h"
#include "platform/MessageBox.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace editor {

namespace {

constexpr platform::Color PanelColour = platform::Rgb(197, 224, 157);
constexpr platform::Color BackColour = platform::Rgb(133, 197, 86);
constexpr platform::Color Black = platform::Rgb(0, 0, 0);
constexpr platform::Color White = platform::Rgb(255, 255, 255);
constexpr platform::Color Blue = platform::Rgb(0, 0, 255);
// The map backgrounds are numbered 0..26.
constexpr std::int32_t LastBackground = 26;

std::int16_t ToInt16(std::int32_t value)
{
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(value, INT16_MIN, INT16_MAX));
}

} // namespace

EditorWindow::EditorWindow(const EditorLook& editorLook) : look(editorLook)
{
    startLoopTimer.OnTimer = [this] { startLoopTimer_Timer(); };
    designLine.SetX1(0);
    designLine.SetY1(PanelTop);
    designLine.SetX2(800);
    designLine.SetY2(PanelTop);
}

void EditorWindow::Form_Load()
{
    QuitEditor = false;
    platform::SetProgramFolderAsCurrent();
    SetClientSize(800, 600);
    SetTitle(look.startTitle);
    if (look.clicks) {
        SetBackColor(BackColour);
        platform::FontSpec font = Font();
        font.points = 12;
        font.bold = true;
        SetFont(font);
        clickSound.OpenMedia("Sfx\\click.wav");
    }
    LoadFrameButtons();
    LoadEditor();
    startLoopTimer.SetEnabled(true);
}

void EditorWindow::startLoopTimer_Timer()
{
    startLoopTimer.SetEnabled(false);
    RunEditorLoop();
}

void EditorWindow::RunEditorLoop()
{
    while (!QuitEditor) {
        if (!RunPass() && !QuitEditor) {
            platform::WaitEvents();
        }
    }
    Unload();
}

bool EditorWindow::RunPass()
{
    TrackPointer();
    DrawEditor();
    Refresh();
    return platform::DoEvents();
}

// The close box only sets the quit flag; the loop then closes the window, and that request finds
// the flag set and goes through.
void EditorWindow::Form_QueryUnload(std::int16_t& cancel, std::int16_t)
{
    if (!QuitEditor) {
        cancel = 1;
        QuitEditor = true;
    }
}

void EditorWindow::Form_Unload(std::int16_t&)
{
    clickSound.CloseMedia();
    FreeEditor();
    for (SpriteClass* button : {&stopButton, &saveButton, &openButton, &gridButton, &modeButton,
                                &clearButton, &removeButton, &backLeftButton, &backRightButton}) {
        button->CleanUp();
    }
}

void EditorWindow::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    if (keyCode == platform::vbKeyEscape) {
        QuitEditor = true;
    } else if (keyCode == platform::vbKeyM) {
        SwitchMode();
    }
}

void EditorWindow::Form_Click()
{
    if (look.clicks) {
        clickSound.PlayMedia();
    }
    ReadPointer();
    if (PointerOn(stopButton)) {
        QuitEditor = true;
    } else if (PointerOn(openButton)) {
        OpenMap();
    } else if (PointerOn(saveButton)) {
        SaveMap();
    } else {
        ClickEditor();
    }
}

void EditorWindow::SetTitle(std::string_view text)
{
    if (platform::DesktopWidth() > 800) {
        SetCaption(text);
    }
}

void EditorWindow::ReadPointer()
{
    platform::Point point;
    platform::GetCursorPos(&point);
    platform::ScreenToClient(*this, &point);
    PointerX = ToInt16(point.x);
    PointerY = ToInt16(point.y);
}

bool EditorWindow::PointerOn(const SpriteClass& sprite) const
{
    return sprite.IsUnder(PointerX, PointerY);
}

bool EditorWindow::ClickGridOrMode()
{
    if (PointerOn(gridButton)) {
        gridButton.active = !gridButton.active;
    } else if (PointerOn(modeButton)) {
        SwitchMode();
    } else {
        return false;
    }
    return true;
}

void EditorWindow::TrackButtons(std::initializer_list<SpriteClass*> hoverButtons)
{
    ReadPointer();
    for (SpriteClass* button : {&stopButton, &saveButton, &openButton}) {
        button->active = PointerOn(*button);
    }
    for (SpriteClass* button : hoverButtons) {
        button->active = PointerOn(*button);
    }
    SetMousePointer(PointerY >= PanelTop ? platform::MousePointer::Default
                                         : platform::MousePointer::Crosshair);
}

void EditorWindow::LoadFrameButtons()
{
    stopButton.LoadDCImage("Gfx\\Buttons\\stopbutton.gif", *this);
    stopButton.X = 800 - stopButton.width - 20;
    stopButton.Y = 540 - platform::IntDiv(stopButton.Height, 2);
    saveButton.LoadDCImage("Gfx\\Buttons\\saveButton.gif", *this);
    openButton.LoadDCImage("Gfx\\Buttons\\openButton.gif", *this);
    gridButton.LoadDCImage("Gfx\\Buttons\\gridButton.gif", *this);
    modeButton.LoadDCImage("Gfx\\Buttons\\easyModeButtonS.gif", *this);
    if (!look.clearPicture.empty()) {
        clearButton.LoadDCImage(look.clearPicture, *this);
    }
    gridButton.active = true;
}

void EditorWindow::SwitchMode()
{
    NewMap(Common::gMode != "normal" ? "normal" : "easy");
}

void EditorWindow::ClearToNewMap()
{
    ClearMap();
    SetTitle(look.newMapTitle);
}

platform::OpenFileName EditorWindow::MapDialog()
{
    platform::OpenFileName dialog;
    dialog.hwndOwner = this;
    dialog.lpstrFilter = std::string("Maps (*.map)\0*.map\0", 20);
    dialog.lpstrInitialDir = platform::ProgramFolder().string() + "\\Maps\\" +
                             std::string(look.game) + "\\" + Common::gMode + "\\";
    dialog.lpstrDefExt = "map";
    return dialog;
}

// A file that cannot be read completely leaves a new, empty map: a fragment shown under the file's
// name could be saved over the original unnoticed.
void EditorWindow::OpenMap()
{
    platform::OpenFileName dialog = MapDialog();
    const bool chosen = platform::GetOpenFileNameA(&dialog);
    platform::SetProgramFolderAsCurrent();
    if (!chosen) {
        return;
    }
    if (ReadMapFile(dialog.lpstrFile)) {
        SetTitle(std::string(look.openTitle) + dialog.lpstrFile);
        return;
    }
    ClearToNewMap();
    platform::MsgBox("The map file " + dialog.lpstrFile + " could not be read.",
                     platform::vbExclamation, look.startTitle);
}

// The map module writes the whole file or nothing, so a failed save leaves the old file as it was.
void EditorWindow::SaveMap()
{
    if (const std::string refusal = SaveRefusal(); !refusal.empty()) {
        platform::MsgBox(refusal, platform::vbExclamation, look.startTitle);
        return;
    }
    platform::OpenFileName dialog = MapDialog();
    dialog.Flags = platform::OFN_OVERWRITEPROMPT;
    const bool chosen = platform::GetSaveFileNameA(&dialog);
    platform::SetProgramFolderAsCurrent();
    if (chosen && !WriteMapFile(dialog.lpstrFile)) {
        platform::MsgBox("The map file " + dialog.lpstrFile + " could not be written.",
                         platform::vbExclamation, look.startTitle);
    }
}

void EditorWindow::DrawPanelBox()
{
    Line(0, PanelTop, 800, 600, PanelColour, true, true);
    SetDrawWidth(4);
    Line(0, PanelTop, 800, PanelTop, Black);
    SetDrawWidth(1);
}

void EditorWindow::DrawActiveBorders(std::initializer_list<const SpriteClass*> buttons)
{
    SetDrawWidth(4);
    for (const SpriteClass* button : buttons) {
        if (button->active) {
            button->DrawBorder(Blue, *this);
        }
    }
    if (Common::gMode == "easy") {
        modeButton.DrawBorder(Blue, *this);
    }
}

void EditorWindow::DrawGridCells(const std::vector<SpriteClass>& cells)
{
    if (!gridButton.active) {
        return;
    }
    SetDrawWidth(1);
    for (const SpriteClass& cell : cells) {
        Line(cell.X, cell.Y, cell.X + cell.width, cell.Y + cell.Height, Black, true);
    }
}

void EditorWindow::DrawNumberBox(const SpriteClass& box, std::int32_t number)
{
    Line(box.Left(), box.Top(), box.Right(), box.Bottom(), White, true, true);
    Line(box.Left(), box.Top(), box.Right(), box.Bottom(), Black, true);
    platform::FontSpec font = Font();
    font.points = 24;
    SetFont(font);
    const std::string text = std::to_string(number);
    platform::Size extent;
    platform::GetTextExtentPoint32A(hDC(), text, &extent);
    CurrentX = box.MiddleX() - platform::IntDiv(extent.cx, 2);
    CurrentY = box.MiddleY() - platform::IntDiv(extent.cy, 2);
    SetForeColor(Black);
    Print(text);
}

void EditorWindow::LoadMapBackground(SpriteClass& background)
{
    background.CleanUp();
    background.LoadDCImage(
        "Gfx\\Common\\Backgrounds\\background" + std::to_string(background.id) + ".jpg", *this);
}

void EditorWindow::StepBackground(SpriteClass& background, std::int32_t step)
{
    background.id = StepAround(background.id, step, LastBackground);
    LoadMapBackground(background);
}

void EditorWindow::LoadArrows(SpriteClass& left, SpriteClass& right)
{
    left.LoadDCImage("Gfx\\Buttons\\leftButton.gif", *this);
    right.LoadDCImage("Gfx\\Buttons\\rightButton.gif", *this);
}

void EditorWindow::SelectTool(SpriteClass& chosen, std::initializer_list<SpriteClass*> tools)
{
    for (SpriteClass* tool : tools) {
        tool->active = false;
    }
    chosen.active = true;
}

void EditorWindow::PlaceFileButtons(std::int32_t saveX, std::int32_t gap)
{
    saveButton.X = saveX;
    saveButton.Y = 498;
    openButton.X = saveButton.X;
    openButton.Y = saveButton.Y + saveButton.Height + 12;
    gridButton.X = saveButton.X - gridButton.width - gap;
    gridButton.Y = saveButton.Y;
    modeButton.X = openButton.X - openButton.width - gap;
    modeButton.Y = openButton.Y;
}

void EditorWindow::BuildGridCells(std::size_t count, std::int32_t x0, std::int32_t y0,
                                  std::int32_t right)
{
    gridCells.assign(count, SpriteClass{});
    const std::int32_t w = Cursor.width;
    const std::int32_t h = Cursor.Height;
    std::int32_t x = x0;
    std::int32_t y = y0;
    for (SpriteClass& cell : gridCells) {
        cell.X = x;
        cell.Y = y;
        cell.width = w;
        cell.Height = h;
        x += w;
        if (x + w > right) {
            x = x0;
            y += h;
        }
    }
}

void EditorWindow::SnapCursor(bool lastWins)
{
    const SpriteClass* under = nullptr;
    for (const SpriteClass& cell : gridCells) {
        if (PointerOn(cell)) {
            under = &cell;
            if (!lastWins) {
                break;
            }
        }
    }
    if (under != nullptr) {
        Cursor.X = under->X;
        Cursor.Y = under->Y;
    }
}

void EditorWindow::ShowBrush(std::span<const SpriteClass> pictures)
{
    const SpriteClass* picture = PictureOf(pictures, Cursor.id);
    Cursor.SetDC(PointerY >= PanelTop || picture == nullptr ? 0 : picture->GetDC(-1));
}

std::int32_t EditorWindow::PaletteEntryUnder(std::span<const SpriteClass> palette) const
{
    for (std::size_t n = 0; n < palette.size(); ++n) {
        if (PointerOn(palette[n])) {
            return static_cast<std::int32_t>(n);
        }
    }
    return -1;
}

void EditorWindow::DrawPalette(std::span<const SpriteClass> palette, std::int32_t selected)
{
    for (std::size_t n = 0; n < palette.size(); ++n) {
        const SpriteClass& entry = palette[n];
        entry.Draw(*this);
        const bool chosen = static_cast<std::int32_t>(n) == selected;
        SetDrawWidth(chosen ? 4 : 1);
        Line(entry.X, entry.Y, entry.X + entry.width, entry.Y + entry.Height, chosen ? Blue : Black,
             true);
    }
}

void EditorWindow::DrawOutline(const SpriteClass& sprite)
{
    SetDrawWidth(1);
    Line(sprite.Left(), sprite.Top(), sprite.Right(), sprite.Bottom(), Black, true);
}

void EditorWindow::DrawToolPreview(const SpriteClass& tool)
{
    Line(tool.Left(), tool.Top(), tool.Right(), tool.Bottom(), PanelColour, true, true);
    tool.DrawTransp(*this);
}

void EditorWindow::CopyCursorTo(SpriteClass& entry) const
{
    entry.X = Cursor.X;
    entry.Y = Cursor.Y;
    entry.id = Cursor.id;
    entry.SetSpriteDC(Cursor);
    entry.visible = true;
}

bool EditorWindow::HideFirstHit(std::vector<SpriteClass>& entries) const
{
    for (SpriteClass& entry : entries) {
        if (entry.visible && entry.SpriteCollision(Cursor)) {
            entry.visible = false;
            return true;
        }
    }
    return false;
}

std::int32_t StepAround(std::int32_t value, std::int32_t step, std::int32_t last)
{
    const std::int32_t next = value + step;
    if (step < 0) {
        return next < 0 ? last : next;
    }
    return next > last ? 0 : next;
}

const SpriteClass* PictureOf(std::span<const SpriteClass> pictures, std::int32_t id)
{
    if (id < 0 || static_cast<std::size_t>(id) >= pictures.size()) {
        return nullptr;
    }
    return &pictures[static_cast<std::size_t>(id)];
}

} // namespace editor
