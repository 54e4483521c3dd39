#pragma once
// The two modal dialogs of the program. Tests route them to handlers of their own (see
// platform/testing.h) so that no real dialog blocks them; the program always shows the real ones.
#include <QString>

class QWidget;

namespace platform {

// The game window: the parent of every dialog, whatever window is active when one opens (none is
// between two dialogs), and the window the keyboard goes back to when one closes. A dialog without
// a parent is a toplevel of its own, which on Wayland does not give the keyboard back.
void SetDialogParent(QWidget* window);

// Message box with an OK button only and no icon, titled with the application title.
void MsgBox(const QString& prompt);

// Input box with a prompt, an empty one-line field, OK and Cancel; Cancel gives the empty text.
QString InputBox(const QString& prompt, const QString& title);

// The program is ending: an open dialog closes as if OK were chosen (an input box keeps what was
// typed), and from now on neither dialog opens: the message box returns at once, the input box
// with an empty text. Should the process end before the open input box has answered (it ends
// from inside it), the next input box asked on the way out answers with what was typed there.
void EndDialogs();

// A real dialog is open and waiting for the player.
bool DialogOpen();

} // namespace platform
