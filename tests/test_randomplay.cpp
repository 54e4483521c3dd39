// A long run of random player actions on a real main window, checking the game's invariants after
// every event. Seeded: the seed is printed, and VELMOR08_SEED replays a run.
#include "platform/testing.h"
#include "testsupport.h"

#include "catalogue/families.h"
#include "explore/explore.h"
#include "game/game.h"
#include "platform/random.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QRegularExpression>
#include <random>

using catalogue::kElementCount;

namespace {

const QRegularExpression kMinutes(QStringLiteral("^[0-9]{2,3}$"));
const QRegularExpression kSeconds(QStringLiteral("^[0-5][0-9]$"));
const QRegularExpression kRowSeconds(QStringLiteral("^:[0-5][0-9]$"));

const QStringList kNames = {QStringLiteral("Ann"), QStringLiteral("Smith, John"), QStringLiteral("\"Quoted\" Bo"),
                            QStringLiteral("Name"), QString(), QString(300, QLatin1Char('W')),
                            QStringLiteral("<b>Bo</b>"), QStringLiteral("Zoë Ødegård")};

class Player {
public:
    Player(frmMain& form, std::uint64_t seed) : form_(form), rng_(seed) {}

    // One random event; returns its name for the failure message.
    QString Act()
    {
        const int pick = Roll(100);
        if (pick < 4) {
            const int mode = Roll(4);
            game::StartGame(*form_.chart, mode);
            return QStringLiteral("start mode %1").arg(mode);
        }
        if (pick < 30 && Running()) {
            testsupport::DropOn(form_, form_.chart->CurrentElement);
            return QStringLiteral("right drop");
        }
        if (pick < 45 && Running()) {
            const int cell = Roll(kElementCount);
            testsupport::DropOn(form_, cell);
            return QStringLiteral("drop on cell %1").arg(cell);
        }
        if (pick < 52 && Running()) {
            game::DragOverBareWindow(*form_.chart);
            form_.chart->Image1[Roll(kElementCount)]->dragPassed(platform::DragState::Over);
            game::DropOnBareWindow(*form_.chart);
            game::DragEnded(*form_.chart, true);
            return QStringLiteral("drop on bare window");
        }
        if (pick < 58 && Running()) {
            game::DragOverBareWindow(*form_.chart);
            game::DragEnded(*form_.chart, false);
            return QStringLiteral("drag released over a label");
        }
        if (pick < 70) {
            const int cell = Roll(kElementCount);
            form_.chart->Image1[cell]->mouseMoved();
            if (Roll(3) == 0)
                form_.chart->Surface->mouseMoved();
            return QStringLiteral("pointer moves");
        }
        if (pick < 74) {
            if (Roll(5) == 0) {
                explore::RevealAll(*form_.chart);
                return QStringLiteral("show all");
            }
            const int group = Roll(catalogue::kGroupCount);
            explore::RevealGroup(*form_.chart, catalogue::Group(group));
            return QStringLiteral("reveal %1").arg(group);
        }
        if (pick < 76) {
            explore::ClickAlkalineLabel(*form_.chart);
            return QStringLiteral("alkaline label click");
        }
        if (pick < 90) {
            const int ticks = Roll(10) == 0 ? Roll(4000) : Roll(20);
            for (int t = 0; t < ticks; ++t)
                game::Tick(*form_.chart);
            return QStringLiteral("%1 ticks").arg(ticks);
        }
        if (Running()) {
            const int mode = game::ActiveMode(*form_.chart);
            const QString name = kNames[Roll(int(kNames.size()))];
            testsupport::Dialogs().answers = {name};
            if (name == QLatin1String("Name"))
                nameTyped_[mode] = true;
            for (int guard = 0; guard < kElementCount && form_.chart->PlacedCount < kElementCount; ++guard)
                testsupport::DropOn(form_, form_.chart->CurrentElement);
            return QStringLiteral("complete game of mode %1 as '%2'").arg(mode).arg(name.left(20));
        }
        return QStringLiteral("nothing");
    }

    bool NameTyped(int mode) const { return nameTyped_[mode]; }

private:
    int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Running() const { return game::ActiveMode(*form_.chart) != game::kNoMode && form_.chart->PlacedCount < kElementCount
                                  && form_.chart->imgHolder->shown(); }

