// Game starts, ClearBoard, the draws, drops, completion and the clock.
#include "platform/testing.h"
#include "testsupport.h"

#include "catalogue/families.h"
#include "explore/explore.h"
#include "game/game.h"
#include "platform/dragdrop.h"
#include "platform/random.h"
#include "shell/frmMain.h"

#include <QDropEvent>
#include <QMimeData>
#include <QSet>
#include <cmath>

using catalogue::kElementCount;
using catalogue::PictureStore;

namespace {

bool Blank(const frmMain& form, int i) { return form.chart->Image1[i]->picture().isNull(); }
bool Shows(const frmMain& form, int i, const PictureStore& store)
{
    return form.chart->Image1[i]->picture().cacheKey() == store.Picture(i).cacheKey();
}
int ShownColumns(const frmMain& form)
{
    int shown = 0;
    for (int k = 0; k < 4; ++k)
        for (int rank = 1; rank <= 9; ++rank)
            shown += form.chart->NameLabel(rank, k)->shown() + form.chart->MinLabel(rank, k)->shown() + form.chart->SecLabel(rank, k)->shown();
    return shown;
}
int ShownLegends(const frmMain& form)
{
    int shown = 0;
    for (int g = 0; g < catalogue::kGroupCount; ++g)
        shown += form.chart->LegendLabel(catalogue::Group(g))->shown();
    return shown;
}
int WrongCell(const frmMain& form) { return form.chart->CurrentElement == 0 ? 1 : 0; }

} // namespace

class GameTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void clock_data();
    void clock();
    void starts_data();
    void starts();
    void clearBoardLeavesTheGameCounters();
    void modeOneAfterStartupShowsTheOtherElementsAsTiles();
    void modeZeroKeepsTheLegendOfAReveal();
    void drops_data();
    void drops();
    void plainModesUseOnlyThePlainStore();
    void dragOverBareWindowHidesTheHolderUntilADrop();
    void dragThatFindsNoTargetGivesTheTileBack();
    void completeGames_data();
    void completeGames();
    void drawFormulaEnds();
    void drawDistributions();
    void repeatedDrawEndsWhileTheClockStandsStill();
    void startDuringAGameRestartsTheClockInterval();
    void lastDropIsHandledInsideTheDropEvent();

private:
    std::unique_ptr<frmMain> form;
};

void GameTest::init()
{
    testsupport::ResetScores();
    testsupport::Dialogs() = {};
    platform::testing::SeedRandom(12345);
    form = testsupport::LoadedWindow();
}

void GameTest::cleanup()
{
    platform::testing::RouteRandom({});
    platform::testing::FreezeClockForRandom(false);
    form.reset();
}

void GameTest::clock_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::newRow("first tick") << 1 << "00" << "01";
    QTest::newRow("59 s") << 59 << "00" << "59";
    QTest::newRow("one minute") << 60 << "01" << "00";
    QTest::newRow("an hour stays minutes") << 3600 << "60" << "00";
    QTest::newRow("three-digit minutes") << 6000 << "100" << "00";
    QTest::newRow("largest count") << 32767 << "546" << "07";
    QTest::newRow("a tick beyond holds") << 32768 << "546" << "07";
}

void GameTest::clock()
{
    QFETCH(int, ticks);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    game::StartGame(*form->chart, 1);
    QCOMPARE(form->chart->lblMin->caption(), QStringLiteral("00"));
    for (int t = 0; t < ticks; ++t)
        game::Tick(*form->chart);
    QCOMPARE(form->chart->lblMin->caption(), minutes);
    QCOMPARE(form->chart->lblSec->caption(), seconds);
    QCOMPARE(int(form->chart->ElapsedSeconds), std::min(ticks, 32767));
}

void GameTest::starts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("before"); // idle, running, revealed
    for (int mode = 0; mode < 4; ++mode)
        for (const char* before : {"idle", "running", "revealed"})
            QTest::addRow("mode %d from %s", mode, before) << mode << QString::fromLatin1(before);
}

