// The main window's controls, menus and status bar, its load and unload, and the start-up.
#include "testsupport.h"

#include "game/game.h"
#include "platform/settings.h"
#include "platform/units.h"
#include "shell/frmMain.h"
#include "shell/lifecycle.h"
#include "shell/splash.h"
#include "shell/startup.h"

#include <QAction>
#include <QFontInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>

namespace {

const QColor kRed(0xC0, 0, 0), kGreen(0, 0xC0, 0), kPurple(0xC0, 0, 0xC0);

QString Setting(const char* key)
{
    return platform::GetSetting(QStringLiteral("velmor08"), QStringLiteral("Settings"), QString::fromLatin1(key),
                                QStringLiteral("absent"));
}
void Store(const char* key, const QString& value)
{
    platform::SaveSetting(QStringLiteral("velmor08"), QStringLiteral("Settings"), QString::fromLatin1(key), value);
}

// Captions of a menu's items in order, separators as "-", unavailable items marked with "(x)".
QStringList Items(const QMenu* menu)
{
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            items << (action->isVisible() ? QStringLiteral("-") : QStringLiteral("(hidden -)"));
        else
            items << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (x)"));
    }
    return items;
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void labels_data();
    void labels();
    void boardHolderAndBlankPicture();
    void designSizeShowsEveryControlWhole();
    void scoreColumnsShareTheirRectangles();
    void menus();
    void unavailableItemsCannotBeChosen();
    void statusBarFollowsTheWindowAndNothingElseMoves();
    void firstRunLoad();
    void storedPlacement_data();
    void storedPlacement();
    void unloadSavesThePlacement();
    void minimisedWindowSavesNothing();
    void exitClosesTheWindowLikeItsCloseCommand();
    void splashTexts();
    void startUpOrder();
    void noDisplay_data();
    void noDisplay();
};

void ShellTest::init()
{
    testsupport::ResetSettings();
    testsupport::ResetScores();
}

void ShellTest::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect"); // logical pixels; width and height -1 for self-sizing labels
    QTest::addColumn<QString>("caption");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("align");
    QTest::addColumn<bool>("shown");
    const int left = Qt::AlignLeft, right = Qt::AlignRight, centre = Qt::AlignHCenter;
    QTest::newRow("clock heading") << "lblTime" << QRect(144, 96, -1, -1) << "Time" << 18.0 << kPurple << centre << false;
    QTest::newRow("minutes") << "lblMin" << QRect(144, 120, 25, 25) << "00" << 13.5 << kPurple << right << false;
    QTest::newRow("colon") << "lblColon" << QRect(168, 120, -1, -1) << ":" << 13.5 << kPurple << left << false;
    QTest::newRow("seconds") << "lblSec" << QRect(168, 120, 25, 25) << "00" << 13.5 << kPurple << right << false;
    QTest::newRow("element heading") << "lblElementHeading" << QRect(632, 312, 81, 17) << "Element" << 12.0 << kGreen << left << true;
    QTest::newRow("number heading") << "lblAtomicnum" << QRect(464, 360, 121, 17) << "Atomic Number" << 12.0 << kGreen << left << true;
    QTest::newRow("melting heading") << "lblMeltingHeading" << QRect(632, 408, 153, 25) << "Melting Point Celcius" << 12.0 << kGreen << left << true;
    QTest::newRow("name, emptied by the load") << "lblName" << QRect(632, 328, -1, -1) << "" << 13.5 << kRed << left << true;
    QTest::newRow("number keeps its caption") << "lblNumber" << QRect(464, 376, -1, -1) << "Atomic Number" << 13.5 << kRed << left << true;
    QTest::newRow("boiling value") << "lblBoiling" << QRect(632, 472, -1, -1) << "" << 13.5 << kRed << left << true;
    QTest::newRow("alkali legend") << "lblAlkali" << QRect(8, 0, 72, 56) << "Alkali Metals" << 13.5 << kRed << centre << false;
    QTest::newRow("transition legend") << "lblTransition" << QRect(201, 136, 96, 56) << "Transition Metals" << 13.5 << kRed << centre << false;
    QTest::newRow("noble legend") << "lblNobel" << QRect(520, 0, 120, 56) << "Nobel (Inert) Gases" << 13.5 << kRed << centre << false;
    QTest::newRow("lanthanide legend") << "lblLanthanide" << QRect(40, 416, 104, 48) << "Lanthanide Series" << 13.5 << kRed << centre << false;
    QTest::newRow("metals legend") << "lblMetals" << QRect(120, 56, -1, -1) << "Metals" << 13.5 << kRed << centre << false;
    QTest::newRow("rare-earth legend") << "lblRareEarth" << QRect(160, 384, -1, -1) << "Rare-Earth Elements" << 13.5 << kRed << left << false;
}

