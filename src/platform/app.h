#pragma once
// What every part of the program knows of the application itself.
// The platform folder is our thin layer over Qt: controls, dialogs, files, settings, signals.
// May use: Qt only.
#include <QString>

#include <memory>

class QApplication;

namespace platform {

// The application title: name of the settings store, splash product label, message box title.
inline const QString kAppTitle = QStringLiteral("velmor08");

struct Version {
    int major, minor, revision;
};
Version AppVersion();

// The application object, connected to the display. When no display can be opened (none is set,
// or the one set does not answer) the process says so in one line on standard error and ends
// with exit status 1, in place of the platform's abort. argc must outlive the application.
std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv);

// Process-wide set-up done once before the first window: application name, fonts.
void PrepareApplication();

} // namespace platform
