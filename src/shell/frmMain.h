#pragma once
// The main window: every control as a named member, the game counters and the two picture stores.
// This header is the map of the window; the other subsystems reach the controls by these names.
#include <QMainWindow>

#include <array>
#include <functional>

#include "catalogue/elements.h"
#include "catalogue/families.h"
#include "catalogue/picturestore.h"
#include "platform/carry.h"
#include "platform/focusmark.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/statusbar.h"
#include "platform/timer.h"
#include "scores/highscores.h"

class QAction;
class QMenu;

using platform::Label;
using platform::PictureBox;
using ScoreArray = std::array<Label*, 4>; // one label per GameMode, all on the same rectangle

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The client area's design size in layout units: its width, and the height of the surface
    // above the status bar. The actinide row ends at 7635, a pixel below the layout's status bar
    // top (7620), so the surface takes that pixel too.
    static constexpr int kClientWidth = 11925;
    static constexpr int kSurfaceHeight = 7650;

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

    // The ElementIndex of a board cell, or -1 for any other widget.
    int CellOf(const QWidget* widget) const;

    // Score labels by rank (1 to 9) and field, for code that walks a table.
    Label* NameLabel(int rank, int mode) const;
    Label* MinLabel(int rank, int mode) const;
    Label* SecLabel(int rank, int mode) const;

    // Status bar and menus.
    platform::StatusBar* sbStatusBar = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuFileBar5 = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuMetals = nullptr;
    QAction* mnuNonMetals = nullptr;
    QAction* mnuRare = nullptr;
    std::array<QAction*, 1> Seperator{};
    QAction* mnuAlkali = nullptr;
    QAction* mnuAlkaline = nullptr;
    QAction* mnuTransition = nullptr;
    QAction* mnuAluminum = nullptr;
    QAction* mnuCarbon = nullptr;
    QAction* mnuNitrogen = nullptr;
    QAction* mnuOxygen = nullptr;
    QAction* mnuHalogens = nullptr;
    QAction* mnuNobel = nullptr;
    QAction* mnuLanthanide = nullptr;
    QAction* mnuActinide = nullptr;
    QAction* Sepera = nullptr;
    QAction* mnuAll = nullptr;
    QMenu* mnuPlayGame = nullptr;
    QAction* mnuPlayCommon = nullptr;
    QAction* mnuPlay = nullptr;
    QAction* mnuWONumber = nullptr;
    QAction* mnuPlayAtomic = nullptr;

    // The legend label and the View entry of a group.
    Label* LegendLabel(catalogue::Group group) const;
    QAction* GroupMenuItem(catalogue::Group group) const;

    // Game counters.
    qint16 PlacedCount = 0;
    qint16 CurrentElement = 0;
    qint16 ElapsedSeconds = 0;

    // What this run has entered in the score tables, for merging with what other games wrote.
    scores::RunScores ScoreRun;

    // Picture stores: numbered tiles and plain tiles, with their pending flags.
    catalogue::PictureStore frmHold{true};
    catalogue::PictureStore frmHold2{false};

    // Set by the start-up wiring; run when the window closes.
    std::function<void()> onUnload;
    // Runs onUnload unless it has run: when the window closes, or when the process ends without
    // the window closing.
    void Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    bool unloaded_ = false;
};
