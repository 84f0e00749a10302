// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hyperlink/link_opener.h"

#include "desktop/exec_line.h"
#include "desktop/shell_open.h"
#include "desktop/spawn.h"

#include <QApplication>
#include <QMessageBox>

namespace {

OpenErrorPresenter g_fnPresenter;

void ShowWarningBox(const QString& strTitle, const QString& strText)
{
    QMessageBox box(
        QMessageBox::Warning, strTitle, strText, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

// Keeps windows painting while the opener is waited for; clicks and keys wait their turn.
void PumpPaintEvents()
{
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

const char* FailureText(int nCode)
{
    switch (nCode) {
    case OPEN_OUT_OF_RESOURCES:
        return QT_TRANSLATE_NOOP("Link", "The operating system is out\nof memory or resources.");
    case OPEN_FILE_NOT_FOUND:
        return QT_TRANSLATE_NOOP("Link", "The specified file was not found.");
    case OPEN_PATH_NOT_FOUND:
        return QT_TRANSLATE_NOOP("Link", "The specified path was not found.");
    case OPEN_ACCESS_DENIED:
        return QT_TRANSLATE_NOOP(
            "Link", "The operating system denied\naccess to the specified file.");
    case OPEN_OUT_OF_MEMORY:
        return QT_TRANSLATE_NOOP("Link", "There was not enough memory to complete the operation.");
    case OPEN_BAD_FORMAT:
        return QT_TRANSLATE_NOOP(
            "Link", "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    case 26:
        return QT_TRANSLATE_NOOP("Link", "A sharing violation occurred. ");
    case 27:
        return QT_TRANSLATE_NOOP("Link", "The filename association is\nincomplete or invalid.");
    case 28:
        return QT_TRANSLATE_NOOP(
            "Link", "The DDE transaction could not\nbe completed because the request timed out.");
    case 29:
        return QT_TRANSLATE_NOOP("Link", "The DDE transaction failed.");
    case 30:
        return QT_TRANSLATE_NOOP("Link",
            "The DDE transaction could not\nbe completed because other DDE "
            "transactions\nwere being processed.");
    case OPEN_NO_ASSOCIATION:
        return QT_TRANSLATE_NOOP(
            "Link", "There is no application associated\nwith the given filename extension.");
    case 32:
        return QT_TRANSLATE_NOOP("Link", "The specified dynamic-link library was not found.");
    default:
        return nullptr;
    }
}

} // namespace

int OpenLink(const char* pszTarget, int /*nShowCommand*/)
{
    const std::string strTarget = pszTarget != nullptr ? pszTarget : "";
    if (!IsSafeLinkTarget(strTarget))
        return OPEN_FILE_NOT_FOUND;
    CShellOpenOptions options;
    options.m_fnPump = PumpPaintEvents;
    const int nShellResult = ShellOpen(strTarget, options);
    if (IsOpenSuccess(nShellResult))
        return nShellResult;

    std::string strFileType;
    if (ReadDefaultValue(HKEY_CLASSES_ROOT, ".htm", strFileType) != ERROR_SUCCESS)
        return nShellResult;
    std::vector<std::string> aOpenArgs;
    if (!OpenCommandFor(strFileType, CXdgEnv::FromProcess(), aOpenArgs))
        return nShellResult;
    return StartBrowser(aOpenArgs, strTarget);
}

std::string BuildBrowserCommand(const std::string& strOpenCommand, const std::string& strTarget)
{
    // substr(0, npos) keeps the whole command when it has no placeholder.
    return strOpenCommand.substr(0, FindPlaceholder(strOpenCommand)) + " " + strTarget;
}

long ReadDefaultValue(HKEY root, const std::string& strSubKey, std::string& strOut)
{
    if (root != HKEY_CLASSES_ROOT)
        return ERROR_FILE_NOT_FOUND;
    std::string strValue;
    const long nResult = QueryClassesRoot(strSubKey, strValue, CXdgEnv::FromProcess());
    if (nResult == ERROR_SUCCESS)
        strOut = strValue;
    return nResult;
}

QString OpenErrorText(int nCode)
{
    const char* pszText = FailureText(nCode);
    const QString strText = pszText != nullptr
        ? QCoreApplication::translate("Link", pszText)
        : QCoreApplication::translate("Link", "Unknown Error (%1) occurred.").arg(nCode);
    return QCoreApplication::translate("Link", "Can't open link:") + QStringLiteral("\n\n")
        + strText;
}

void ShowOpenError(int nCode)
{
    const QString strTitle = QCoreApplication::applicationName();
    if (g_fnPresenter)
        g_fnPresenter(strTitle, OpenErrorText(nCode));
    else
        ShowWarningBox(strTitle, OpenErrorText(nCode));
}

OpenErrorPresenter SetOpenErrorPresenter(OpenErrorPresenter fnPresenter)
{
    OpenErrorPresenter fnPrevious = std::move(g_fnPresenter);
    g_fnPresenter = std::move(fnPresenter);
    return fnPrevious;
}
