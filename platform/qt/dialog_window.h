// The Qt window of one dialog: a widget per control of its template, placed in dialog
// units, showing the dialog's model and feeding the user's input back into it.
#pragma once

#include "platform/dialog.h"
#include "platform/qt/dialog_units.h"

#include <QDialog>

#include <functional>
#include <unordered_map>
#include <vector>

class QListWidget;
class QComboBox;

/// Shows one CDialog; every call into the framework it makes is followed by afterInput.
class DialogWindow : public QDialog {
    Q_OBJECT
public:
    DialogWindow(CDialog& dialog, QWidget* owner, std::function<void()> afterInput);
    ~DialogWindow() override;

    CDialog& Dialog() const { return m_dialog; }
    /// The pixel size of the dialog units this window is laid out in.
    const DialogBaseUnits& BaseUnits() const { return m_units; }
    /// The widget of a control of this dialog, or null.
    QWidget* ControlWidget(const WindowState& control) const;
    /// The widget of the control with this number, or null.
    QWidget* ControlWidget(int id) const;

    /// Shows a change of the dialog's model; reports nothing back to the dialog.
    void ShowChange(WindowState& window, WindowChange what);
    /// Shows the window over its owner and gives the focus to the model's focused control;
    /// from then on focus moves made with the mouse reach the model.
    void Open();
    /// Hides the window once its dialog has ended.
    void Close();

    void done(int result) override;
    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* CreateControlWidget(WindowState& control);
    void ConnectButton(WindowState& control, QWidget* widget);
    void ConnectList(WindowState& control, QListWidget* list);
    void ConnectCombo(WindowState& control, QComboBox* combo);
    void ShowControl(WindowState& control, WindowChange what);
    void ShowModelFocus();
    void ShowIcon();
    bool HandleKey(const QKeyEvent& key);
    /// Runs a call into the framework for user input, unless the dialog is ending.
    void Input(const std::function<void()>& call);
    /// The radio buttons of the group around this one, in template order.
    std::vector<WindowState*> RadioGroup(const WindowState& radio) const;

    CDialog& m_dialog;
    WindowState& m_model;
    std::function<void()> m_afterInput;
    DialogBaseUnits m_units;
    std::unordered_map<const WindowState*, QWidget*> m_widgets;
    std::unordered_map<QObject*, WindowState*> m_controls;
    bool m_open = false;
};
