#include "platform/dialogs.h"

#include "platform/app.h"
#include "platform/testing.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

#include <utility>

namespace platform {
namespace {
testing::MsgBoxHandler g_msgBox;
testing::InputBoxHandler g_inputBox;
bool g_ending = false;
QPointer<QDialog> g_open; // the real dialog now waiting for the player, if any
// What was typed in the input box that was open when the end came, until that box has answered:
// should the process end from inside it, the question asked again on the way out gets it.
QString g_typed;
QPointer<QWidget> g_parent;

int Run(QDialog& dialog)
{
    g_open = &dialog;
    const int result = dialog.exec();
    g_open = nullptr;
    g_typed.clear();
    // The keyboard back on the game window: on X11 the focus would otherwise revert to whatever lies
    // under the pointer. On Wayland the compositor hands it back to the dialog's parent; the request
    // there goes through xdg-activation where the compositor offers it.
    if (g_parent && g_parent->isVisible() && !g_ending) {
        g_parent->raise();
        g_parent->activateWindow();
    }
    return result;
}
} // namespace

void SetDialogParent(QWidget* window) { g_parent = window; }

void testing::RouteDialogs(testing::MsgBoxHandler msgBox, testing::InputBoxHandler inputBox)
{
    g_msgBox = std::move(msgBox);
    g_inputBox = std::move(inputBox);
}

void EndDialogs()
{
    g_ending = true;
    if (const auto* input = qobject_cast<QInputDialog*>(g_open.data()))
        g_typed = input->textValue();
    if (g_open)
        g_open->accept();
}

bool DialogOpen() { return g_open != nullptr; }

void MsgBox(const QString& prompt)
{
    if (g_ending)
        return;
    if (g_msgBox) {
        g_msgBox(prompt, kAppTitle);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, prompt, QMessageBox::Ok, g_parent);
    box.setTextFormat(Qt::PlainText);
    Run(box);
}

QString InputBox(const QString& prompt, const QString& title)
{
    if (g_ending)
        return std::exchange(g_typed, QString());
    if (g_inputBox)
        return g_inputBox(prompt, title);
    QInputDialog dialog(g_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    dialog.setInputMode(QInputDialog::TextInput);
    return Run(dialog) == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace platform
