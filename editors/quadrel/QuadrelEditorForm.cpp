// The falling-blocks editor: the block palette and the remove tool, painting template cells on a
// click, and the template map read and written through QuadrelCommon.
#include "editors/quadrel/QuadrelEditorForm.h"

#include <algorithm>
#include <string>

#include "common/Common.h"
#include "platform/Numbers.h"

namespace {

namespace qc = QuadrelCommon;

constexpr editor::EditorLook Look{"Quadrel",
                                  "Quadrel Editor",
                                  "Quadrel Editor - <new>",
                                  "Quadrel Editor - ",
                                  "Gfx\\Buttons\\clearButton.gif",
                                  false};
constexpr std::int32_t PaletteSize = 40;
// The panel buttons right of the palette stand this far apart, whatever their widths.
constexpr std::int32_t ButtonStep = 60;
constexpr platform::Color Black = platform::Rgb(0, 0, 0);

// Whether the template's cells lie in rows of five of the mode's cell size from its cell 0, all of
// them on the design area.
bool InPlace(const qc::PieceTemplate& pieceTemplate)
{
    qc::PieceTemplate laidOut = pieceTemplate;
    qc::LayOutTemplate(laidOut, pieceTemplate.front().X, pieceTemplate.front().Y);
    const SpriteClass& last = laidOut.back();
    return pieceTemplate.front().X >= 0 && pieceTemplate.front().Y >= 0 && last.Right() <= 800 &&
           last.Y + last.Height <= editor::PanelTop &&
           std::equal(
               laidOut.begin(), laidOut.end(), pieceTemplate.begin(),
               [](const SpriteClass& a, const SpriteClass& b) { return a.X == b.X && a.Y == b.Y; });
}

} // namespace

QuadrelEditorForm& TheQuadrelEditorForm()
{
    static QuadrelEditorForm form;
    return form;
}

QuadrelEditorForm::QuadrelEditorForm() : EditorWindow(Look) {}

void QuadrelEditorForm::LoadEditor()
{
    NewMap("easy");
    background.LoadDCImage("Gfx\\Quadrel\\background.gif", *this);
    for (std::size_t n = 0; n < Palette.size(); ++n) {
        SpriteClass& entry = Palette[n];
        entry.LoadDCImage("Gfx\\Quadrel\\Easy\\block" + std::to_string(n) + ".gif", *this);
        entry.width = PaletteSize;
        entry.Height = PaletteSize;
        entry.X = 12 + 52 * static_cast<std::int32_t>(n);
        entry.Y = 492;
    }
    saveButton.X = stopButton.X - ButtonStep;
    saveButton.Y = 498;
    openButton.X = saveButton.X;
    openButton.Y = saveButton.Y + saveButton.Height + 12;
    gridButton.X = saveButton.X - ButtonStep;
    gridButton.Y = saveButton.Y;
    modeButton.X = openButton.X - ButtonStep;
    modeButton.Y = openButton.Y;
    clearButton.X = modeButton.X - ButtonStep;
    clearButton.Y = modeButton.Y;
    removeButton.LoadDCImage("Gfx\\Buttons\\removeBlocksButton.gif", *this);
    removeButton.X = 12;
    removeButton.Y = clearButton.Y;
}

void QuadrelEditorForm::FreeEditor()
{
    FreeBlockImages();
    for (SpriteClass& entry : Palette) {
        entry.CleanUp();
    }
    background.CleanUp();
}

void QuadrelEditorForm::LoadBlockImages()
{
    FreeBlockImages();
    for (std::size_t n = 0; n < BlockImages.size(); ++n) {
        BlockImages[n].LoadDCImage(
            "Gfx\\Quadrel\\" + Common::gMode + "\\block" + std::to_string(n) + ".gif", *this);
    }
}

void QuadrelEditorForm::FreeBlockImages()
{
    for (SpriteClass& picture : BlockImages) {
        picture.CleanUp();
    }
}

// The brush becomes block 0 of the new mode; the palette's mark stays on the tool picked before.
void QuadrelEditorForm::NewMap(std::string_view mode)
{
    Common::gMode = mode;
    Cursor.width = qc::CellSize();
    Cursor.Height = qc::CellSize();
    ClearMap();
    LoadBlockImages();
    Cursor.id = 0;
    SetTitle(look.newMapTitle);
}

// The mode's templates, empty, at their places.
void QuadrelEditorForm::ClearMap()
{
    qc::MapTemplates.clear();
    for (std::size_t t = 0; t < qc::TemplateCount(); ++t) {
        qc::MapTemplates.push_back(qc::LaidOutTemplate(t));
    }
}

void QuadrelEditorForm::SelectBlockTool(SpriteClass& tool, std::int32_t id)
{
    SelectTool(tool, {&Palette[0], &Palette[1], &Palette[2], &Palette[3], &Palette[4], &Palette[5],
                      &removeButton});
    Cursor.id = id;
}

SpriteClass* QuadrelEditorForm::CellAt(std::int16_t x, std::int16_t y)
{
    for (qc::PieceTemplate& pieceTemplate : qc::MapTemplates) {
        const auto cell = std::find_if(pieceTemplate.begin(), pieceTemplate.end(),
                                       [x, y](const SpriteClass& c) { return c.IsUnder(x, y); });
        if (cell != pieceTemplate.end()) {
            return &*cell;
        }
    }
    return nullptr;
}