void GameTest::starts()
{
    QFETCH(int, mode);
    QFETCH(QString, before);
    if (before == QLatin1String("running")) {
        game::StartGame(*form->chart, (mode + 1) % 4);
        testsupport::DropOn(*form, form->chart->CurrentElement);
        game::Tick(*form->chart);
    } else if (before == QLatin1String("revealed")) {
        explore::RevealGroup(*form->chart, catalogue::Group::Metals);
    }
    const bool legendBefore = form->chart->lblMetals->shown();
    const bool numberBefore = form->chart->lblNumber->shown();

    game::StartGame(*form->chart, mode);

    const bool common = mode == 1 || mode == 3;
    const PictureStore& store = mode >= 2 ? form->chart->frmHold2 : form->chart->frmHold;
    QCOMPARE(game::ActiveMode(*form->chart), mode);
    QCOMPARE(ShownColumns(*form), 27);
    for (int rank = 1; rank <= 9; ++rank)
        QVERIFY(form->chart->NameLabel(rank, mode)->shown() && form->chart->SecLabel(rank, mode)->shown());
    QCOMPARE(form->chart->lblMetals->shown(), mode == 0 && legendBefore);
    if (mode != 0)
        QCOMPARE(ShownLegends(*form), 0);
    QCOMPARE(form->chart->lblNumber->shown(), mode == 1 ? false : numberBefore);
    QCOMPARE(form->chart->lblAtomicnum->shown(), form->chart->lblNumber->shown());
    for (Label* clock : {form->chart->lblTime, form->chart->lblMin, form->chart->lblColon, form->chart->lblSec})
        QVERIFY(clock->shown());
    QCOMPARE(form->chart->lblMin->caption(), QStringLiteral("00"));
    QCOMPARE(form->chart->lblSec->caption(), QStringLiteral("00"));
    QCOMPARE(int(form->chart->ElapsedSeconds), 0);
    QVERIFY(form->chart->Timer1->enabled());
    QVERIFY(form->chart->imgHolder->shown());
    QCOMPARE(int(form->chart->PlacedCount), common ? 59 : 0);
    QCOMPARE(store.PendingCount(), common ? 50 : 109);
    QVERIFY(store.Pending(form->chart->CurrentElement));
    QCOMPARE(form->chart->imgHolder->picture().cacheKey(), store.Picture(form->chart->CurrentElement).cacheKey());
    QCOMPARE(form->chart->imgHolder->dragImage().cacheKey(), form->chart->imgHolder->picture().cacheKey());
    for (int i = 0; i < kElementCount; ++i) {
        const bool played = !common || catalogue::IsCommon(i);
        QCOMPARE(store.Pending(i), played);
        if (played)
            QVERIFY2(Blank(*form, i), qPrintable(QString::number(i)));
        else
            QVERIFY2(Shows(*form, i, store), qPrintable(QString::number(i)));
    }
}

void GameTest::clearBoardLeavesTheGameCounters()
{
    game::StartGame(*form->chart, 0);
    testsupport::DropOn(*form, form->chart->CurrentElement);
    const qint16 placed = form->chart->PlacedCount, current = form->chart->CurrentElement;
    const int pending = form->chart->frmHold.PendingCount();
    game::ClearBoard(*form->chart);
    QCOMPARE(form->chart->PlacedCount, placed);
    QCOMPARE(form->chart->CurrentElement, current);
    QCOMPARE(form->chart->frmHold.PendingCount(), pending);
    QVERIFY(form->chart->lblNumber->shown() && form->chart->lblAtomicnum->shown());
    QCOMPARE(ShownColumns(*form), 0);
    QCOMPARE(ShownLegends(*form), 0);
    QVERIFY(!form->chart->imgHolder->shown() && !form->chart->lblTime->shown() && !form->chart->lblColon->shown());
    QCOMPARE(form->chart->lblMin->caption(), QStringLiteral("00"));
    QCOMPARE(int(form->chart->ElapsedSeconds), 0);
    for (int i = 0; i < kElementCount; ++i)
        QVERIFY(Blank(*form, i));
}

void GameTest::modeOneAfterStartupShowsTheOtherElementsAsTiles()
{
    game::StartGame(*form->chart, 1);
    int blank = 0;
    for (int i = 0; i < kElementCount; ++i) {
        blank += Blank(*form, i);
        if (!catalogue::IsCommon(i))
            QVERIFY(Shows(*form, i, form->chart->frmHold));
    }
    QCOMPARE(blank, 50);
    QVERIFY(catalogue::IsCommon(form->chart->CurrentElement));
}

