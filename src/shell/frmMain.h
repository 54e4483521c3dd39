#pragma once
// The main window around the chart: the menus, the status bar and the close. The client area's
// controls are the chart's (chart/chart.h). The shell folder composes the program: start-up and
// splash, this window, its load and unload, and the wiring. May use every layer.
#include <QMainWindow>

#include <array>
#include <memory>

#include "catalogue/families.h"
#include "chart/chart.h"
#include "platform/statusbar.h"
#include "scores/highscores.h"

class QAction;
class QMenu;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The client area: every control of the chart, its counters and picture stores.
    const std::unique_ptr<chart::Chart> chart;

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

    // The View entry of a group.
    QAction* GroupMenuItem(catalogue::Group group) const;

    // What this run has entered in the score tables, for merging with what other games wrote.
    scores::RunScores ScoreRun;

signals:
    // The window is closing, however it was closed.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
};
