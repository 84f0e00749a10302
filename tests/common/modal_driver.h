// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

// Runs fnOpen, which is expected to block in a modal exec(), and calls fnBody with the modal
// dialog once its loop runs. Whatever fnBody checks, a dialog it leaves open is rejected
// afterwards, so a failed check never hangs the suite. Returns false if no modal dialog of type
// T appeared.
template<class T>
bool DriveModal(const std::function<void()>& fnOpen, const std::function<void(T&)>& fnBody)
{
    bool bFound = false;
    QObject guard; // cancels the shot if fnOpen returns without entering a modal loop
    QTimer::singleShot(0, &guard, [&] {
        auto* pDialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!pDialog)
            return;
        bFound = true;
        fnBody(*pDialog);
        if (pDialog->isVisible())
            pDialog->reject();
    });
    fnOpen();
    return bFound;
}
