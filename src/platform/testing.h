#pragma once
// What tests may set in the platform layer, and nothing else includes: the dialogs answered by
// handlers of their own, a random source that a test can replay, and the language.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace platform::testing {

using MsgBoxHandler = std::function<void(const QString& prompt, const QString& title)>;
using InputBoxHandler = std::function<QString(const QString& prompt, const QString& title)>;

// Empty handlers restore the real dialogs.
void RouteDialogs(MsgBoxHandler msgBox, InputBoxHandler inputBox);

// A fixed seed for a replayable sequence, or a source that yields chosen values.
void SeedRandom(std::uint64_t seed);
void RouteRandom(std::function<float()> source); // empty restores the generator
void FreezeClockForRandom(bool frozen);          // reseeding then mixes in the same clock reading

// Text files: make the next writes fail after the data is written but before the rename; make the
// next writes of files in the folder (any folder when empty) fail with this errno as the data is
// written (0: they do not).
void FailWritesBeforeRename(bool fail);
void FailWritesWith(int error, const QString& folder = QString());

// Speak the first language of a list written as LANGUAGE writes it ("de", "nl:it"; empty: English)
// that the program has a translation for, from now on, with the program's translations from
// the folders and Qt's own; the texts of windows made before keep their language. And a folder to
// look for translations in before the program's own, for a test that starts the program.
void UseLanguage(const QString& language, const QStringList& folders);
void UseTranslationFolder(const QString& folder);

} // namespace platform::testing
