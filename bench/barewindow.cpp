#include "barewindow.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <cstring>

namespace bench {
namespace {

constexpr int kClientWidth = 795;
constexpr int kSurfaceHeight = 510;

struct MenuItem {
    const char* caption; // nullptr: a separator
    bool available;
    bool shown;
};

constexpr MenuItem kFile[] = {{nullptr, true, false}, {"E&xit", true, true}};
constexpr MenuItem kView[] = {
    {"Show &Metals", true, true},         {"Show &Nonmetals", true, true},   {"Show &Rare-Earth", true, true},
    {nullptr, true, true},                {"&Alkali Metals", false, true},   {"A&lkaline Earth", false, true},
    {"&Transition Metals", false, true},  {"Al&uminum Group", false, true},  {"&Carbon Group", false, true},
    {"N&itrogen Group", false, true},     {"&Oxygen Group", false, true},    {"&Halogens", false, true},
    {"No&bel(Inert) Gases", false, true}, {"&Lanthanide Series", false, true}, {"Actini&de Series", false, true},
    {nullptr, true, true},                {"Show &All", true, true},
};
constexpr MenuItem kPlay[] = {
    {"Play &Common Elements", true, true},
    {"P&lay All", false, true},
    {"Play C&ommon w/o Atomic Number", false, true},
    {"Play &All w/o Atomic Number", false, true},
};

template <std::size_t N>
void AddMenu(QMenuBar* bar, const char* title, const MenuItem (&items)[N])
{
    QMenu* menu = bar->addMenu(QString::fromLatin1(title));
    for (const MenuItem& item : items) {
        QAction* action = item.caption ? menu->addAction(QString::fromLatin1(item.caption)) : menu->addSeparator();
        action->setEnabled(item.available);
        action->setVisible(item.shown);
        if (item.caption && std::strcmp(item.caption, "P&lay All") == 0)
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    }
}

QLabel* Panel(QWidget* parent, int minWidth)
{
    auto* panel = new QLabel(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(minWidth);
    return panel;
}

} // namespace

std::unique_ptr<QMainWindow> BareMainWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("Bare window"));
    window->setCentralWidget(new QWidget);
    AddMenu(window->menuBar(), "&File", kFile);
    AddMenu(window->menuBar(), "&View", kView);
    AddMenu(window->menuBar(), "&Play Game", kPlay);

    auto* status = new QStatusBar;
    status->setSizeGripEnabled(true);
    QLabel* text = Panel(status, 0);
    text->setText(QStringLiteral("Status"));
    QLabel* date = Panel(status, 96);
    QLabel* time = Panel(status, 96);
    date->setAlignment(Qt::AlignCenter);
    time->setAlignment(Qt::AlignCenter);
    status->addWidget(text, 1);
    status->addPermanentWidget(date);
    status->addPermanentWidget(time);
    const auto refresh = [date, time] {
        const QDateTime now = QDateTime::currentDateTime();
        date->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
        time->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
    };
    refresh();
    auto* clock = new QTimer(status);
    QObject::connect(clock, &QTimer::timeout, status, refresh);
    clock->start(1000);
    window->setStatusBar(status);

    // As the game sizes its window: a smaller client area would draw the chart at a smaller scale.
    window->resize(kClientWidth, window->menuBar()->sizeHint().height() + kSurfaceHeight + status->sizeHint().height());
    return window;
}

} // namespace bench