void GameTest::modeZeroKeepsTheLegendOfAReveal()
{
    explore::RevealAll(*form->chart);
    game::StartGame(*form->chart, 0);
    QVERIFY(form->chart->lblMetals->shown() && form->chart->lblNonMetals->shown() && form->chart->lblRareEarth->shown());
    game::StartGame(*form->chart, 3);
    QCOMPARE(ShownLegends(*form), 0);
}

void GameTest::drops_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("right cell") << "right";
    QTest::newRow("wrong cell") << "wrong";
    QTest::newRow("cell already holding a placed tile") << "placed";
}

void GameTest::drops()
{
    QFETCH(QString, where);
    game::StartGame(*form->chart, 0);
    int placedCell = -1;
    if (where == QLatin1String("placed")) {
        placedCell = form->chart->CurrentElement;
        testsupport::DropOn(*form, placedCell);
    }
    const qint16 placedBefore = form->chart->PlacedCount;
    const int offered = form->chart->CurrentElement;
    const int cell = where == QLatin1String("right") ? offered
                   : where == QLatin1String("placed") ? placedCell
                                                      : WrongCell(*form);
    QVERIFY(where != QLatin1String("placed") || cell != offered);
    QList<qint64> boardBefore;
    for (int i = 0; i < kElementCount; ++i)
        boardBefore << form->chart->Image1[i]->picture().cacheKey();

    testsupport::DropOn(*form, cell);

    const bool right = where == QLatin1String("right");
    QCOMPARE(int(form->chart->PlacedCount), placedBefore + (right ? 1 : 0));
    QCOMPARE(form->chart->frmHold.Pending(offered), !right);
    QCOMPARE(form->chart->frmHold.PendingCount(), kElementCount - form->chart->PlacedCount);
    for (int i = 0; i < kElementCount; ++i) {
        if (right && i == offered)
            QVERIFY(Shows(*form, i, form->chart->frmHold));
        else
            QCOMPARE(form->chart->Image1[i]->picture().cacheKey(), boardBefore[i]);
    }
    QVERIFY(form->chart->imgHolder->shown());
    QVERIFY(form->chart->frmHold.Pending(form->chart->CurrentElement));
    QCOMPARE(form->chart->imgHolder->picture().cacheKey(), form->chart->frmHold.Picture(form->chart->CurrentElement).cacheKey());
    QCOMPARE(form->chart->imgHolder->dragImage().cacheKey(), form->chart->imgHolder->picture().cacheKey());
    QVERIFY(form->chart->Timer1->enabled());
    QVERIFY(testsupport::Dialogs().messages.isEmpty());
}

void GameTest::plainModesUseOnlyThePlainStore()
{
    for (int mode : {2, 3}) {
        game::StartGame(*form->chart, 0); // all numbered flags true
        game::StartGame(*form->chart, mode);
        const int offered = form->chart->CurrentElement;
        testsupport::DropOn(*form, offered);
        QVERIFY(Shows(*form, offered, form->chart->frmHold2));
        QVERIFY(!form->chart->frmHold2.Pending(offered));
        QCOMPARE(form->chart->frmHold.PendingCount(), kElementCount); // numbered flags untouched
        QVERIFY(form->chart->frmHold2.Pending(form->chart->CurrentElement));
        QCOMPARE(form->chart->imgHolder->picture().cacheKey(), form->chart->frmHold2.Picture(form->chart->CurrentElement).cacheKey());
    }
}

void GameTest::dragOverBareWindowHidesTheHolderUntilADrop()
{
    game::StartGame(*form->chart, 1);
    const qint16 offered = form->chart->CurrentElement;
    game::DragOverBareWindow(*form->chart);
    QVERIFY(!form->chart->imgHolder->shown());
    game::DropOnBareWindow(*form->chart);
    QVERIFY(form->chart->imgHolder->shown());
    QCOMPARE(form->chart->CurrentElement, offered);
    QCOMPARE(int(form->chart->PlacedCount), 59);
    game::DragEnded(*form->chart, true);
    QVERIFY(form->chart->imgHolder->shown());
}

void GameTest::dragThatFindsNoTargetGivesTheTileBack()
{
    game::StartGame(*form->chart, 1);
    const qint16 offered = form->chart->CurrentElement;
    game::DragOverBareWindow(*form->chart);
    game::DragEnded(*form->chart, false); // released over a label, outside the window, or Escape
    QVERIFY(form->chart->imgHolder->shown());
    QCOMPARE(form->chart->CurrentElement, offered);
    QCOMPARE(int(form->chart->PlacedCount), 59);
    QCOMPARE(form->chart->frmHold.PendingCount(), 50);
}

