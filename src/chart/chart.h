#pragma once
// The chart: the window's client area with every control by its name, the game counters and the
// two picture stores. This header is the map of the client area; the rules (game, scores,
// explore) reach the controls by these names. No menus, status bar, dialogs or policy live here.
// May use: platform, catalogue.
#include <array>

#include "catalogue/elements.h"
#include "catalogue/families.h"
#include "catalogue/picturestore.h"
#include "platform/carry.h"
#include "platform/focusmark.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/timer.h"

namespace chart {

using platform::Label;
using platform::PictureBox;
using ScoreArray = std::array<Label*, 4>; // one label per GameMode, all on the same rectangle

// The client area's design size in layout units: its width, and the height of the surface above
// the status bar. The actinide row ends at 7635, a pixel below the layout's status bar top (7620),
// so the surface takes that pixel too.
inline constexpr int kClientWidth = 11925;
inline constexpr int kSurfaceHeight = 7650;

// What the name label of a vacant score row shows: "Name", in the player's language. The score
// files write a vacant row "Name" in every language.
QString VacantCaption();

// The layout's size in logical pixels: the bare surface that shows every cell whole.
QSize LayoutSize();

class Chart {
public:
    // Creates every control on a new surface inside `window`; the window owns them all.
    explicit Chart(QWidget* window);
    Chart(const Chart&) = delete;
    Chart& operator=(const Chart&) = delete;

    // The bare window: the client area beneath all controls.
    platform::Surface* Surface = nullptr;

    // Board, holder and blank picture.
    std::array<PictureBox*, catalogue::kElementCount> Image1{};
    PictureBox* imgHolder = nullptr;
    PictureBox* Image2 = nullptr;

    // Playing without dragging: the keyboard's mark on the chart (shown only while the keyboard
    // places the holder's tile; the cell it frames is the marked cell) and the pointer that
    // carries the tile after a click on the holder.
    platform::FocusMark* shpMark = nullptr;
    platform::PointerCarry* Carry = nullptr;

    // Clock.
    Label* lblTime = nullptr;
    Label* lblMin = nullptr;
    Label* lblColon = nullptr;
    Label* lblSec = nullptr;
    platform::Timer* Timer1 = nullptr;

    // Information panel: headings and values.
    Label* lblElementHeading = nullptr;
    Label* lblAtomicnum = nullptr;
    Label* lblAtomicMassHeading = nullptr;
    Label* lblMeltingHeading = nullptr;
    Label* lblBoilingHeading = nullptr;
    Label* lblName = nullptr;
    Label* lblNumber = nullptr;
    Label* lblAtomicMass = nullptr;
    Label* lblMelting = nullptr;
    Label* lblBoiling = nullptr;

    // Legend labels.
    Label* lblAlkali = nullptr;
    Label* lblAlkaline = nullptr;
    Label* lblTransition = nullptr;
    Label* lblAluminum = nullptr;
    Label* lblCarbon = nullptr;
    Label* lblNitrogen = nullptr;
    Label* lblOxygen = nullptr;
    Label* lblHalogens = nullptr;
    Label* lblNobel = nullptr;
    Label* lblLanthanide = nullptr;
    Label* lblActinide = nullptr;
    Label* lblMetals = nullptr;
    Label* lblNonMetals = nullptr;
    Label* lblRareEarth = nullptr;

    // Score panel: nine ranks of name, minutes and seconds, each an array over the four modes.
    ScoreArray lblFirstName{}, lblFirstMin{}, lblFirstSec{};
    ScoreArray lblSecondName{}, lblSecondMin{}, lblSecondSec{};
    ScoreArray lblThirdName{}, lblThirdMin{}, lblThirdSec{};
    ScoreArray lblFourthName{}, lblFourthMin{}, lblFourthSec{};
    ScoreArray lblFifthName{}, lblFifthMin{}, lblFifthSec{};
    ScoreArray lblSixthName{}, lblSixthMin{}, lblSixthSec{};
    ScoreArray lblSeventhName{}, lblSeventhMin{}, lblSeventhSec{};
    ScoreArray lblEighthName{}, lblEighthMin{}, lblEighthSec{};
    ScoreArray lblNinthName{}, lblNinthMin{}, lblNinthSec{};

    // The zoom the player asked for: a scale of at least 1, or kFitToWindow (chart/scale.h). The
    // chart is drawn at it, or smaller where the surface is smaller than the layout at it.
    qreal Zoom = 1.0;

    // Game counters.
    qint16 PlacedCount = 0;
    qint16 CurrentElement = 0;
    qint16 ElapsedSeconds = 0;

    // Picture stores: numbered tiles and plain tiles, with their pending flags.
    catalogue::PictureStore frmHold{true};
    catalogue::PictureStore frmHold2{false};

    // The ElementIndex of a board cell, or -1 for any other widget.
    int CellOf(const QWidget* widget) const;

    // Score labels by rank (1 to 9) and field, for code that walks a table.
    Label* NameLabel(int rank, int mode) const;
    Label* MinLabel(int rank, int mode) const;
    Label* SecLabel(int rank, int mode) const;

    // The legend label of a group.
    Label* LegendLabel(catalogue::Group group) const;

    // The device pixel ratio the tiles are painted for.
    qreal DevicePixelRatio() const;

private:
    void CreateControls();
};

} // namespace chart
