// The information panel on pointing and dragging, and the View-menu reveals.
#include "testsupport.h"

#include "catalogue/families.h"
#include "explore/explore.h"
#include "game/game.h"
#include "platform/dragdrop.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QMimeData>

using catalogue::Group;
using catalogue::kElementCount;

namespace {

void MoveOver(QWidget* widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// A drag of the holder's tile entering and moving over a widget, as the platform delivers it.
void DragOver(QWidget* widget)
{
    QMimeData mime;
    mime.setData(platform::kTileMimeType, QByteArray());
    const QPoint at(widget->width() / 2, widget->height() / 2);
    QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QStringList Panel(const frmMain& form)
{
    return {form.chart->lblName->caption(), form.chart->lblNumber->caption(), form.chart->lblAtomicMass->caption(),
            form.chart->lblMelting->caption(), form.chart->lblBoiling->caption()};
}

std::vector<int> CellsWithTiles(const frmMain& form)
{
    std::vector<int> cells;
    for (int i = 0; i < kElementCount; ++i)
        if (!form.chart->Image1[i]->picture().isNull()) {
            if (form.chart->Image1[i]->picture().cacheKey() != form.chart->frmHold.Picture(i).cacheKey())
                return {-1}; // a cell showing some other tile
            cells.push_back(i);
        }
    return cells;
}

QList<Label*> ShownLegends(const frmMain& form)
{
    QList<Label*> shown;
    for (int g = 0; g < catalogue::kGroupCount; ++g)
        if (form.chart->LegendLabel(Group(g))->shown())
            shown << form.chart->LegendLabel(Group(g));
    return shown;
}

} // namespace

class ExploreTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { form.reset(); }
    void pointingAtACell_data();
    void pointingAtACell();
    void bareWindowEmptiesThePanelOtherControlsLeaveIt();
    void dragOverCellsUpdatesThePanelAndBareWindowLeavesIt();
    void numberKeepsBeingWrittenWhileHidden();
    void reveals_data();
    void reveals();
    void revealTwiceGivesTheSamePicture();
    void wholeChartHidesTheAtomicNumberForGood();
    void revealDuringAGameEndsItWithoutAWord();
    void alkalineLabelClick();

private:
    std::unique_ptr<frmMain> form;
};

void ExploreTest::init()
{
    testsupport::ResetScores();
    testsupport::Dialogs() = {};
    form = testsupport::LoadedWindow();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void ExploreTest::pointingAtACell_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("panel");
    QTest::newRow("hydrogen") << 0 << QStringList{"Hydrogen", "1", "1.00794", "-259.19", "-252.76"};
    QTest::newRow("thulium") << 68 << QStringList{"Thulium", "69", "168.93421", "1545", "1947"};
    QTest::newRow("meitnerium") << 108 << QStringList{"Meitnerium", "109", "266", "-", "-"};
}

void ExploreTest::pointingAtACell()
{
    QFETCH(int, index);
    QFETCH(QStringList, panel);
    QCOMPARE(form->chart->lblNumber->caption(), QStringLiteral("Atomic Number"));
    MoveOver(form->chart->Image1[index]);
    QCOMPARE(Panel(*form), panel);
    // An empty cell during a game shows its element all the same.
    game::StartGame(*form->chart, 2);
    MoveOver(form->chart->Image1[(index + 1) % kElementCount]);
    MoveOver(form->chart->Image1[index]);
    QVERIFY(form->chart->Image1[index]->picture().isNull());
    QCOMPARE(Panel(*form), panel);
}

void ExploreTest::bareWindowEmptiesThePanelOtherControlsLeaveIt()
{
    MoveOver(form->chart->Image1[25]);
    const QStringList iron = Panel(*form);
    QCOMPARE(iron.first(), QStringLiteral("Iron"));
    game::StartGame(*form->chart, 1); // shows the holder, the clock and a score column
    for (QWidget* other : std::initializer_list<QWidget*>{form->chart->lblElementHeading, form->chart->lblName, form->chart->lblTime,
                                                          form->chart->lblFirstName[1], form->chart->imgHolder, form->sbStatusBar}) {
        MoveOver(other);
        QCOMPARE(Panel(*form), iron);
    }
    MoveOver(form->chart->Surface);
    QCOMPARE(Panel(*form), QStringList(5, QString()));
}

void ExploreTest::dragOverCellsUpdatesThePanelAndBareWindowLeavesIt()
{
    game::StartGame(*form->chart, 1);
    DragOver(form->chart->Image1[0]);
    QCOMPARE(form->chart->lblName->caption(), QStringLiteral("Hydrogen"));
    QVERIFY(form->chart->imgHolder->shown()); // passing over a cell does not touch the holder
    DragOver(form->chart->Surface);
    QCOMPARE(form->chart->lblName->caption(), QStringLiteral("Hydrogen"));
    QVERIFY(!form->chart->imgHolder->shown()); // over the bare window the tile looks lifted
    DragOver(form->chart->Image1[108]);
    QCOMPARE(form->chart->lblName->caption(), QStringLiteral("Meitnerium"));
    DragOver(form->chart->lblBoilingHeading); // labels keep the drag to themselves
    QCOMPARE(form->chart->lblName->caption(), QStringLiteral("Meitnerium"));
}

void ExploreTest::numberKeepsBeingWrittenWhileHidden()
{
    game::StartGame(*form->chart, 1);
    QVERIFY(!form->chart->lblNumber->shown());
    MoveOver(form->chart->Image1[7]);
    QCOMPARE(form->chart->lblNumber->caption(), QStringLiteral("8"));
    QCOMPARE(form->chart->lblName->caption(), QStringLiteral("Oxygen"));
    QVERIFY(form->chart->lblName->shown());
}

void ExploreTest::reveals_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("inside");
    QTest::addColumn<QList<int>>("outside");
    QTest::newRow("metals") << int(Group::Metals) << 57 << QList<int>{2, 103} << QList<int>{0, 1, 56, 88, 4};
    QTest::newRow("nonmetals") << int(Group::NonMetals) << 21 << QList<int>{1, 13} << QList<int>{0, 31};
    QTest::newRow("rare earth") << int(Group::RareEarth) << 30 << QList<int>{56, 88, 57, 102} << QList<int>{71, 20};
    QTest::newRow("alkali with hydrogen") << int(Group::Alkali) << 7 << QList<int>{0, 86} << QList<int>{3};
    QTest::newRow("lanthanides") << int(Group::Lanthanide) << 15 << QList<int>{56, 57, 70} << QList<int>{88};
    QTest::newRow("actinides") << int(Group::Actinide) << 15 << QList<int>{88, 89, 102} << QList<int>{56};
    QTest::newRow("halogens") << int(Group::Halogens) << 5 << QList<int>{8, 84} << QList<int>{85};
}

