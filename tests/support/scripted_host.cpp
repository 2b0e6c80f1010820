#include "tests/support/scripted_host.h"

#include "platform/edit_rules.h"

#include <gtest/gtest.h>

#include <exception>
#include <stdexcept>

namespace {

bool IsButton(const WindowState& control) {
    return control.kind == ControlKind::PushButton || control.kind == ControlKind::DefPushButton ||
           control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton;
}

/// The control a step acts on; a test that names a missing control or the wrong kind is wrong.
WindowState* StepControl(CDialog& dialog, int id, const char* step) {
    WindowState* control = dialog.m_hWnd != nullptr ? dialog.m_hWnd->FindChild(id) : nullptr;
    if (control == nullptr)
        ADD_FAILURE() << step << ": dialog \"" << dialog.GetTemplate().caption
                      << "\" has no control " << id;
    return control;
}

/// A user can act only on a control that is enabled and visible; on any other nothing happens.
bool Reachable(const WindowState& control) {
    return control.enabled && control.visible;
}

void SetEdit(WindowState& field, const EditText& edited) {
    const bool textChanged = field.text != edited.text;
    field.text = edited.text;
    field.selectionStart = edited.selectionStart;
    field.selectionEnd = edited.selectionEnd;
    if (textChanged)
        CWnd::NotifyChanged(field, WindowChange::Text);
    CWnd::NotifyChanged(field, WindowChange::Selection);
    if (textChanged)
        CWnd::FromHandle(&field)->SendNotify(field.id, EN_CHANGE);
}

EditText EditOf(const WindowState& field) {
    return EditText{field.text, field.selectionStart, field.selectionEnd};
}

/// Keys typed one by one at the field's selection; refused keys change nothing.
void TypeKeys(WindowState& field, const std::string& keys) {
    for (const char key : keys) {
        if (auto edited = ApplyEditInsertion(EditOf(field), std::string_view(&key, 1), field.style,
                                             field.textLimit))
            SetEdit(field, *edited);
    }
}

/// Prepares a step on an edit field: focus on it, as a click in it would. Null: nothing to do.
WindowState* EditStep(CDialog& dialog, int id, const char* step) {
    WindowState* field = StepControl(dialog, id, step);
    if (field == nullptr)
        return nullptr;
    if (field->kind != ControlKind::Edit) {
        ADD_FAILURE() << step << ": control " << id << " is not an edit field";
        return nullptr;
    }
    if (!Reachable(*field))
        return nullptr;
    CWnd::FromHandle(field)->SetFocus();
    return field;
}

void SelectEntry(CDialog& dialog, int id, int index, bool doubleClick) {
    const char* step = doubleClick ? "DoubleClick" : "Select";
    WindowState* list = StepControl(dialog, id, step);
    if (list == nullptr)
        return;
    const bool isList = list->kind == ControlKind::ListBox;
    if (!isList && (list->kind != ControlKind::ComboBox || doubleClick)) {
        ADD_FAILURE() << step << ": control " << id << " is not a list";
        return;
    }
    if (index < 0 || index >= static_cast<int>(list->items.size())) {
        ADD_FAILURE() << step << ": control " << id << " has no entry " << index;
        return;
    }
    if (!Reachable(*list))
        return;
    CWnd* control = CWnd::FromHandle(list);
    control->SetFocus();
    if (list->currentSelection != index) {
        list->currentSelection = index;
        CWnd::NotifyChanged(*list, WindowChange::CurrentSelection);
    }
    // A list box reports only with LBS_NOTIFY; a drop-down list always does.
    if (isList && (list->style & LBS_NOTIFY) == 0)
        return;
    control->SendNotify(id, isList ? LBN_SELCHANGE : CBN_SELCHANGE);
    if (doubleClick && !dialog.IsEnding())
        control->SendNotify(id, LBN_DBLCLK);
}

} // namespace

struct ScriptedHost::Expectation {
    bool isDialog = false;
    std::string name; // a dialog's caption or a message box's text
    DialogScript script;
    int answer = IDOK;
    CDialog* dialog = nullptr; // the dialog running this script
};

DialogScript& DialogScript::Type(int id, std::string text) {
    steps.push_back({"Type " + std::to_string(id), [id, text](CDialog& dialog) {
                         WindowState* field = EditStep(dialog, id, "Type");
                         if (field == nullptr)
                             return;
                         field->selectionStart = 0;
                         field->selectionEnd = static_cast<int>(field->text.size());
                         if (text.empty()) {
                             if (auto edited =
                                     ApplyEditDeletion(EditOf(*field), true, field->style))
                                 SetEdit(*field, *edited);
                         } else {
                             TypeKeys(*field, text);
                         }
                     }});
    return *this;
}

