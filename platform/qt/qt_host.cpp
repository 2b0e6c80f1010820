#include "platform/qt/qt_host.h"

#include "platform/app.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/latin1_text.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include <algorithm>

namespace {

QMessageBox::Icon ToMessageIcon(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int ToDialogResult(int button, UINT type) {
    switch (button) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        // Closed some other way: a box with one button can only have meant that button.
        return (type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    }
}

const WindowState* DialogModelOf(const WindowState& window) {
    return window.dialog != nullptr || window.parent == nullptr ? &window : window.parent;
}

} // namespace

QtHost::QtHost() = default;

QtHost::~QtHost() {
    if (AfxGetHost() == this)
        AfxSetHost(nullptr);
    // Innermost first, so no window outlives the one it stands over.
    for (auto window = m_windows.rbegin(); window != m_windows.rend(); ++window)
        delete window->data();
}

void QtHost::CreateDialogWindow(CDialog& dialog) {
    if (dialog.m_hWnd == nullptr)
        return;
    // A dialog stands over the innermost window still open, whichever parent it names:
    // that is the window its user works in, and it must take no input meanwhile.
    QWidget* owner = nullptr;
    for (auto window = m_windows.rbegin(); window != m_windows.rend() && owner == nullptr; ++window)
        if (!window->isNull() && (*window)->isVisible())
            owner = window->data();
    m_windows.emplace_back(new DialogWindow(dialog, owner, [this] { DeliverPostedAndEndLoops(); }));
}

void QtHost::RunModalLoop(CDialog& dialog) {
    DialogWindow* window = Window(dialog);
    if (window == nullptr)
        return;
    // OnInitDialog may have posted a close request already.
    DeliverPostedAndEndLoops();
    if (dialog.IsEnding())
        return;
    window->setWindowModality(window->parentWidget() != nullptr ? Qt::WindowModal
                                                                : Qt::ApplicationModal);
    window->Open();
    QEventLoop loop;
    m_runs.push_back({&dialog, &loop});
    while (!dialog.IsEnding()) {
        loop.exec(QEventLoop::DialogExec);
        if (!dialog.IsEnding()) {
            // Only the application quitting stops the loop early: the dialog closes as Cancel.
            dialog.EndDialog(IDCANCEL);
        }
    }
    m_runs.pop_back();
    window->Close();
    if (QWidget* owner = window->parentWidget()) {
        owner->activateWindow();
    }
}

void QtHost::DestroyDialogWindow(CDialog& dialog) {
    const auto found =
        std::find_if(m_windows.begin(), m_windows.end(), [&dialog](const auto& window) {
            return !window.isNull() && &window->Dialog() == &dialog;
        });
    if (found == m_windows.end())
        return;
    DialogWindow* window = found->data();
    m_windows.erase(found);
    delete window;
    std::erase_if(m_windows, [](const auto& window) { return window.isNull(); });
}

int QtHost::ShowMessageBox(CWnd* owner, std::string_view text, std::string_view caption,
                           UINT type) {
    QWidget* parent = OwnerWidget(owner);
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case MB_YESNO:
        buttons = QMessageBox::Yes | QMessageBox::No;
        defaultButton = QMessageBox::Yes;
        break;
    default:
        break;
    }
    std::string title(caption);
    if (title.empty() && AfxGetAppName() != nullptr)
        title = AfxGetAppName();
    QMessageBox box(ToMessageIcon(type), ToWidgetText(title), ToWidgetText(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    if (parent != nullptr)
        box.setWindowModality(Qt::WindowModal);
    return ToDialogResult(box.exec(), type);
}

void QtHost::WindowChanged(WindowState& window, WindowChange what) {
    if (DialogWindow* dialogWindow = WindowOf(window))
        dialogWindow->ShowChange(window, what);
}

DialogWindow* QtHost::Window(const CDialog& dialog) const {
    for (const auto& window : m_windows)
        if (!window.isNull() && &window->Dialog() == &dialog)
            return window.data();
    return nullptr;
}

CDialog* QtHost::TopDialog() const {
    for (auto window = m_windows.rbegin(); window != m_windows.rend(); ++window)
        if (!window->isNull())
            return &(*window)->Dialog();
    return nullptr;
}

bool QtHost::SaveDialogPicture(const CDialog& dialog, const QString& pngPath) const {
    DialogWindow* window = Window(dialog);
    if (window == nullptr)
        return false;
    const QPixmap picture = window->grab();
    return !picture.isNull() && picture.save(pngPath, "PNG");
}

DialogWindow* QtHost::WindowOf(const WindowState& window) const {
    const WindowState* model = DialogModelOf(window);
    for (const auto& dialogWindow : m_windows)
        if (!dialogWindow.isNull() && dialogWindow->Dialog().m_hWnd == model)
            return dialogWindow.data();
    return nullptr;
}

QWidget* QtHost::OwnerWidget(CWnd* owner) const {
    // A box stands over its owner's dialog when that is on screen, else over the dialog on top.
    if (owner != nullptr && owner->m_hWnd != nullptr)
        if (DialogWindow* window = WindowOf(*owner->m_hWnd);
            window != nullptr && window->isVisible())
            return window;
    for (auto window = m_windows.rbegin(); window != m_windows.rend(); ++window)
        if (!window->isNull() && (*window)->isVisible())
            return window->data();
    return nullptr;
}

void QtHost::DeliverPostedAndEndLoops() {
    // A handler that posts again is served on the next turn of the loop, not in a tight spin.
    if (AfxDeliverPostedMessages())
        QTimer::singleShot(0, &m_context, [this] { DeliverPostedAndEndLoops(); });
    for (const ModalRun& run : m_runs)
        if (run.dialog->IsEnding())
            run.loop->quit();
}