void GameTest::completeGames_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("drops");
    QTest::newRow("mode 0, all elements") << 0 << 109;
    QTest::newRow("mode 1, common elements") << 1 << 50;
    QTest::newRow("mode 2, plain tiles") << 2 << 109;
    QTest::newRow("mode 3, common plain tiles") << 3 << 50;
}

void GameTest::completeGames()
{
    QFETCH(int, mode);
    QFETCH(int, drops);
    testsupport::Dialogs().answers = {QStringLiteral("Ann")};
    game::StartGame(*form->chart, mode);
    for (int t = 0; t < 187; ++t)
        game::Tick(*form->chart);
    int made = 0;
    while (form->chart->PlacedCount < kElementCount && made < 200) {
        QVERIFY(testsupport::Dialogs().messages.isEmpty());
        testsupport::DropOn(*form, form->chart->CurrentElement);
        ++made;
    }
    QCOMPARE(made, drops);
    QCOMPARE(testsupport::Dialogs().messages, QStringList{QStringLiteral("Congratulations for completing the Periodic Table")});
    QCOMPARE(testsupport::Dialogs().titles.first(), QStringLiteral("velmor08"));
    QVERIFY(!form->chart->imgHolder->shown());
    QVERIFY(!form->chart->Timer1->enabled());
    QCOMPARE(form->chart->lblMin->caption(), QStringLiteral("03"));
    QCOMPARE(form->chart->lblSec->caption(), QStringLiteral("07"));
    QCOMPARE(game::ActiveMode(*form->chart), mode);
    const PictureStore& store = mode >= 2 ? form->chart->frmHold2 : form->chart->frmHold;
    QCOMPARE(store.PendingCount(), 0);
    for (int i = 0; i < kElementCount; ++i)
        QVERIFY(Shows(*form, i, store));
}

void GameTest::drawFormulaEnds()
{
    const float largest = std::nextafter(1.0f, 0.0f);
    QCOMPARE(game::FirstDrawIndex(0.0f), 0);
    QCOMPARE(game::FirstDrawIndex(largest), 108);
    QCOMPARE(game::NextDrawIndex(0.0f), 0);
    QCOMPARE(game::NextDrawIndex(largest), 108);
    // 0.125 * 108 + 1 = 14.5 and 0.375 * 108 + 1 = 41.5: ties go to the even integer.
    QCOMPARE(game::NextDrawIndex(0.125f), 13);
    QCOMPARE(game::NextDrawIndex(0.375f), 41);
    // Out-of-range values from a faulty source are clamped.
    QCOMPARE(game::FirstDrawIndex(1.0f), 108);
    QCOMPARE(game::NextDrawIndex(-0.5f), 0);

    // The game uses the same formulas on the values the random source gives.
    QList<float> values{0.0f, largest};
    platform::testing::RouteRandom([&values] { return values.takeFirst(); });
    game::StartGame(*form->chart, 0);
    QCOMPARE(int(form->chart->CurrentElement), 0);
    testsupport::DropOn(*form, 50); // wrong cell: next draw takes `largest`
    QCOMPARE(int(form->chart->CurrentElement), 108);
}

void GameTest::drawDistributions()
{
    platform::testing::SeedRandom(2024);
    constexpr int kDraws = 218000;
    std::array<int, kElementCount> first{}, next{};
    for (int n = 0; n < kDraws; ++n) {
        first[game::FirstDrawIndex(platform::Rnd())]++;
        next[game::NextDrawIndex(platform::Rnd())]++;
    }
    const double firstMean = kDraws / 109.0, nextMean = kDraws / 108.0;
    for (int i = 0; i < kElementCount; ++i) {
        QVERIFY2(std::abs(first[i] - firstMean) < 0.1 * firstMean, qPrintable(QString::number(i)));
        const double expected = (i == 0 || i == 108) ? nextMean / 2 : nextMean;
        QVERIFY2(std::abs(next[i] - expected) < 0.1 * expected, qPrintable(QString::number(i)));
    }
}

