#include "shell/frmMain.h"

#include "catalogue/tiles.h"
#include "platform/menus.h"
#include "platform/units.h"

#include <QCloseEvent>
#include <QMenuBar>

using catalogue::Group;

namespace {

// The View entry of each group.
constexpr std::pair<Group, QAction* frmMain::*> kGroupItems[catalogue::kGroupCount] = {
    {Group::Alkali, &frmMain::mnuAlkali},       {Group::Alkaline, &frmMain::mnuAlkaline},
    {Group::Transition, &frmMain::mnuTransition}, {Group::Aluminum, &frmMain::mnuAluminum},
    {Group::Carbon, &frmMain::mnuCarbon},       {Group::Nitrogen, &frmMain::mnuNitrogen},
    {Group::Oxygen, &frmMain::mnuOxygen},       {Group::Halogens, &frmMain::mnuHalogens},
    {Group::Nobel, &frmMain::mnuNobel},         {Group::Lanthanide, &frmMain::mnuLanthanide},
    {Group::Actinide, &frmMain::mnuActinide},   {Group::Metals, &frmMain::mnuMetals},
    {Group::NonMetals, &frmMain::mnuNonMetals}, {Group::RareEarth, &frmMain::mnuRare},
};

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent), chart(std::make_unique<chart::Chart>(this))
{
    setWindowTitle(tr("Periodic Table"));
    setWindowIcon(catalogue::AppIcon());
    setCentralWidget(chart->Surface);
    CreateMenus();
    // The status bar belongs to the client area; the surface takes the rest of it.
    sbStatusBar = new platform::StatusBar(this, tr("Status"));
    setStatusBar(sbStatusBar);
    // The design size shows every cell whole, whatever height the platform's status bar takes.
    const QSize layout = chart::LayoutSize();
    resize(layout.width(), menuBar()->sizeHint().height() + layout.height() + sbStatusBar->sizeHint().height());
}

frmMain::~frmMain() = default;

void frmMain::CreateMenus()
{
    using platform::AddItem;
    using platform::AddMenu;
    using platform::AddSeparator;
    using platform::Item;
    QMenuBar* bar = menuBar();

    mnuFile = AddMenu(bar, tr("&File"));
    // The unavailable items are shown greyed, so the File separator that goes with them is not shown.
    mnuFileBar5 = AddSeparator(mnuFile, false);
    mnuFileExit = AddItem(mnuFile, tr("E&xit"), Item::Available);

    mnuView = AddMenu(bar, tr("&View"));
    mnuMetals = AddItem(mnuView, tr("Show &Metals"), Item::Available);
    mnuNonMetals = AddItem(mnuView, tr("Show &Nonmetals"), Item::Available);
    mnuRare = AddItem(mnuView, tr("Show &Rare-Earth"), Item::Available);
    Seperator[0] = AddSeparator(mnuView);
    mnuAlkali = AddItem(mnuView, tr("&Alkali Metals"), Item::Unavailable);
    mnuAlkaline = AddItem(mnuView, tr("A&lkaline Earth"), Item::Unavailable);
    mnuTransition = AddItem(mnuView, tr("&Transition Metals"), Item::Unavailable);
    mnuAluminum = AddItem(mnuView, tr("Al&uminum Group"), Item::Unavailable);
    mnuCarbon = AddItem(mnuView, tr("&Carbon Group"), Item::Unavailable);
    mnuNitrogen = AddItem(mnuView, tr("N&itrogen Group"), Item::Unavailable);
    mnuOxygen = AddItem(mnuView, tr("&Oxygen Group"), Item::Unavailable);
    mnuHalogens = AddItem(mnuView, tr("&Halogens"), Item::Unavailable);
    // "Nobel(Inert) Gases" is the spelling players have always seen; kept on purpose.
    mnuNobel = AddItem(mnuView, tr("No&bel(Inert) Gases"), Item::Unavailable);
    mnuLanthanide = AddItem(mnuView, tr("&Lanthanide Series"), Item::Unavailable);
    mnuActinide = AddItem(mnuView, tr("Actini&de Series"), Item::Unavailable);
    Sepera = AddSeparator(mnuView);
    mnuAll = AddItem(mnuView, tr("Show &All"), Item::Available);

    mnuPlayGame = AddMenu(bar, tr("&Play Game"));
    mnuPlayCommon = AddItem(mnuPlayGame, tr("Play &Common Elements"), Item::Available);
    mnuPlay = AddItem(mnuPlayGame, tr("P&lay All"), Item::Unavailable, QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuWONumber = AddItem(mnuPlayGame, tr("Play C&ommon w/o Atomic Number"), Item::Unavailable);
    mnuPlayAtomic = AddItem(mnuPlayGame, tr("Play &All w/o Atomic Number"), Item::Unavailable);
}

QAction* frmMain::GroupMenuItem(Group group) const
{
    for (const auto& [g, item] : kGroupItems)
        if (g == group)
            return this->*item;
    return nullptr;
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Closing cannot be refused; what closing runs is wired with the rest of the program's ends.
    emit closing();
    event->accept();
}