    frmMain& form_;
    std::mt19937_64 rng_;
    bool nameTyped_[4] = {};
};

// The time of a row as minutes * 100 + seconds, or -1 when its texts are not a time.
long long RowTime(const frmMain& form, int rank, int mode)
{
    const QString minutes = form.chart->MinLabel(rank, mode)->caption();
    const QString seconds = form.chart->SecLabel(rank, mode)->caption();
    if (!kMinutes.match(minutes).hasMatch() || !kRowSeconds.match(seconds).hasMatch())
        return -1;
    return minutes.toLongLong() * 100 + seconds.mid(1).toLongLong();
}

QString Check(const frmMain& form, const Player& player)
{
    int columns = 0;
    for (int k = 0; k < 4; ++k) {
        int shown = 0;
        for (int rank = 1; rank <= 9; ++rank)
            shown += form.chart->NameLabel(rank, k)->shown() + form.chart->MinLabel(rank, k)->shown() + form.chart->SecLabel(rank, k)->shown();
        if (shown != 0 && shown != 27)
            return QStringLiteral("column %1 partly shown").arg(k);
        columns += shown == 27;
    }
    if (columns > 1)
        return QStringLiteral("%1 score columns shown").arg(columns);

    const int mode = game::ActiveMode(*form.chart);
    if (mode != game::kNoMode && form.chart->PlacedCount < kElementCount) {
        const catalogue::PictureStore& store = mode >= 2 ? form.chart->frmHold2 : form.chart->frmHold;
        if (store.PendingCount() != kElementCount - form.chart->PlacedCount)
            return QStringLiteral("%1 pending with %2 placed").arg(store.PendingCount()).arg(form.chart->PlacedCount);
        if (!store.Pending(form.chart->CurrentElement))
            return QStringLiteral("offered element %1 is not pending").arg(form.chart->CurrentElement);
        if (!form.chart->imgHolder->shown())
            return QStringLiteral("holder hidden during a game");
        if (!form.chart->Timer1->enabled())
            return QStringLiteral("clock stopped during a game");
    }

    for (int k = 0; k < 4; ++k) {
        if (player.NameTyped(k)) // a row named "Name" counts as vacant and may be overtaken by any time
            continue;
        long long previous = -1;
        for (int rank = 1; rank <= 9; ++rank) {
            if (form.chart->NameLabel(rank, k)->caption() == QLatin1String("Name"))
                continue;
            const long long time = RowTime(form, rank, k);
            if (time < 0)
                return QStringLiteral("table %1 rank %2 holds no time").arg(k).arg(rank);
            if (time < previous)
                return QStringLiteral("table %1 out of order at rank %2").arg(k).arg(rank);
            previous = time;
        }
    }
    if (!kMinutes.match(form.chart->lblMin->caption()).hasMatch() || !kSeconds.match(form.chart->lblSec->caption()).hasMatch())
        return QStringLiteral("clock shows %1:%2").arg(form.chart->lblMin->caption(), form.chart->lblSec->caption());
    return {};
}

} // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT
private slots:
    void twentyThousandEvents();
};

void RandomPlayTest::twentyThousandEvents()
{
    bool fromEnv = false;
    std::uint64_t seed = qEnvironmentVariable("VELMOR08_SEED").toULongLong(&fromEnv);
    if (!fromEnv)
        seed = std::random_device{}();
    qInfo("random play seed: %llu (replay with VELMOR08_SEED=%llu)", (unsigned long long)seed,
          (unsigned long long)seed);
    testsupport::ResetScores();
    testsupport::Dialogs() = {};
    platform::testing::SeedRandom(seed);
    platform::testing::FreezeClockForRandom(true); // draws follow the seed alone
    auto form = testsupport::LoadedWindow();
    Player player(*form, seed);
    QStringList recent;
    for (int n = 0; n < 20000; ++n) {
        recent << player.Act();
        if (recent.size() > 8)
            recent.removeFirst();
        const QString fault = Check(*form, player);
        if (!fault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3 after: %4")
                                 .arg(seed).arg(n).arg(fault, recent.join(QStringLiteral(" | ")))));
    }
    platform::testing::FreezeClockForRandom(false);
    // The run must have reached the parts that matter: finished games and names asked for.
    qInfo("games completed: %d, names asked: %d", int(testsupport::Dialogs().messages.size()),
          int(testsupport::Dialogs().prompts.size()));
    QVERIFY(testsupport::Dialogs().messages.size() >= 10);
    QVERIFY(testsupport::Dialogs().prompts.size() >= 5);
}

VELMOR08_TEST_MAIN(RandomPlayTest)
#include "test_randomplay.moc"