void GameTest::repeatedDrawEndsWhileTheClockStandsStill()
{
    platform::testing::FreezeClockForRandom(true);
    // Reseeding with the same clock reading still moves the sequence on, so a draw that is repeated
    // until it finds a pending element keeps meeting new values.
    QSet<float> values;
    for (int n = 0; n < 1000; ++n) {
        platform::Randomize();
        values.insert(platform::Rnd());
    }
    QVERIFY2(values.size() > 990, qPrintable(QString::number(values.size())));
    for (int n = 0; n < 200; ++n) {
        game::StartGame(*form->chart, n % 2 ? 1 : 3);
        QVERIFY(catalogue::IsCommon(form->chart->CurrentElement));
    }
}

void GameTest::startDuringAGameRestartsTheClockInterval()
{
    // The events in the order they come: the clock's ticks, and a reference timer of the clock's
    // interval started after the first start and before the second. Timers that are due fire in
    // the order they fall due, however late the loop gets to them.
    QStringList events;
    QObject::connect(form->chart->Timer1, &QTimer::timeout, form.get(), [&events] { events << QStringLiteral("tick"); });
    QTimer reference;
    reference.setSingleShot(true);
    reference.setTimerType(Qt::PreciseTimer);
    QObject::connect(&reference, &QTimer::timeout, [&events] { events << QStringLiteral("reference"); });

    game::StartGame(*form->chart, 1);
    reference.start(form->chart->Timer1->interval());
    game::StartGame(*form->chart, 1);
    QVERIFY(form->chart->Timer1->isActive());
    QCOMPARE(form->chart->Timer1->interval(), 1000);
    QCOMPARE(int(form->chart->ElapsedSeconds), 0);

    QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("tick")), 10000);
    // A clock that kept the first start's interval would tick before the reference.
    QCOMPARE(events, (QStringList{QStringLiteral("reference"), QStringLiteral("tick")}));
    QVERIFY(form->chart->Timer1->isActive());
    QCOMPARE(int(form->chart->ElapsedSeconds), 1);
    QCOMPARE(form->chart->lblMin->caption(), QStringLiteral("00"));
    QCOMPARE(form->chart->lblSec->caption(), QStringLiteral("01"));
}

// The drop that completes the chart places the tile, counts it and switches the clock off inside
// the drop event; only the dialogs wait for the event to be over. A tick that falls due as the tile
// is released, and that the event loop delivers before anything queued, never reaches the finishing
// time.
void GameTest::lastDropIsHandledInsideTheDropEvent()
{
    testsupport::Dialogs().answers = {QStringLiteral("Ann")};
    game::StartGame(*form->chart, 1);
    const int last = form->chart->CurrentElement;
    for (int i = 0; i < kElementCount; ++i)
        form->chart->frmHold.SetPending(i, i == last);
    form->chart->PlacedCount = kElementCount - 1;
    for (int t = 0; t < 125; ++t)
        game::Tick(*form->chart);

    QMimeData tile;
    tile.setData(platform::kTileMimeType, QByteArray());
    QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, &tile, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->chart->Image1[last], &enter);
    QDropEvent drop(QPointF(5, 5), Qt::MoveAction, &tile, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->chart->Image1[last], &drop);
    if (form->chart->Timer1->isActive()) { // the due tick, first of all events after the drop
        QTimerEvent tick(form->chart->Timer1->timerId());
        QApplication::sendEvent(form->chart->Timer1, &tick);
    }

    QVERIFY(drop.isAccepted());
    QCOMPARE(int(form->chart->PlacedCount), kElementCount);
    QVERIFY(!form->chart->Timer1->enabled());
    QVERIFY(!form->chart->imgHolder->shown());
    QVERIFY(testsupport::Dialogs().messages.isEmpty()); // not inside the drop event
    QTRY_COMPARE(testsupport::Dialogs().messages.size(), 1);
    QCOMPARE(testsupport::Dialogs().prompts, QStringList{QStringLiteral("Enter your Name.")});
    QCOMPARE(form->chart->lblMin->caption(), QStringLiteral("02"));
    QCOMPARE(form->chart->lblSec->caption(), QStringLiteral("05"));
    QCOMPARE(form->chart->lblFirstName[1]->caption(), QStringLiteral("Ann"));
    QCOMPARE(form->chart->lblFirstMin[1]->caption(), QStringLiteral("02"));
    QCOMPARE(form->chart->lblFirstSec[1]->caption(), QStringLiteral(":05"));
}

VELMOR08_TEST_MAIN(GameTest)
#include "test_game.moc"
