#include "platform/qt/rule_line_edit.h"

#include "platform/edit_rules.h"
#include "platform/qt/latin1_text.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

namespace {

// Characters a key can type: no control characters of either 8-bit half.
bool IsTypedText(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar character) {
        const char16_t code = character.unicode();
        return code >= 0x20 && code != 0x7F && (code < 0x80 || code >= 0xA0);
    });
}

// A single-line field takes a pasted text up to its first line break.
QString FirstLine(const QString& text) {
    const auto lineBreak = std::find_if(text.begin(), text.end(), [](QChar character) {
        return character == QLatin1Char('\r') || character == QLatin1Char('\n');
    });
    return text.left(lineBreak - text.begin());
}

} // namespace

RuleLineEdit::RuleLineEdit(WindowState& model, QWidget* parent)
    : QLineEdit(parent), m_model(model) {
    setAcceptDrops(false);
    connect(this, &QLineEdit::selectionChanged, this, &RuleLineEdit::StoreSelection);
    connect(this, &QLineEdit::cursorPositionChanged, this, &RuleLineEdit::StoreSelection);
    // Any edit Qt makes on its own went round the rules: put the model's text back.
    connect(this, &QLineEdit::textEdited, this, &RuleLineEdit::RestoreModelText);
    ShowModel();
}

void RuleLineEdit::ShowModel() {
    m_showing = true;
    const QString modelText = ToWidgetText(m_model.text);
    if (text() != modelText)
        setText(modelText);
    setReadOnly((m_model.style & ES_READONLY) != 0);
    const int length = static_cast<int>(modelText.size());
    const int start = std::clamp(std::min(m_model.selectionStart, m_model.selectionEnd), 0, length);
    const int end = std::clamp(std::max(m_model.selectionStart, m_model.selectionEnd), 0, length);
    if (start == end)
        setCursorPosition(start);
    else
        setSelection(start, end - start);
    m_showing = false;
}

bool RuleLineEdit::InsertText(const QString& text) {
    const std::optional<std::string> bytes = FromWidgetText(text);
    if (!bytes) {
        QApplication::beep(); // a character with no 8-bit form
        return false;
    }
    const std::optional<EditText> result =
        ApplyEditInsertion(ModelText(), *bytes, m_model.style, m_model.textLimit);
    if (!result) {
        QApplication::beep();
        return false;
    }
    TakeEdit(*result);
    return true;
}

bool RuleLineEdit::DeleteText(bool backward) {
    const std::optional<EditText> result = ApplyEditDeletion(ModelText(), backward, m_model.style);
    if (!result)
        return false;
    TakeEdit(*result);
    return true;
}

EditText RuleLineEdit::ModelText() const {
    return {m_model.text, m_model.selectionStart, m_model.selectionEnd};
}

void RuleLineEdit::TakeEdit(const EditText& result) {
    const bool changed = result.text != m_model.text;
    m_model.text = result.text;
    m_model.selectionStart = result.selectionStart;
    m_model.selectionEnd = result.selectionEnd;
    ShowModel();
    if (changed)
        emit edited();
}

bool RuleLineEdit::PasteFromClipboard() {
    const QString line = FirstLine(QGuiApplication::clipboard()->text());
    return !line.isEmpty() && InsertText(line);
}

bool RuleLineEdit::CutToClipboard() {
    if (!hasSelectedText())
        return false;
    const QString removed = selectedText();
    if (!DeleteText(true))
        return false;
    QGuiApplication::clipboard()->setText(removed);
    return true;
}

void RuleLineEdit::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->matches(QKeySequence::Paste)) {
        PasteFromClipboard();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        CutToClipboard();
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return; // the field keeps no history of its own
    // Word and line deletions select what they remove, then delete it by the rules.
    if (event->matches(QKeySequence::DeleteStartOfWord)) {
        if (!hasSelectedText())
            cursorWordBackward(true);
        DeleteText(true);
        return;
    }
    if (event->matches(QKeySequence::DeleteEndOfWord)) {
        if (!hasSelectedText())
            cursorWordForward(true);
        DeleteText(false);
        return;
    }
    if (event->matches(QKeySequence::DeleteEndOfLine)) {
        end(true);
        DeleteText(false);
        return;
    }
    if (event->matches(QKeySequence::DeleteCompleteLine)) {
        selectAll();
        DeleteText(false);
        return;
    }
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        DeleteText(event->key() == Qt::Key_Backspace);
        return;
    }
    const bool commandKey = (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
    if (!commandKey && IsTypedText(event->text())) {
        InsertText(event->text());
        return;
    }
    // Caret movement, selection and copying.
    QLineEdit::keyPressEvent(event);
}

void RuleLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty())
        InsertText(event->commitString());
    event->accept();
}

void RuleLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    const bool writable = (m_model.style & ES_READONLY) == 0;
    const bool selected = hasSelectedText();
    QMenu menu(this);
    QAction* cut = menu.addAction(tr("Cu&t"));
    cut->setEnabled(writable && selected);
    connect(cut, &QAction::triggered, this, &RuleLineEdit::CutToClipboard);
    QAction* copyAction = menu.addAction(tr("&Copy"));
    copyAction->setEnabled(selected);
    connect(copyAction, &QAction::triggered, this, &QLineEdit::copy);
    QAction* paste = menu.addAction(tr("&Paste"));
    paste->setEnabled(writable && !QGuiApplication::clipboard()->text().isEmpty());
    connect(paste, &QAction::triggered, this, &RuleLineEdit::PasteFromClipboard);
    QAction* erase = menu.addAction(tr("&Delete"));
    erase->setEnabled(writable && selected);
    connect(erase, &QAction::triggered, this, [this] { DeleteText(false); });
    menu.addSeparator();
    QAction* all = menu.addAction(tr("Select &All"));
    all->setEnabled(!text().isEmpty());
    connect(all, &QAction::triggered, this, &QLineEdit::selectAll);
    menu.exec(event->globalPos());
}

void RuleLineEdit::focusInEvent(QFocusEvent* event) {
    // Qt selects a field's text when the focus comes by Tab; here the dialog decides that.
    m_showing = true;
    QLineEdit::focusInEvent(event);
    m_showing = false;
    // The field shows its own selection again; a click places the caret itself.
    if (event->reason() != Qt::MouseFocusReason)
        ShowModel();
}

void RuleLineEdit::focusOutEvent(QFocusEvent* event) {
    // Qt drops the selection of a field left behind; the field keeps it, only not shown.
    m_showing = true;
    QLineEdit::focusOutEvent(event);
    m_showing = false;
}

void RuleLineEdit::StoreSelection() {
    if (m_showing)
        return;
    if (hasSelectedText()) {
        m_model.selectionStart = selectionStart();
        m_model.selectionEnd = selectionStart() + static_cast<int>(selectedText().size());
    } else {
        m_model.selectionStart = m_model.selectionEnd = cursorPosition();
    }
}

void RuleLineEdit::RestoreModelText() {
    if (!m_showing)
        ShowModel();
}
