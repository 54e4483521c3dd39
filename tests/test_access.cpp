// Playing without dragging, in process: the keyboard's way across the chart, the colours of its
// mark, when keyboard placement ends, and what the controls say to assistive technology.
#include "platform/testing.h"
#include "testsupport.h"

#include "catalogue/elements.h"
#include "catalogue/tiles.h"
#include "explore/explore.h"
#include "game/game.h"
#include "platform/focusmark.h"
#include "platform/random.h"
#include "shell/frmMain.h"

#include <QAccessible>
#include <cmath>
#include <set>

using game::Direction;

namespace {

// Element indices by symbol, for readable rows.
int Cell(const char* symbol)
{
    for (int i = 0; i < catalogue::kElementCount; ++i)
        if (catalogue::Element(i).symbol == symbol)
            return i;
    return -1;
}

// Contrast ratio of two colours as accessibility guidelines define it, 1 to 21.
double Contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString AccessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void neighbourCells_data();
    void neighbourCells();
    void everyCellIsReachableFromHydrogen();
    void markStandsOutFromEveryFillAndTheWindow();
    void keyboardPlacementEndsWithTheGame_data();
    void keyboardPlacementEndsWithTheGame();
    void accessibleNames();

private:
    std::unique_ptr<frmMain> form;
};

void AccessTest::init()
{
    testsupport::ResetScores();
    testsupport::Dialogs() = {};
    platform::testing::SeedRandom(4711);
    form = testsupport::LoadedWindow();
}

void AccessTest::cleanup() { form.reset(); }

void AccessTest::neighbourCells_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("to");
    const auto row = [](const char* from, Direction d, const char* to) {
        QTest::addRow("%s %s", from,
                      d == Direction::Left ? "left" : d == Direction::Right ? "right" : d == Direction::Up ? "up" : "down")
            << Cell(from) << int(d) << Cell(to);
    };
    row("H", Direction::Right, "He");  // across sixteen empty places
    row("H", Direction::Left, "H");    // edge of the chart
    row("H", Direction::Up, "H");
    row("H", Direction::Down, "Li");
    row("He", Direction::Down, "Ne");
    row("Be", Direction::Right, "B");
    row("B", Direction::Up, "He");     // no cell above in column 13: the nearest of row 1
    row("Fe", Direction::Up, "Al");    // no cell above in column 8: the nearest of row 3
    row("Fe", Direction::Down, "Ru");
    row("La", Direction::Down, "Ac");
    row("Ac", Direction::Down, "Ce");  // below column 3 no series cell: the nearest, under column 4
    row("Ra", Direction::Down, "Ce");
    row("Rf", Direction::Down, "Ce");  // the series row under column 4
    row("Tl", Direction::Down, "Ho");  // period 7 has no column 13: the series cell under it
    row("Ce", Direction::Up, "Rf");
    row("Ce", Direction::Down, "Th");
    row("Th", Direction::Down, "Th");
    row("Lu", Direction::Right, "Lu");
    row("Mt", Direction::Right, "Mt");
    row("Mt", Direction::Left, "Hs");
}

void AccessTest::neighbourCells()
{
    QFETCH(int, from);
    QFETCH(int, direction);
    QFETCH(int, to);
    QCOMPARE(game::NeighbourCell(from, Direction(direction)), to);
}

