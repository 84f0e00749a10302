#pragma once

#include <QDialog>
#include <Qt>

// The frame of the game's dialogs: a title and a close button, no minimize or maximize
// buttons. Combined with the game window as parent, compositors keep them over that window.
inline Qt::WindowFlags DialogWindowFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
}

// Builds a dialog from its form: the form's widgets, the frame above, and the form's size as
// the one size the dialog has.
template<class TForm> void SetUpDialog(QDialog& dialog, TForm& form)
{
    form.setupUi(&dialog);
    dialog.setWindowFlags(DialogWindowFlags());
    dialog.setFixedSize(dialog.size());
}