void ExploreTest::reveals()
{
    QFETCH(int, group);
    QFETCH(int, count);
    QFETCH(QList<int>, inside);
    QFETCH(QList<int>, outside);
    explore::RevealGroup(*form->chart, Group(group));
    const std::vector<int> cells = CellsWithTiles(*form);
    QCOMPARE(int(cells.size()), count);
    QCOMPARE(cells, catalogue::Members(Group(group)));
    for (int i : inside)
        QVERIFY(!form->chart->Image1[i]->picture().isNull());
    for (int i : outside)
        QVERIFY(form->chart->Image1[i]->picture().isNull());
    QCOMPARE(ShownLegends(*form), QList<Label*>{form->chart->LegendLabel(Group(group))});
    QVERIFY(form->chart->lblNumber->shown());
}

void ExploreTest::revealTwiceGivesTheSamePicture()
{
    form->mnuRare->trigger();
    const std::vector<int> once = CellsWithTiles(*form);
    form->mnuRare->trigger();
    QCOMPARE(CellsWithTiles(*form), once);
    QCOMPARE(ShownLegends(*form), QList<Label*>{form->chart->lblRareEarth});
    QCOMPARE(form->chart->lblRareEarth->caption(), QStringLiteral("Rare-Earth Elements"));
}

void ExploreTest::wholeChartHidesTheAtomicNumberForGood()
{
    game::StartGame(*form->chart, 2); // plain tiles on the board before
    form->mnuAll->trigger();
    QCOMPARE(int(CellsWithTiles(*form).size()), kElementCount);
    QCOMPARE(ShownLegends(*form), (QList<Label*>{form->chart->lblMetals, form->chart->lblNonMetals, form->chart->lblRareEarth}));
    QVERIFY(!form->chart->lblNumber->shown() && !form->chart->lblAtomicnum->shown());
    MoveOver(form->chart->Image1[0]);
    QCOMPARE(form->chart->lblName->caption(), QStringLiteral("Hydrogen"));
    form->mnuMetals->trigger();
    game::StartGame(*form->chart, 0);
    QVERIFY(!form->chart->lblNumber->shown() && !form->chart->lblAtomicnum->shown());
}

void ExploreTest::revealDuringAGameEndsItWithoutAWord()
{
    game::StartGame(*form->chart, 1);
    testsupport::DropOn(*form, form->chart->CurrentElement);
    game::Tick(*form->chart);
    const qint16 placed = form->chart->PlacedCount;
    const int pending = form->chart->frmHold.PendingCount();
    const QString firstName = form->chart->lblFirstName[1]->caption();
    form->mnuNonMetals->trigger();
    QCOMPARE(game::ActiveMode(*form->chart), game::kNoMode);
    QVERIFY(!form->chart->imgHolder->shown());
    for (Label* clock : {form->chart->lblTime, form->chart->lblMin, form->chart->lblColon, form->chart->lblSec})
        QVERIFY(!clock->shown());
    QCOMPARE(int(form->chart->ElapsedSeconds), 0);
    QCOMPARE(form->chart->PlacedCount, placed);
    QCOMPARE(form->chart->frmHold.PendingCount(), pending);
    QCOMPARE(form->chart->lblFirstName[1]->caption(), firstName);
    QVERIFY(testsupport::Dialogs().messages.isEmpty() && testsupport::Dialogs().prompts.isEmpty());
    form->mnuPlayCommon->trigger();
    QCOMPARE(form->chart->lblMin->caption(), QStringLiteral("00"));
    QCOMPARE(form->chart->lblSec->caption(), QStringLiteral("00"));
    QVERIFY(form->chart->lblTime->shown());
}

void ExploreTest::alkalineLabelClick()
{
    const auto click = [this] {
        QTest::mouseClick(form->chart->lblAlkaline, Qt::LeftButton, {}, QPoint(5, 5));
    };
    game::StartGame(*form->chart, 0);
    click(); // hidden: nothing happens
    QCOMPARE(game::ActiveMode(*form->chart), 0);
    explore::RevealGroup(*form->chart, Group::Alkaline);
    QVERIFY(form->chart->lblAlkaline->shown());
    QCOMPARE(form->chart->lblAlkaline->caption(), QStringLiteral("Alkaline Metals"));
    game::StartGame(*form->chart, 0); // mode 0 leaves the legend up
    QVERIFY(form->chart->lblAlkaline->shown());
    click(); // repeats the reveal and so ends the game
    QCOMPARE(game::ActiveMode(*form->chart), game::kNoMode);
    QCOMPARE(CellsWithTiles(*form), catalogue::Members(Group::Alkaline));
}

VELMOR08_TEST_MAIN(ExploreTest)
#include "test_explore.moc"
