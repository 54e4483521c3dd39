#include "platform/dialogs.h"

#include "platform/app.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {
namespace {
MsgBoxHandler g_msgBox;
InputBoxHandler g_inputBox;
} // namespace

void RouteDialogs(MsgBoxHandler msgBox, InputBoxHandler inputBox)
{
    g_msgBox = std::move(msgBox);
    g_inputBox = std::move(inputBox);
}

void MsgBox(const QString& prompt)
{
    if (g_msgBox) {
        g_msgBox(prompt, kAppTitle);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, prompt, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString InputBox(const QString& prompt, const QString& title)
{
    if (g_inputBox)
        return g_inputBox(prompt, title);
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    dialog.setInputMode(QInputDialog::TextInput);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace platform