DialogScript& DialogScript::Append(int id, std::string text) {
    steps.push_back({"Append " + std::to_string(id), [id, text](CDialog& dialog) {
                         WindowState* field = EditStep(dialog, id, "Append");
                         if (field == nullptr)
                             return;
                         field->selectionStart = field->selectionEnd =
                             static_cast<int>(field->text.size());
                         TypeKeys(*field, text);
                     }});
    return *this;
}

DialogScript& DialogScript::Paste(int id, std::string text) {
    steps.push_back({"Paste " + std::to_string(id), [id, text](CDialog& dialog) {
                         WindowState* field = EditStep(dialog, id, "Paste");
                         if (field == nullptr)
                             return;
                         if (auto edited = ApplyEditInsertion(EditOf(*field), text, field->style,
                                                              field->textLimit))
                             SetEdit(*field, *edited);
                     }});
    return *this;
}

DialogScript& DialogScript::Click(int id) {
    steps.push_back(
        {"Click " + std::to_string(id), [id](CDialog& dialog) {
             WindowState* button = StepControl(dialog, id, "Click");
             if (button == nullptr)
                 return;
             if (!IsButton(*button)) {
                 ADD_FAILURE() << "Click: control " << id << " is not a button";
                 return;
             }
             if (!Reachable(*button))
                 return;
             CWnd* control = CWnd::FromHandle(button);
             control->SetFocus();
             if (button->kind == ControlKind::CheckBox) {
                 button->check = button->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
                 CWnd::NotifyChanged(*button, WindowChange::Check);
             } else if (button->kind == ControlKind::RadioButton) {
                 // The group around it: back to its WS_GROUP control, on to the next.
                 auto& children = dialog.m_hWnd->children;
                 std::size_t at = 0;
                 while (children[at].get() != button)
                     ++at;
                 std::size_t first = at;
                 while (first > 0 && (children[first]->style & WS_GROUP) == 0)
                     --first;
                 for (std::size_t member = first; member < children.size(); ++member) {
                     WindowState& other = *children[member];
                     if (member > first && (other.style & WS_GROUP) != 0)
                         break;
                     const int check = &other == button ? BST_CHECKED : BST_UNCHECKED;
                     if (other.kind == ControlKind::RadioButton && other.check != check) {
                         other.check = check;
                         CWnd::NotifyChanged(other, WindowChange::Check);
                     }
                 }
             }
             control->SendNotify(id, BN_CLICKED);
         }});
    return *this;
}

DialogScript& DialogScript::Select(int id, int index) {
    steps.push_back({"Select " + std::to_string(id),
                     [id, index](CDialog& dialog) { SelectEntry(dialog, id, index, false); }});
    return *this;
}

DialogScript& DialogScript::DoubleClick(int id, int index) {
    steps.push_back({"DoubleClick " + std::to_string(id),
                     [id, index](CDialog& dialog) { SelectEntry(dialog, id, index, true); }});
    return *this;
}

DialogScript& DialogScript::Focus(int id) {
    steps.push_back({"Focus " + std::to_string(id), [id](CDialog& dialog) {
                         WindowState* control = StepControl(dialog, id, "Focus");
                         if (control != nullptr && Reachable(*control))
                             CWnd::FromHandle(control)->SetFocus();
                     }});
    return *this;
}

DialogScript& DialogScript::PressEnter() {
    steps.push_back({"PressEnter", [](CDialog& dialog) { dialog.PressEnter(); }});
    return *this;
}

DialogScript& DialogScript::PressEscape() {
    steps.push_back({"PressEscape", [](CDialog& dialog) { dialog.PressEscape(); }});
    return *this;
}

DialogScript& DialogScript::PressTab(bool forward) {
    steps.push_back({forward ? "PressTab" : "PressShiftTab",
                     [forward](CDialog& dialog) { dialog.MoveFocus(forward); }});
    return *this;
}

DialogScript& DialogScript::CloseBox() {
    steps.push_back({"CloseBox", [](CDialog& dialog) { dialog.SendMessage(WM_CLOSE); }});
    return *this;
}

DialogScript& DialogScript::PressHelp() {
    steps.push_back({"PressHelp", [](CDialog& dialog) { dialog.RouteCommand(ID_HELP, 0); }});
    return *this;
}

DialogScript& DialogScript::Check(std::function<void(CDialog&)> check) {
    steps.push_back({"Check", std::move(check)});
    return *this;
}

ScriptedHost::ScriptedHost() : m_previous(AfxGetHost()) {
    AfxSetHost(this);
}

ScriptedHost::~ScriptedHost() {
    for (const auto& expected : m_expected)
        ADD_FAILURE() << (expected->isDialog ? "expected dialog \"" : "expected message box \"")
                      << expected->name << "\" never appeared";
    AfxSetHost(m_previous);
}