void ShellTest::labels()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, caption);
    QFETCH(qreal, points);
    QFETCH(QColor, colour);
    QFETCH(int, align);
    QFETCH(bool, shown);
    auto form = testsupport::LoadedWindow();
    const std::map<QString, Label*> labels = {
        {"lblTime", form->chart->lblTime}, {"lblMin", form->chart->lblMin}, {"lblColon", form->chart->lblColon}, {"lblSec", form->chart->lblSec},
        {"lblElementHeading", form->chart->lblElementHeading}, {"lblAtomicnum", form->chart->lblAtomicnum},
        {"lblMeltingHeading", form->chart->lblMeltingHeading}, {"lblName", form->chart->lblName}, {"lblNumber", form->chart->lblNumber},
        {"lblBoiling", form->chart->lblBoiling}, {"lblAlkali", form->chart->lblAlkali}, {"lblTransition", form->chart->lblTransition},
        {"lblNobel", form->chart->lblNobel}, {"lblLanthanide", form->chart->lblLanthanide}, {"lblMetals", form->chart->lblMetals},
        {"lblRareEarth", form->chart->lblRareEarth}};
    Label* label = labels.at(name);
    QCOMPARE(label->pos(), rect.topLeft());
    if (rect.width() >= 0)
        QCOMPARE(label->size(), rect.size());
    else // self-sizing: one line of the caption
        QCOMPARE(label->height(), QFontMetrics(label->font()).height());
    QCOMPARE(label->caption(), caption);
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
    QVERIFY(QStringList({"Liberation Sans", "DejaVu Sans"}).contains(QFontInfo(label->font()).family()));
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), align);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->shown(), shown);
    QCOMPARE(label->parentWidget(), form->chart->Surface);
}

void ShellTest::boardHolderAndBlankPicture()
{
    auto form = testsupport::LoadedWindow();
    QCOMPARE(form->chart->Image1[0]->geometry(), QRect(24, 48, 35, 44));
    QCOMPARE(form->chart->Image1[1]->geometry(), QRect(568, 48, 33, 44));
    QCOMPARE(form->chart->Image1[108]->geometry(), QRect(280, 336, 36, 46));
    QCOMPARE(form->chart->imgHolder->pos(), QPoint(288, 88));
    QVERIFY(!form->chart->imgHolder->shown());
    QCOMPARE(form->chart->Image2->geometry(), QRect(8, 488, 81, 33));
    QVERIFY(!form->chart->Image2->shown());
    QVERIFY(form->chart->Image2->picture().isNull());
    // The holder takes the size of its tile plus the border.
    game::StartGame(*form->chart, 0);
    QCOMPARE(form->chart->imgHolder->size(), form->chart->imgHolder->picture().deviceIndependentSize().toSize() + QSize(4, 4));
    // Every cell's inside is exactly its own tile.
    for (int i = 0; i < catalogue::kElementCount; ++i)
        QCOMPARE(form->chart->Image1[i]->size() - QSize(4, 4), form->chart->frmHold.Picture(i).deviceIndependentSize().toSize());
    // The background is the menu-text colour.
    QCOMPARE(form->chart->Surface->palette().color(QPalette::Window),
             QApplication::palette("QMenu").color(QPalette::Active, QPalette::WindowText));
}

