#pragma once
// Shared set-up of every test executable: a private home for settings and scores, the fonts and
// application name the program uses, and helpers to build a loaded main window.
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "platform/label.h"
#include "platform/picturebox.h"

class frmMain;
using platform::Label;
using platform::PictureBox;

namespace testsupport {

// The temporary folder that stands in for the user's home during this test run. A test process
// started with VELMOR08_TEST_HOME set uses that folder instead and leaves it in place.
QString TestHome();
// The folder the score files go to during this test run (emptied by ResetScores).
QString ScoreFolder();
void ResetScores();
void ResetSettings();

// A main window created, wired and loaded as the start-up does, not shown.
std::unique_ptr<frmMain> LoadedWindow();

// The holder's tile dropped on a cell as the platform drops it: a drop event on the cell, then
// what the drop queued (the end of a completed game) once the event is over.
void DropOn(frmMain& form, int cell);
// The high-score step of a completed game in the active mode, and the save of the four tables,
// with the run's score state the window keeps.
void EnterHighScore(frmMain& form);
void SaveAllTables(frmMain& form);

// Answers dialogs: message boxes are counted, input boxes get the queued names in order.
struct DialogLog {
    QStringList messages;
    QStringList prompts;
    QStringList titles;
    QStringList answers; // taken front first; empty text once they run out
};
DialogLog& Dialogs();
void RouteDialogsToLog();

int Prepare(int argc, char** argv); // before QApplication

// The environment for a child process of a test: this one's, with the same private home (and so
// the same settings and score folder) for the child's Prepare.
QProcessEnvironment ChildEnvironment();
} // namespace testsupport

// Like QTEST_MAIN, with the private home set up before the application starts.
#define VELMOR08_TEST_MAIN(TestClass)                                                                              \
    int main(int argc, char** argv)                                                                                \
    {                                                                                                              \
        testsupport::Prepare(argc, argv);                                                                          \
        QApplication app(argc, argv);                                                                              \
        testsupport::RouteDialogsToLog();                                                                          \
        TestClass test;                                                                                            \
        return QTest::qExec(&test, argc, argv);                                                                    \
    }
