// A single-line edit field whose every change goes through the framework's typing rules, so
// read-only fields, digits-only fields, capitals and text limits hold for keys, pasting,
// cutting, input methods and the context menu alike.
#pragma once

#include "platform/edit_rules.h"
#include "platform/window.h"

#include <QLineEdit>

/// The widget of an edit control: shows its model and changes it only by the typing rules.
class RuleLineEdit : public QLineEdit {
    Q_OBJECT
public:
    RuleLineEdit(WindowState& model, QWidget* parent);

    /// Shows the model's text, selection and read-only state; reports no edit.
    void ShowModel();
    /// Types or pastes text over the selection; false when the field accepts none of it.
    bool InsertText(const QString& text);
    /// Deletes the selection, else the character before (backward) or after the caret.
    bool DeleteText(bool backward);
    /// Pastes the clipboard's first line over the selection.
    bool PasteFromClipboard();
    /// Copies the selection to the clipboard and deletes it.
    bool CutToClipboard();

signals:
    /// The user changed the text; the model holds the new text already.
    void edited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    /// The model's text with its selection.
    EditText ModelText() const;
    /// Puts the rules' result into the model and the widget; reports a changed text.
    void TakeEdit(const EditText& result);

    void StoreSelection();
    void RestoreModelText();

    WindowState& m_model;
    bool m_showing = false;
};
