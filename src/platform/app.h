#pragma once
// What every part of the program knows of the application itself.
// The platform folder is our thin layer over Qt: controls, dialogs, files, settings, signals.
// May use: Qt only.
#include <QString>

namespace platform {

// The application title: name of the settings store, splash product label, message box title.
inline const QString kAppTitle = QStringLiteral("velmor08");

struct Version {
    int major, minor, revision;
};
Version AppVersion();

// Process-wide set-up done once before the first window: application name, fonts.
void PrepareApplication();

} // namespace platform
