// The game in one language on a real X server (a private Xvfb) with real input from xdotool: it
// starts in the language of LANGUAGE (VELMOR08_TEST_LANGUAGE; none: English), the splash and the
// chart show every text whole, the Play menu opens and starts a game by the translation's access
// keys, a few tiles are dragged to their cells, the panel reads the element in the language with
// its decimal separator, and the texts still fit zoomed to 150 and 200 %. Registered once for
// each translation (tests/CMakeLists.txt), and without one for English.
#include "fitcheck.h"
#include "xtestsupport.h"

#include "catalogue/elements.h"
#include "chart/scale.h"
#include "game/game.h"
#include "platform/language.h"
#include "shell/frmMain.h"
#include "shell/splash.h"
#include "shell/startup.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

using namespace xtestsupport;

namespace {

constexpr int kIron = 25;

struct Expected {
    const char* language;
    const char* iron;
    const char* mass;
};
constexpr Expected kExpected[] = {
    {"", "Iron", "55.847"},  {"de", "Eisen", "55,847"}, {"fr", "Fer", "55,847"},
    {"es", "Hierro", "55,847"}, {"it", "Ferro", "55,847"}, {"pt", "Ferro", "55,847"},
};

// The letter xdotool types for a caption's access key.
QString KeyOf(const QString& caption) { return caption.at(caption.indexOf(QLatin1Char('&')) + 1).toLower(); }

} // namespace

class LanguageWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RequireXdotool(); }
    void cleanupTestCase() { CloseMainWindow(form_, log_); }
    void playInLanguage();

private:
    void Play(std::vector<Step> steps) { PlaySteps(log_, std::move(steps)); }
    void CheckFit(const QString& when);

    std::unique_ptr<frmMain> form_;
    EventLog log_;
};

void LanguageWindowTest::CheckFit(const QString& when)
{
    chart::Chart& c = *form_->chart;
    const QStringList misfits = fitcheck::Misfits(*c.Surface, chart::LayoutSize().width() * c.Surface->scale());
    QVERIFY2(misfits.isEmpty(), qPrintable(when + QStringLiteral(": ") + misfits.join(QStringLiteral("\n"))));
}

void LanguageWindowTest::playInLanguage()
{
    const QString language = qEnvironmentVariable("VELMOR08_TEST_LANGUAGE");
    const Expected* expected = nullptr;
    for (const Expected& e : kExpected)
        if (language == QLatin1String(e.language))
            expected = &e;
    QVERIFY2(expected, qPrintable(QStringLiteral("no expectations for the language ") + language));

    // Started as the program starts, in a window large enough for the chart at 200 %, with the
    // splash's texts read while it is on the screen.
    StorePlacement(QRect(0, 0, 1700, 1150));
    qApp->installEventFilter(&log_);
    QStringList splashFaults;
    bool splashSeen = false;
    SeededDraws draws(20261211);
    draws.route();
    form_ = shell::StartUp([&](const char* step) {
        if (qstrcmp(step, "splash-painted") && qstrcmp(step, "splash-shown"))
            return;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* splash = qobject_cast<frmSplash*>(window)) {
                splashSeen = true;
                for (const QLabel* label : splash->findChildren<QLabel*>())
                    if (const QString fault = fitcheck::CutOff(*label); !fault.isEmpty())
                        splashFaults << fault;
            }
    });
    QVERIFY(form_);
    QCOMPARE(platform::UseSystemLanguage(), language);
    QVERIFY(splashSeen);
    QVERIFY2(splashFaults.isEmpty(), qPrintable(splashFaults.join(QLatin1Char('\n'))));
    frmMain& f = *form_;
    chart::Chart& c = *f.chart;
    QVERIFY(QTest::qWaitForWindowExposed(&f, kWait));
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f, kWait));
    QCOMPARE(c.Surface->scale(), 1.0);
    CheckFit(QStringLiteral("at the start"));

    // The Play menu by its access key, the common-element game by its own.
    const QString menuKey = KeyOf(f.mnuPlayGame->title());
    const QString itemKey = KeyOf(f.mnuPlayCommon->text());
    Play({Input({"key", QStringLiteral("alt+") + menuKey}, [&f] { return f.mnuPlayGame->isVisible(); },
                QStringLiteral("Alt+") + menuKey + QStringLiteral(" opens ") + f.mnuPlayGame->title()),
          Input({"key", itemKey}, [&c] { return game::ActiveMode(c) == 1 && c.imgHolder->shown(); },
                itemKey + QStringLiteral(" starts ") + f.mnuPlayCommon->text())});
    if (QTest::currentTestFailed())
        return;

    // Three tiles dragged to their cells, each cell read in the panel as the tile passes over it.
    for (int placement = 1; placement <= 3; ++placement) {
        const int cell = c.CurrentElement;
        const int before = c.PlacedCount;
        PictureBox* holder = c.imgHolder;
        PictureBox* target = c.Image1[cell];
        const QPoint bare = c.Surface->mapToGlobal(QPoint(holder->geometry().center().x(), holder->geometry().bottom() + 12));
        const QString name = catalogue::ElementName(cell);
        Play({Input(MoveToPoint(CentreOf(holder) - QPoint(1, 0)) + MoveToWidget(holder),
                    [this, holder] { return log_.seen(holder, QEvent::MouseMove); }, "pointer on the holder"),
              Input({"mousedown", "1"}, [this, holder] { return log_.seen(holder, QEvent::MouseButtonPress); }, "a press on the holder"),
              Input(MoveToPoint(bare), [this, &c] { return log_.seen(c.Surface, QEvent::DragMove); }, "over the bare window"),
              Input(MoveToWidget(target), [&c, name] { return c.lblName->caption() == name; },
                    QStringLiteral("the tile over ") + name),
              Input({"mouseup", "1"}, [&c, before] { return c.PlacedCount == before + 1; }, QStringLiteral("placed on ") + name)});
        if (QTest::currentTestFailed())
            return;
    }
    CheckFit(QStringLiteral("in a game"));

    // The panel reads iron in the language, its mass with the language's decimal separator.
    Play({Input(MoveToWidget(c.Image1[kIron]), [&c] { return c.lblName->caption() == catalogue::ElementName(kIron); },
                "pointing at iron")});
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(c.lblName->caption(), QString::fromUtf8(expected->iron));
    QCOMPARE(c.lblAtomicMass->caption(), QString::fromLatin1(expected->mass));
    CheckFit(QStringLiteral("pointing at iron"));

    // Zoomed by the keys, the texts drawn larger still fit.
    for (const qreal zoom : {1.5, 2.0}) {
        Play({Input({"key", "ctrl+plus", "ctrl+plus"}, [&c, zoom] { return c.Zoom == zoom && c.Surface->scale() == zoom; },
                    QStringLiteral("Ctrl+Plus twice to %1 %").arg(zoom * 100))});
        if (QTest::currentTestFailed())
            return;
        CheckFit(QStringLiteral("at %1 %").arg(zoom * 100));
    }
    Play({Input({"key", "ctrl+0"}, [&c] { return c.Zoom == 1.0; }, "Ctrl+0 back to 1:1")});
    SeededDraws::unroute();
}

VELMOR08_TEST_MAIN(LanguageWindowTest)
#include "xtest_language.moc"