void ShellTest::designSizeShowsEveryControlWhole()
{
    frmMain form; // as created, before the load applies a placement
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.chart->Surface->width(), 795);
    // Every cell whole; the actinide legend's box reaches under the status bar by design.
    for (const PictureBox* cell : form.chart->Image1)
        QVERIFY(form.chart->Surface->rect().contains(cell->geometry()));
    QVERIFY(form.chart->Surface->rect().contains(form.chart->lblNinthSec[0]->geometry()));
    QVERIFY(form.chart->Surface->rect().contains(form.chart->lblBoiling->geometry()));
    QCOMPARE(form.sbStatusBar->width(), form.width());
}

void ShellTest::scoreColumnsShareTheirRectangles()
{
    auto form = testsupport::LoadedWindow();
    for (int rank = 1; rank <= 9; ++rank) {
        const int top = (120 + 480 * (rank - 1)) / 15;
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(form->chart->NameLabel(rank, k)->geometry(), QRect(608, top, 113, 25));
            QCOMPARE(form->chart->MinLabel(rank, k)->geometry(), QRect(728, top, 25, 25));
            QCOMPARE(form->chart->SecLabel(rank, k)->geometry(), QRect(752, top, 25, 25));
            QCOMPARE(form->chart->NameLabel(rank, k)->caption(), QStringLiteral("Name"));
            QCOMPARE(form->chart->MinLabel(rank, k)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            QCOMPARE(form->chart->SecLabel(rank, k)->font().pointSizeF(), 9.75);
            QCOMPARE(form->chart->NameLabel(rank, k)->palette().color(QPalette::WindowText), kPurple);
            QVERIFY(!form->chart->NameLabel(rank, k)->shown());
        }
    }
    QCOMPARE(form->chart->lblFirstName[2], form->chart->NameLabel(1, 2));
    QCOMPARE(form->chart->lblSeventhSec[1], form->chart->SecLabel(7, 1));
    QCOMPARE(form->chart->lblNinthMin[3], form->chart->MinLabel(9, 3));
}