DialogScript& ScriptedHost::ExpectDialog(std::string caption) {
    auto expected = std::make_unique<Expectation>();
    expected->isDialog = true;
    expected->name = std::move(caption);
    m_expected.push_back(std::move(expected));
    return m_expected.back()->script;
}

void ScriptedHost::ExpectMessageBox(std::string text, int answer) {
    auto expected = std::make_unique<Expectation>();
    expected->name = std::move(text);
    expected->answer = answer;
    m_expected.push_back(std::move(expected));
}

void ScriptedHost::CreateDialogWindow(CDialog& dialog) {
    const std::string& caption = dialog.GetTemplate().caption;
    m_dialogs.push_back(caption);
    if (m_expected.empty() || !m_expected.front()->isDialog ||
        m_expected.front()->name != caption) {
        ADD_FAILURE() << "unexpected dialog \"" << caption << "\""
                      << (m_expected.empty()
                              ? std::string(", nothing more was expected")
                              : ", expected " +
                                    std::string(m_expected.front()->isDialog ? "dialog \""
                                                                             : "message box \"") +
                                    m_expected.front()->name + "\"");
        m_running.push_back(nullptr);
        return;
    }
    m_expected.front()->dialog = &dialog;
    m_running.push_back(std::move(m_expected.front()));
    m_expected.pop_front();
}

void ScriptedHost::RunModalLoop(CDialog& dialog) {
    Expectation* running = m_running.empty() ? nullptr : m_running.back().get();
    if (running == nullptr || running->dialog != &dialog) {
        dialog.EndDialog(IDCANCEL); // not expected: close it so the test goes on
        return;
    }
    const std::string& caption = running->name;
    auto& steps = running->script.steps;
    // A dialog ended during its initialisation is never shown and runs no loop.
    if (!dialog.IsEnding())
        AfxDeliverPostedMessages();
    while (!steps.empty() && !dialog.IsEnding()) {
        DialogScript::Step step = std::move(steps.front());
        steps.pop_front();
        try {
            step.run(dialog);
        } catch (const std::exception& error) {
            ADD_FAILURE() << "dialog \"" << caption << "\", step " << step.description
                          << " threw: " << error.what();
        }
        AfxDeliverPostedMessages();
    }
    if (!dialog.IsEnding()) {
        ADD_FAILURE() << "dialog \"" << caption << "\" is still open at the end of its script";
        dialog.EndDialog(IDCANCEL);
    } else if (!steps.empty()) {
        ADD_FAILURE() << "dialog \"" << caption << "\" closed before step "
                      << steps.front().description;
    }
}

void ScriptedHost::DestroyDialogWindow(CDialog& dialog) {
    if (!m_running.empty() && (m_running.back() == nullptr || m_running.back()->dialog == &dialog))
        m_running.pop_back();
}

int ScriptedHost::ShowMessageBox(CWnd*, std::string_view text, std::string_view caption,
                                 UINT type) {
    m_boxes.push_back(RecordedMessageBox{std::string(text), std::string(caption), type});
    if (m_expected.empty() || m_expected.front()->isDialog || m_expected.front()->name != text) {
        ADD_FAILURE() << "unexpected message box \"" << text << "\""
                      << (m_expected.empty()
                              ? std::string(", nothing more was expected")
                              : ", expected " +
                                    std::string(m_expected.front()->isDialog ? "dialog \""
                                                                             : "message box \"") +
                                    m_expected.front()->name + "\"");
        return IDOK;
    }
    const int answer = m_expected.front()->answer;
    m_expected.pop_front();
    return answer;
}

void ScriptedHost::WindowChanged(WindowState&, WindowChange) {}

WindowState& Control(CDialog& dialog, int id) {
    WindowState* control = dialog.m_hWnd != nullptr ? dialog.m_hWnd->FindChild(id) : nullptr;
    if (control == nullptr)
        throw std::out_of_range("dialog \"" + dialog.GetTemplate().caption + "\" has no control " +
                                std::to_string(id));
    return *control;
}

int FocusedControlId(CDialog& dialog) {
    return dialog.m_hWnd != nullptr && dialog.m_hWnd->focus != nullptr ? dialog.m_hWnd->focus->id
                                                                       : 0;
}

void ExpectRefusedField(CDialog& dialog, int id) {
    EXPECT_EQ(FocusedControlId(dialog), id);
    const WindowState& field = Control(dialog, id);
    EXPECT_EQ(field.selectionStart, 0) << "the refused field's text is selected whole";
    EXPECT_EQ(field.selectionEnd, static_cast<int>(field.text.size()));
}