void AccessTest::everyCellIsReachableFromHydrogen()
{
    std::set<int> reached{0};
    std::vector<int> open{0};
    while (!open.empty()) {
        const int cell = open.back();
        open.pop_back();
        for (Direction d : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
            if (const int next = game::NeighbourCell(cell, d); reached.insert(next).second)
                open.push_back(next);
    }
    QCOMPARE(int(reached.size()), catalogue::kElementCount);
}

// The mark's frame touches only black: its keylines, which lie over the black window or a tile's
// black edge, or over the edge of a neighbouring tile. So the frame must stand out from black, and
// the keylines from every family fill they may border on.
void AccessTest::markStandsOutFromEveryFillAndTheWindow()
{
    const QColor window = form->chart->Surface->palette().color(QPalette::Window);
    QCOMPARE(window, QColor(Qt::black));
    QVERIFY(Contrast(platform::FocusMark::kColour, window) >= 4.5);
    QVERIFY(Contrast(platform::FocusMark::kColour, catalogue::kFrameColour) >= 4.5);
    QVERIFY(Contrast(platform::FocusMark::kKeyline, platform::FocusMark::kColour) >= 4.5);
    std::set<QRgb> fills;
    for (int i = 0; i < catalogue::kElementCount; ++i)
        fills.insert(catalogue::FamilyColour(i).rgb());
    QCOMPARE(int(fills.size()), 12);
    for (QRgb fill : fills) {
        QVERIFY2(Contrast(platform::FocusMark::kKeyline, QColor::fromRgb(fill)) >= 3.0,
                 qPrintable(QColor::fromRgb(fill).name()));
        QVERIFY2(platform::FocusMark::kColour.rgb() != fill, qPrintable(QColor::fromRgb(fill).name()));
    }
}

void AccessTest::keyboardPlacementEndsWithTheGame_data()
{
    QTest::addColumn<QString>("end");
    QTest::newRow("a new game") << "start";
    QTest::newRow("a View entry") << "view";
    QTest::newRow("the last tile placed") << "complete";
    QTest::newRow("Escape") << "escape";
}

void AccessTest::keyboardPlacementEndsWithTheGame()
{
    QFETCH(QString, end);
    QTest::keyClick(form->chart->Surface, Qt::Key_Space); // no game, no tile to pick up
    QCOMPARE(game::MarkedCell(*form->chart), -1);
    game::StartGame(*form->chart, 1);
    QTest::keyClick(form->chart->Surface, Qt::Key_Space);
    QCOMPARE(game::MarkedCell(*form->chart), Cell("H"));
    QCOMPARE(form->chart->lblName->caption(), QStringLiteral("Hydrogen"));
    QTest::keyClick(form->chart->Surface, Qt::Key_Down);
    QCOMPARE(game::MarkedCell(*form->chart), Cell("Li"));
    QCOMPARE(form->chart->lblName->caption(), QStringLiteral("Lithium"));
    if (end == QLatin1String("start")) {
        game::StartGame(*form->chart, 1);
    } else if (end == QLatin1String("view")) {
        explore::RevealAll(*form->chart);
    } else if (end == QLatin1String("escape")) {
        const qint16 offered = form->chart->CurrentElement;
        QTest::keyClick(form->chart->Surface, Qt::Key_Escape);
        QCOMPARE(form->chart->CurrentElement, offered);
        QVERIFY(form->chart->imgHolder->shown());
    } else {
        for (int i = 0; i < catalogue::kElementCount; ++i)
            form->chart->frmHold.SetPending(i, i == Cell("Li"));
        form->chart->CurrentElement = qint16(Cell("Li"));
        form->chart->PlacedCount = catalogue::kElementCount - 1;
        QTest::keyClick(form->chart->Surface, Qt::Key_Return);
        QCOMPARE(int(form->chart->PlacedCount), catalogue::kElementCount);
        QVERIFY(testsupport::Dialogs().messages.isEmpty()); // after the key event, not inside it
        QTRY_COMPARE(testsupport::Dialogs().messages.size(), 1);
    }
    QCOMPARE(game::MarkedCell(*form->chart), -1);
    QVERIFY(form->chart->shpMark->isHidden());
    // The keys do nothing more until a tile is picked up again (and none can be after the end).
    QTest::keyClick(form->chart->Surface, Qt::Key_Down);
    QCOMPARE(game::MarkedCell(*form->chart), -1);
}

void AccessTest::accessibleNames()
{
    frmMain& f = *form;
    const auto name = [](QObject* object) { return AccessibleName(object); };
    QCOMPARE(name(f.chart->Image1[Cell("H")]), QStringLiteral("Hydrogen, H, 1"));
    QCOMPARE(name(f.chart->imgHolder), QStringLiteral("Tile holder"));

    game::StartGame(*f.chart, 1);
    const int offered = f.chart->CurrentElement;
    const catalogue::ElementRecord& e = catalogue::Element(offered);
    const QString words = QStringLiteral("%1, %2, %3")
                              .arg(QString::fromLatin1(e.name.data(), qsizetype(e.name.size())),
                                   QString::fromLatin1(e.symbol.data(), qsizetype(e.symbol.size())))
                              .arg(e.number);
    QCOMPARE(name(f.chart->imgHolder), QStringLiteral("Tile to place: ") + words);
    QCOMPARE(name(f.chart->Image1[offered]), QStringLiteral("empty, ") + explore::CellPlace(offered));
    QCOMPARE(name(f.chart->Image1[Cell("Sc")]), QStringLiteral("Scandium, Sc, 21")); // outside the common set
    testsupport::DropOn(f, offered);
    QCOMPARE(name(f.chart->Image1[offered]), words);

    explore::ShowElement(*f.chart, Cell("Fe"));
    QCOMPARE(name(f.chart->lblAtomicMass), QStringLiteral("Atomic Mass: 55.847"));
    QCOMPARE(name(f.chart->lblName), QStringLiteral("Element: Iron"));
    for (int t = 0; t < 125; ++t)
        game::Tick(*f.chart);
    QCOMPARE(name(f.chart->lblTime), QStringLiteral("Time 02:05"));
    QCOMPARE(name(f.chart->NameLabel(1, 1)), QStringLiteral("Rank 1: vacant"));
    f.chart->NameLabel(1, 1)->setCaption(QStringLiteral("Ann"));
    f.chart->MinLabel(1, 1)->setCaption(QStringLiteral("03"));
    f.chart->SecLabel(1, 1)->setCaption(QStringLiteral(":07"));
    QCOMPARE(name(f.chart->NameLabel(1, 1)), QStringLiteral("Rank 1: Ann, 03:07"));

    game::StartGame(*f.chart, 3); // plain tiles carry no number
    QCOMPARE(name(f.chart->Image1[Cell("Sc")]), QStringLiteral("Scandium, Sc"));
    QCOMPARE(name(f.chart->Image1[Cell("Ce")]), QStringLiteral("Cerium, Ce"));
    game::StartGame(*f.chart, 2);
    QCOMPARE(name(f.chart->Image1[Cell("Ce")]), QStringLiteral("empty, lanthanide row, column 1"));
    QCOMPARE(name(f.chart->Image1[Cell("Lr")]), QStringLiteral("empty, actinide row, column 14"));
}

VELMOR08_TEST_MAIN(AccessTest)
#include "test_access.moc"