// The brush shows the chosen block, or the remove tool's picture, at the cell size; it is centred
// on the pointer, or on a cell its top-left corner is the cell's.
void QuadrelEditorForm::TrackPointer()
{
    TrackButtons({&clearButton});
    const SpriteClass* picture =
        Cursor.id < 0 ? &removeButton : editor::PictureOf(BlockImages, Cursor.id);
    Cursor.SetDC(PointerY >= editor::PanelTop || picture == nullptr ? 0 : picture->GetDC(-1));
    Cursor.X = PointerX - platform::IntDiv(Cursor.width, 2);
    Cursor.Y = PointerY - platform::IntDiv(Cursor.Height, 2);
    if (const SpriteClass* cell = CellAt(PointerX, PointerY)) {
        Cursor.X = cell->X;
        Cursor.Y = cell->Y;
    }
}

// Painting sets only the cell's id, so every cell keeps the mode's size and place.
void QuadrelEditorForm::ClickEditor()
{
    if (const std::int32_t n = PaletteEntryUnder(Palette); n >= 0) {
        SelectBlockTool(Palette[static_cast<std::size_t>(n)], n);
        return;
    }
    if (ClickGridOrMode()) {
        return;
    }
    if (PointerOn(clearButton)) {
        ClearMap();
    } else if (PointerOn(removeButton)) {
        SelectBlockTool(removeButton, -1);
    } else if (SpriteClass* cell = CellAt(PointerX, PointerY);
               cell != nullptr && PointerY < editor::PanelTop) {
        cell->id = Cursor.id;
    }
}

// The background picture covers the previous pass, so the window is not cleared first.
void QuadrelEditorForm::DrawEditor()
{
    background.Draw(*this);
    DrawPanelBox();
    stopButton.DrawTransp(*this);
    saveButton.Draw(*this);
    openButton.DrawTransp(*this);
    for (const SpriteClass* button : {&gridButton, &modeButton, &clearButton, &removeButton}) {
        button->Draw(*this);
    }
    removeButton.DrawBorder(Black, *this);
    for (const SpriteClass& entry : Palette) {
        entry.Draw(*this);
        Line(entry.X, entry.Y, entry.X + entry.width, entry.Y + entry.Height, Black, true);
    }
    DrawActiveBorders({&stopButton, &saveButton, &openButton, &gridButton, &clearButton,
                       &removeButton, &Palette[0], &Palette[1], &Palette[2], &Palette[3],
                       &Palette[4], &Palette[5]});
    SetDrawWidth(1);
    for (const qc::PieceTemplate& pieceTemplate : qc::MapTemplates) {
        DrawTemplate(pieceTemplate);
    }
    if (PointerY < editor::PanelTop) {
        Cursor.Draw(*this);
    }
}

// The cells' blocks, their outlines while the grid is shown, and the template's outline always.
void QuadrelEditorForm::DrawTemplate(const qc::PieceTemplate& pieceTemplate)
{
    for (const SpriteClass& cell : pieceTemplate) {
        if (const SpriteClass* picture = editor::PictureOf(BlockImages, cell.id)) {
            picture->DrawAt(*this, platform::CLng(cell.X), platform::CLng(cell.Y));
        }
        if (gridButton.active) {
            Line(cell.X, cell.Y, cell.X + cell.width, cell.Y + cell.Height, Black, true);
        }
    }
    const SpriteClass& first = pieceTemplate.front();
    const SpriteClass& last = pieceTemplate.back();
    Line(first.X, first.Y, last.X + last.width, last.Y + last.Height, Black, true);
}

// A template whose cells lie in the mode's 5 x 5 pattern on the design area stays where the file
// put it. Any other (one of a file of the other mode, or a malformed one) is laid out with its ids
// at the mode's own place for it, as in a new map.
bool QuadrelEditorForm::ReadMapFile(std::string_view path)
{
    if (!qc::LoadMap(path)) {
        return false;
    }
    for (std::size_t t = 0; t < qc::MapTemplates.size(); ++t) {
        qc::PieceTemplate& pieceTemplate = qc::MapTemplates[t];
        if (!InPlace(pieceTemplate)) {
            const qc::PieceTemplate fresh = qc::LaidOutTemplate(t);
            qc::LayOutTemplate(pieceTemplate, fresh.front().X, fresh.front().Y);
        }
    }
    return true;
}

bool QuadrelEditorForm::WriteMapFile(std::string_view path)
{
    return qc::SaveMap(path);
}

// The game reads exactly the mode's number of templates and needs a block to drop.
std::string QuadrelEditorForm::SaveRefusal() const
{
    if (qc::MapTemplates.size() != qc::TemplateCount()) {
        return "This map holds " + std::to_string(qc::MapTemplates.size()) +
               " piece templates; a map of mode " + Common::gMode + " needs " +
               std::to_string(qc::TemplateCount()) + ". It is not saved.";
    }
    if (std::none_of(qc::MapTemplates.begin(), qc::MapTemplates.end(), qc::HasBlock)) {
        return "No piece template holds a block, so the game could drop no piece. The map is not "
               "saved.";
    }
    return {};
}