void ShellTest::menus()
{
    auto form = testsupport::LoadedWindow();
    QCOMPARE(form->windowTitle(), QStringLiteral("Periodic Table"));
    QVERIFY(!form->windowIcon().isNull());
    QStringList bar;
    for (const QAction* action : form->menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, (QStringList{"&File", "&View", "&Play Game"}));
    QCOMPARE(Items(form->mnuFile), (QStringList{"(hidden -)", "E&xit"}));
    QCOMPARE(Items(form->mnuView),
             (QStringList{"Show &Metals", "Show &Nonmetals", "Show &Rare-Earth", "-", "&Alkali Metals (x)",
                          "A&lkaline Earth (x)", "&Transition Metals (x)", "Al&uminum Group (x)", "&Carbon Group (x)",
                          "N&itrogen Group (x)", "&Oxygen Group (x)", "&Halogens (x)", "No&bel(Inert) Gases (x)",
                          "&Lanthanide Series (x)", "Actini&de Series (x)", "-", "Show &All"}));
    QCOMPARE(Items(form->mnuPlayGame),
             (QStringList{"Play &Common Elements", "P&lay All (x)", "Play C&ommon w/o Atomic Number (x)",
                          "Play &All w/o Atomic Number (x)"}));
    QCOMPARE(form->mnuPlay->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    for (QMenu* menu : {form->mnuFile, form->mnuView, form->mnuPlayGame})
        for (const QAction* action : menu->actions()) {
            QVERIFY(!action->isCheckable());
            if (action != form->mnuPlay)
                QVERIFY(action->shortcut().isEmpty());
        }
}

void ShellTest::unavailableItemsCannotBeChosen()
{
    auto form = testsupport::LoadedWindow();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(game::ActiveMode(*form->chart), game::kNoMode);
    for (QAction* item : {form->mnuPlay, form->mnuWONumber, form->mnuPlayAtomic, form->mnuAlkali, form->mnuActinide}) {
        item->trigger();
        QCOMPARE(game::ActiveMode(*form->chart), game::kNoMode);
        QVERIFY(!form->chart->lblAlkali->shown() && !form->chart->lblActinide->shown());
    }
    form->mnuPlayCommon->trigger();
    QCOMPARE(game::ActiveMode(*form->chart), 1);
}

void ShellTest::statusBarFollowsTheWindowAndNothingElseMoves()
{
    auto form = testsupport::LoadedWindow();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(form->sbStatusBar->text(), QStringLiteral("Status"));
    QCOMPARE(form->sbStatusBar->dateText(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(!form->sbStatusBar->timeText().isEmpty());
    // As created, at the layout's scale. Below the layout's size the chart is drawn smaller to fit
    // (test_scale); at its size and above nothing but the status bar moves.
    const QRect hydrogen = QRect(24, 48, 35, 44);
    const QRect name = QRect(608, 8, 113, 25);
    for (auto [size, asDesigned] : {std::pair{QSize(300, 250), false}, {QSize(1000, 700), true}, {QSize(1300, 900), true}}) {
        form->resize(size);
        QTRY_COMPARE(form->sbStatusBar->width(), size.width());
        QCOMPARE(form->sbStatusBar->geometry().bottom(), size.height() - 1);
        QCOMPARE(form->chart->Image1[0]->geometry() == hydrogen, asDesigned);
        QCOMPARE(form->chart->lblFirstName[0]->geometry() == name, asDesigned);
    }
}

void ShellTest::firstRunLoad()
{
    auto form = testsupport::LoadedWindow();
    QCOMPARE(form->pos(), QPoint(67, 67));       // 1000 units
    QCOMPARE(form->size(), QSize(433, 433));     // 6500 units
    for (int i = 0; i < catalogue::kElementCount; ++i)
        QCOMPARE(form->chart->Image1[i]->picture().cacheKey(), form->chart->frmHold.Picture(i).cacheKey());
    QVERIFY(form->chart->frmHold.isOpen() && form->chart->frmHold2.isOpen());
    QVERIFY(!form->chart->imgHolder->shown());
    QCOMPARE(game::ActiveMode(*form->chart), game::kNoMode);
    QVERIFY(!form->chart->Timer1->enabled());
    QCOMPARE(form->chart->lblName->caption(), QString());
    QCOMPARE(form->chart->lblAtomicMass->caption(), QString());
    QCOMPARE(form->chart->lblMelting->caption(), QString());
    QCOMPARE(form->chart->lblBoiling->caption(), QString());
    QCOMPARE(form->chart->lblNumber->caption(), QStringLiteral("Atomic Number"));
    QCOMPARE(Setting("MainLeft"), QStringLiteral("absent")); // a first run writes nothing before it ends
}

void ShellTest::storedPlacement_data()
{
    QTest::addColumn<QStringList>("stored"); // left, top, width, height; "" leaves a key absent
    QTest::addColumn<QRect>("units");
    QTest::newRow("stored values") << QStringList{"150", "300", "9000", "7500"} << QRect(150, 300, 9000, 7500);
    QTest::newRow("absent keys take defaults") << QStringList{"", "300", "", "7500"} << QRect(1000, 300, 6500, 7500);
    QTest::newRow("not a number takes its default")
        << QStringList{"abc", "300", "12e3", "7500"} << QRect(1000, 300, 6500, 7500);
    QTest::newRow("partly off the screen is kept")
        << QStringList{"-3000", "-1500", "9000", "7500"} << QRect(-3000, -1500, 9000, 7500);
    QTest::newRow("wholly off every screen: the position only")
        << QStringList{"-900000", "-900000", "9000", "7500"} << QRect(1000, 1000, 9000, 7500);
    QTest::newRow("zero size") << QStringList{"150", "300", "0", "7500"} << QRect(1000, 1000, 6500, 6500);
    // Hostile values: none may overflow a conversion or the rectangle arithmetic (the sanitizer
    // build aborts on that), and no size may outgrow the room on the screen.
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size() * 15;
    const int roomWidth = room.width(), roomHeight = room.height();
    QTest::newRow("huge size fits the screen")
        << QStringList{"150", "300", "2000000000", "2000000000"} << QRect(150, 300, roomWidth, roomHeight);
    QTest::newRow("largest left") << QStringList{"2147483647", "300", "9000", "7500"} << QRect(1000, 1000, 9000, 7500);
    QTest::newRow("smallest left") << QStringList{"-2147483648", "300", "9000", "7500"} << QRect(1000, 1000, 9000, 7500);
    QTest::newRow("largest top, smallest left, huge size")
        << QStringList{"-2147483648", "2147483647", "2147483647", "2147483647"} << QRect(1000, 1000, roomWidth, roomHeight);
    QTest::newRow("beyond 64 bits") << QStringList{"150", "99999999999999999999999", "9000", "+99999999999999999999"}
                                    << QRect(1000, 1000, 9000, roomHeight);
    QTest::newRow("smallest width") << QStringList{"150", "300", "-2147483648", "7500"} << QRect(1000, 1000, 6500, 6500);
    QTest::newRow("width below 64 bits")
        << QStringList{"150", "300", "-99999999999999999999", "7500"} << QRect(1000, 1000, 6500, 6500);
    QTest::newRow("the largest size the exit could save")
        << QStringList{"0", "0", "251658225", "251658225"} << QRect(0, 0, roomWidth, roomHeight);
}

void ShellTest::storedPlacement()
{
    QFETCH(QStringList, stored);
    QFETCH(QRect, units);
    const char* keys[4] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
    for (int i = 0; i < 4; ++i)
        if (!stored[i].isEmpty())
            Store(keys[i], stored[i]);
    QCOMPARE(shell::StoredPlacement(), units);
    auto form = testsupport::LoadedWindow();
    QCOMPARE(form->geometry(), platform::UnitsRect(units.x(), units.y(), units.width(), units.height()));
}

void ShellTest::unloadSavesThePlacement()
{
    auto form = testsupport::LoadedWindow();
    form->move(20, 30);
    form->resize(700, 500);
    game::StartGame(*form->chart, 1); // a game in progress is dropped without a word
    shell::MainUnload(*form);
    QCOMPARE(Setting("MainLeft"), QStringLiteral("300"));
    QCOMPARE(Setting("MainTop"), QStringLiteral("450"));
    QCOMPARE(Setting("MainWidth"), QStringLiteral("10500"));
    QCOMPARE(Setting("MainHeight"), QStringLiteral("7500"));
    QVERIFY(!form->chart->frmHold.isOpen() && !form->chart->frmHold2.isOpen());
    // The next load sets the saved bounds.
    auto next = testsupport::LoadedWindow();
    QCOMPARE(next->pos(), QPoint(20, 30));
    QCOMPARE(next->size(), QSize(700, 500));
}

void ShellTest::minimisedWindowSavesNothing()
{
    Store("MainLeft", QStringLiteral("150"));
    auto form = testsupport::LoadedWindow();
    form->move(20, 30);
    form->setWindowState(Qt::WindowMinimized);
    shell::MainUnload(*form);
    QCOMPARE(Setting("MainLeft"), QStringLiteral("150"));
    QCOMPARE(Setting("MainWidth"), QStringLiteral("absent"));
}

void ShellTest::exitClosesTheWindowLikeItsCloseCommand()
{
    for (bool viaMenu : {true, false}) {
        testsupport::ResetSettings();
        auto form = testsupport::LoadedWindow();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        viaMenu ? form->mnuFileExit->trigger() : void(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(Setting("MainWidth") != QStringLiteral("absent"));
        QVERIFY(!form->chart->frmHold.isOpen());
    }
}

void ShellTest::splashTexts()
{
    frmSplash splash;
    QCOMPARE(splash.lblVersion->text(), QStringLiteral("Version"));
    splash.ShowAndPaint();
    QCOMPARE(splash.lblVersion->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(splash.lblProductName->text(), QStringLiteral("velmor08"));
    QCOMPARE(splash.lblUser->text(), QStringLiteral("User"));
    QCOMPARE(splash.size(), QSize(497, 314));
    QVERIFY(splash.painted());
    QVERIFY(splash.windowFlags() & Qt::SplashScreen);
    QCOMPARE(splash.lblProductName->palette().color(QPalette::WindowText), QColor(0, 192, 0));
    QCOMPARE(splash.lblProductName->font().pointSizeF(), 29.25);
    QVERIFY(splash.lblProductName->font().bold());
}

void ShellTest::startUpOrder()
{
    QStringList steps;
    bool splashUpDuringLoad = false;
    const auto observe = [&](const char* step) {
        steps << QString::fromLatin1(step);
        if (QLatin1String(step) == QLatin1String("load-begin"))
            for (QWidget* w : QApplication::topLevelWidgets())
                splashUpDuringLoad |= qobject_cast<frmSplash*>(w) && w->isVisible();
    };
    auto form = shell::StartUp(observe);
    QCOMPARE(steps, (QStringList{"splash-painted", "load-begin", "load-end", "splash-closed", "main-shown"}));
    QVERIFY(splashUpDuringLoad);
    QVERIFY(form->isVisible());
    QVERIFY(form->windowState() & Qt::WindowMaximized);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<frmSplash*>(w));
    form->close();
}

void ShellTest::noDisplay_data()
{
    // An X display number no server listens on: no socket of that number.
    int free = 4000;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(free)))
        ++free;
    const QString silent = QStringLiteral(":%1").arg(free);
    QTest::addColumn<QStringList>("environment"); // variables set for the program, NAME=VALUE
    QTest::addColumn<QString>("said");
    const QString unset = QStringLiteral("an X display (DISPLAY is not set)");
    const QString nowhere = QStringLiteral("the Wayland display \"velmor08-nowhere\"");
    QTest::newRow("no display set") << QStringList{} << unset;
    QTest::newRow("a display that does not answer")
        << QStringList{"DISPLAY=" + silent} << QStringLiteral("the X display \"%1\"").arg(silent);
    QTest::newRow("xcb asked for, no display set") << QStringList{"QT_QPA_PLATFORM=xcb"} << unset;
    QTest::newRow("a Wayland display pointing nowhere")
        << QStringList{"WAYLAND_DISPLAY=velmor08-nowhere"} << nowhere + QStringLiteral(" nor ") + unset;
    QTest::newRow("Wayland asked for, pointing nowhere")
        << QStringList{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=velmor08-nowhere"} << nowhere;
    QTest::newRow("a platform that is not installed, then xcb")
        << QStringList{"QT_QPA_PLATFORM=velmor08-none;xcb"}
        << QStringLiteral("the \"velmor08-none\" platform (not installed) nor ") + unset;
}

// The program itself, started where it can open no display: one line of its own on standard error
// and exit status 1, in place of the platform's abort.
void ShellTest::noDisplay()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, said);
    QProcessEnvironment variables = testsupport::ChildEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        variables.remove(QString::fromLatin1(name));
    for (const QString& variable : environment)
        variables.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    QProcess program;
    program.setProcessEnvironment(variables);
    program.start(QStringLiteral(VELMOR08_BUILD_DIR "/velmor08"), {});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()),
             QStringLiteral("velmor08: cannot open %1: is a graphical session running?\n").arg(said));
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
}

VELMOR08_TEST_MAIN(ShellTest)
#include "test_shell.moc"
