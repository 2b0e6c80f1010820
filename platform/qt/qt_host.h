// The dialog framework's host on Qt 6 Widgets: every dialog becomes a QDialog with one
// widget per control, run modally in a nested event loop; message boxes are QMessageBoxes.
#pragma once

#include "platform/dialog.h"
#include "platform/host.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class DialogWindow;
class QEventLoop;
class QWidget;

/// Shows the framework's dialogs and message boxes with Qt widgets. Needs a QApplication.
class QtHost : public CHost {
public:
    QtHost();
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    void CreateDialogWindow(CDialog& dialog) override;
    void RunModalLoop(CDialog& dialog) override;
    void DestroyDialogWindow(CDialog& dialog) override;
    int ShowMessageBox(CWnd* owner, std::string_view text, std::string_view caption,
                       UINT type) override;
    void WindowChanged(WindowState& window, WindowChange what) override;

    /// The window that shows this dialog, from CreateDialogWindow to DestroyDialogWindow.
    DialogWindow* Window(const CDialog& dialog) const;
    /// The dialog whose window was made last and still exists: the one on top.
    CDialog* TopDialog() const;
    /// Saves a picture of the dialog's window as a PNG file; false when the dialog has no
    /// window or the file cannot be written.
    bool SaveDialogPicture(const CDialog& dialog, const QString& pngPath) const;
    /// Delivers posted messages and stops the loops of dialogs that have ended. Runs after
    /// every piece of user input; code that calls into the framework from elsewhere (a timer)
    /// calls it afterwards.
    void DeliverPostedAndEndLoops();

private:
    struct ModalRun {
        CDialog* dialog;
        QEventLoop* loop;
    };

    DialogWindow* WindowOf(const WindowState& window) const;
    QWidget* OwnerWidget(CWnd* owner) const;

    std::vector<QPointer<DialogWindow>> m_windows; // in the order they were made
    std::vector<ModalRun> m_runs;                  // innermost last
    QObject m_context;                             // ends deferred calls with the host
};
