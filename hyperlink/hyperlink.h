// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>

class QLabel;
class QWidget;
class QEvent;
class QMouseEvent;
class QKeyEvent;

// Style bits of CHyperLink::m_dwLinkStyle; no other bit is looked at.
constexpr std::uint32_t HLS_UNDERLINE = 0x01; // the link font is underlined
constexpr std::uint32_t HLS_HOVERCOLOR = 0x02; // g_crHover while the pointer is over the link
constexpr std::uint32_t HLS_AUTOSIZE = 0x04; // fit the label to its text when bound
constexpr std::uint32_t HLS_OPENONDOWN = 0x08; // open on button press instead of release
constexpr std::uint32_t HLS_FOCUSONCLICK = 0x10; // a button press takes the keyboard focus
constexpr std::uint32_t HLS_NOHANDCURSOR = 0x20; // keep the label's own pointer shape
constexpr std::uint32_t HLS_NOACTIVECOLOR = 0x40; // never use g_crActive

// Link colours shared by every link; constant for the life of the process.
extern const QColor g_crLink; // RGB(0, 0, 255): not active, not visited
extern const QColor g_crActive; // RGB(0, 128, 128): has the focus or was pressed
extern const QColor g_crFollowed; // RGB(128, 0, 128): opened successfully before
extern const QColor g_crHover; // RGB(255, 0, 0): pointer over it, with HLS_HOVERCOLOR only

// Turns an existing QLabel into a web link: link colours, underlined font, hand pointer, the
// target as tooltip, and a left click (or Space while it has the focus) opens the target.
// The owner keeps the CHyperLink as a member and binds it once with SubclassWidget(); the
// link then filters the label's events. The label must outlive nothing: if it is destroyed
// first the link simply stops working.
class CHyperLink : public QObject
{
    Q_OBJECT

public:
    // Opens a target; returns > 32 on success, else a failure code for ShowOpenError.
    using OpenFunction = std::function<int(const QString& strTarget, int nShowCommand)>;

    explicit CHyperLink(QObject* pParent = nullptr);
    ~CHyperLink() override;
    CHyperLink(const CHyperLink&) = delete;
    CHyperLink& operator=(const CHyperLink&) = delete;

    // Binds the link to pLabel (placed by absolute geometry, not by a layout, if it is to be
    // fitted to its text) and runs PreSubclassWindow. Qt::AlignHCenter in the label's
    // alignment stands for horizontal centring, Qt::AlignVCenter for vertical centring,
    // Qt::AlignRight for right alignment. Binding a second time is ignored.
    void SubclassWidget(QLabel* pLabel);
    QLabel* GetLabel() const;

    // The text colour the current flags and style give, by the first rule that holds.
    QColor CtlColor() const;
    // Opens m_strTarget; success marks the link visited, failure beeps and shows the error.
    void OpenTarget();

    // Replaces the opener (tests); an empty function restores the real one.
    void SetOpenFunction(OpenFunction fnOpen) { m_fnOpen = std::move(fnOpen); }

    bool m_bActive = false; // has the focus, or a left press began on it; arms the open
    bool m_bHover = false; // the pointer is over the label
    bool m_bFollowed = false; // the target was opened successfully at least once
    std::uint32_t m_dwLinkStyle = HLS_UNDERLINE | HLS_AUTOSIZE | HLS_FOCUSONCLICK;
    QString m_strTarget; // handed to the opener
    QFont m_fontLink; // the label's font with the underline of the style
    bool m_bHasLinkFont = false; // m_fontLink was made and given to the label

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void PreSubclassWindow();
    void FitToText();
    // Applies CtlColor() to the label and repaints it (every change of a flag ends here).
    void Invalidate();

    void OnMouseMove(const QMouseEvent* pEvent);
    void OnLButtonDown();
    void OnLButtonUp();
    void OnSetFocus();
    void OnKillFocus();
    bool OnKeyDown(const QKeyEvent* pEvent);
    bool IsOverLabel(const QMouseEvent* pEvent) const;

    QPointer<QLabel> m_pLabel;
    QPointer<QWidget> m_pWindow; // the label's window, watched for releases over the label
    OpenFunction m_fnOpen;
};
