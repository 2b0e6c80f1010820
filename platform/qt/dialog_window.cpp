#include "platform/qt/dialog_window.h"

#include "platform/qt/latin1_text.h"
#include "platform/qt/rule_line_edit.h"
#include "platform/qt/widget_icon.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

// A list box selects the entry a navigation key lands on, also when the key does not move
// (Home on the first entry of a list that has no selection yet), as a keyboard user expects.
class SelectingListWidget : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QListWidget::keyPressEvent(event);
        switch (event->key()) {
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (currentItem() != nullptr && selectedItems().isEmpty())
                currentItem()->setSelected(true);
            break;
        default:
            break;
        }
    }
};

Qt::CheckState ToCheckState(int check) {
    switch (check) {
    case BST_CHECKED:
        return Qt::Checked;
    case BST_INDETERMINATE:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

// The list's entries become the model's entries, changing only what differs.
template <typename Widget, typename SetText, typename Add, typename RemoveLast>
void ShowItems(Widget& widget, int count, const std::vector<ListItem>& items, SetText setText,
               Add add, RemoveLast removeLast) {
    for (; count > static_cast<int>(items.size()); --count)
        removeLast(widget);
    for (std::size_t index = 0; index < items.size(); ++index) {
        const QString text = ToWidgetText(items[index].text);
        if (static_cast<int>(index) < count)
            setText(widget, static_cast<int>(index), text);
        else
            add(widget, text);
    }
}

void ShowListItems(QListWidget& list, const std::vector<ListItem>& items) {
    ShowItems(
        list, list.count(), items,
        [](QListWidget& widget, int row, const QString& text) {
            if (widget.item(row)->text() != text)
                widget.item(row)->setText(text);
        },
        [](QListWidget& widget, const QString& text) { widget.addItem(text); },
        [](QListWidget& widget) { delete widget.takeItem(widget.count() - 1); });
}

void ShowComboItems(QComboBox& combo, const std::vector<ListItem>& items) {
    ShowItems(
        combo, combo.count(), items,
        [](QComboBox& widget, int index, const QString& text) {
            if (widget.itemText(index) != text)
                widget.setItemText(index, text);
        },
        [](QComboBox& widget, const QString& text) { widget.addItem(text); },
        [](QComboBox& widget) { widget.removeItem(widget.count() - 1); });
}

void ShowListSelection(QListWidget& list, int selection) {
    if (selection < 0 || selection >= list.count()) {
        list.clearSelection();
        list.setCurrentRow(-1);
        return;
    }
    list.setCurrentRow(selection, QItemSelectionModel::ClearAndSelect);
    list.scrollToItem(list.item(selection));
}

} // namespace

DialogWindow::DialogWindow(CDialog& dialog, QWidget* owner, std::function<void()> afterInput)
    : QDialog(owner), m_dialog(dialog), m_model(*dialog.m_hWnd),
      m_afterInput(std::move(afterInput)) {
    const DialogTemplate& dialogTemplate = dialog.GetTemplate();
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if ((dialogTemplate.style & WS_SYSMENU) != 0)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(ToWidgetText(m_model.text));
    setFont(DialogFont(dialogTemplate));
    m_units = MeasureBaseUnits(font());
    setFixedSize(MapDialogRect(m_units, 0, 0, dialogTemplate.cx, dialogTemplate.cy).size());
    setEnabled(m_model.enabled);
    installEventFilter(this);

    QWidget* previousStop = nullptr;
    for (const auto& child : m_model.children) {
        QWidget* widget = CreateControlWidget(*child);
        if (widget == nullptr)
            continue;
        m_widgets[child.get()] = widget;
        m_controls[widget] = child.get();
        widget->installEventFilter(this);
        if (child->id != IDC_STATIC)
            widget->setObjectName(QStringLiteral("control%1").arg(child->id));
        widget->setEnabled(child->enabled);
        widget->setVisible(child->visible);
        if ((child->style & WS_TABSTOP) != 0) {
            if (previousStop != nullptr)
                setTabOrder(previousStop, widget);
            previousStop = widget;
        }
    }
    // Group boxes are frames behind the controls they hold.
    for (const auto& child : m_model.children)
        if (child->kind == ControlKind::GroupBox && m_widgets.contains(child.get()))
            m_widgets[child.get()]->lower();
    ShowIcon();
}

DialogWindow::~DialogWindow() {
    // The widgets go with the window; no signal of theirs may reach the model any more.
    for (auto& [widget, control] : m_controls) {
        widget->removeEventFilter(this);
        widget->disconnect(this);
    }
}

QWidget* DialogWindow::CreateControlWidget(WindowState& control) {
    if (control.control == nullptr)
        return nullptr;
    const ControlTemplate& controlTemplate = *control.control;
    const QRect area = MapDialogRect(m_units, controlTemplate.x, controlTemplate.y,
                                     controlTemplate.cx, controlTemplate.cy);
    const QString text = ToWidgetText(control.text);
    const Qt::FocusPolicy focus =
        (control.style & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::ClickFocus;
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Static: {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setText(text);
        widget = label;
        widget->setFocusPolicy(Qt::NoFocus);
        break;
    }
    case ControlKind::Edit: {
        auto* edit = new RuleLineEdit(control, this);
        edit->setFrame((control.style & WS_BORDER) != 0);
        connect(edit, &RuleLineEdit::edited, this, [this, &control] {
            Input([this, &control] { m_dialog.SendNotify(control.id, EN_CHANGE); });
        });
        widget = edit;
        widget->setFocusPolicy(focus);
        break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, this);
        // Enter is the dialog's to handle: no button presses itself on it.
        button->setAutoDefault(false);
        button->setDefault(control.kind == ControlKind::DefPushButton);
        widget = button;
        widget->setFocusPolicy(focus);
        ConnectButton(control, widget);
        break;
    }
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
        QAbstractButton* button = nullptr;
        if (control.kind == ControlKind::CheckBox) {
            auto* box = new QCheckBox(text, this);
            box->setTristate(control.check == BST_INDETERMINATE);
            box->setCheckState(ToCheckState(control.check));
            button = box;
        } else {
            // The model keeps a group's buttons exclusive, bounded by WS_GROUP as the
            // framework's groups are; Qt's own exclusivity would join every button of the window.
            auto* radio = new QRadioButton(text, this);
            radio->setAutoExclusive(false);
            radio->setChecked(control.check != BST_UNCHECKED);
            button = radio;
        }
        widget = button;
        widget->setFocusPolicy(focus);
        ConnectButton(control, widget);
        break;
    }
    case ControlKind::GroupBox: {
        auto* group = new QGroupBox(text, this);
        widget = group;
        widget->setFocusPolicy(Qt::NoFocus);
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(this);
        combo->setEditable(false);
        ShowComboItems(*combo, control.items);
        combo->setCurrentIndex(control.currentSelection);
        // The template gives the height of the opened list; the closed box is one line high.
        const int closedHeight = std::min(area.height(), combo->sizeHint().height());
        const int itemHeight = std::max(1, combo->fontMetrics().height() + 2);
        combo->setMaxVisibleItems(std::max(1, (area.height() - closedHeight) / itemHeight));
        combo->setGeometry(area.x(), area.y(), area.width(), closedHeight);
        combo->setFocusPolicy(focus);
        ConnectCombo(control, combo);
        return combo;
    }
    case ControlKind::ListBox: {
        auto* list = new SelectingListWidget(this);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setFrameShape((control.style & WS_BORDER) != 0 ? QFrame::StyledPanel
                                                             : QFrame::NoFrame);
        list->setVerticalScrollBarPolicy(
            (control.style & WS_VSCROLL) != 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        ShowListItems(*list, control.items);
        ShowListSelection(*list, control.currentSelection);
        list->setFocusPolicy(focus);
        ConnectList(control, list);
        widget = list;
        break;
    }
    }
    if (widget == nullptr)
        return nullptr;
    widget->setGeometry(area);
    // Templates fit their labels to one font's widths; in a wider font a label grows to its
    // text rather than cut it. What it overhangs is the field after it, which covers it.
    if (control.kind == ControlKind::Static)
        widget->resize(std::max(area.width(), widget->sizeHint().width()), area.height());
    return widget;
}

void DialogWindow::ConnectButton(WindowState& control, QWidget* widget) {
    auto* button = static_cast<QAbstractButton*>(widget);
    connect(button, &QAbstractButton::clicked, this, [this, &control] {
        Input([this, &control] {
            if (control.kind == ControlKind::CheckBox) {
                control.check = control.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
                ShowControl(control, WindowChange::Check);
            } else if (control.kind == ControlKind::RadioButton) {
                for (WindowState* radio : RadioGroup(control)) {
                    radio->check = radio == &control ? BST_CHECKED : BST_UNCHECKED;
                    ShowControl(*radio, WindowChange::Check);
                }
            }
            m_dialog.SendNotify(control.id, BN_CLICKED);
        });
        // A click the dialog did not take (it is ending) leaves the box as the model has it.
        if (control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton)
            ShowControl(control, WindowChange::Check);
    });
}

void DialogWindow::ConnectList(WindowState& control, QListWidget* list) {
    connect(list, &QListWidget::itemSelectionChanged, this, [this, &control, list] {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        const int selection = selected.isEmpty() ? -1 : list->row(selected.front());
        if (selection == control.currentSelection)
            return;
        if (selection < 0) {
            // A single-selection list keeps its entry selected: Ctrl+click does not clear it.
            ShowControl(control, WindowChange::CurrentSelection);
            return;
        }
        Input([this, &control, selection] {
            control.currentSelection = selection;
            if ((control.style & LBS_NOTIFY) != 0)
                m_dialog.SendNotify(control.id, LBN_SELCHANGE);
        });
    });
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this, &control, list](QListWidgetItem* item) {
                const int row = list->row(item);
                Input([this, &control, row] {
                    control.currentSelection = row;
                    if ((control.style & LBS_NOTIFY) != 0)
                        m_dialog.SendNotify(control.id, LBN_DBLCLK);
                });
            });
}

void DialogWindow::ConnectCombo(WindowState& control, QComboBox* combo) {
    connect(combo, &QComboBox::currentIndexChanged, this, [this, &control](int index) {
        Input([this, &control, index] {
            control.currentSelection = index;
            m_dialog.SendNotify(control.id, CBN_SELCHANGE);
        });
    });
}

QWidget* DialogWindow::ControlWidget(const WindowState& control) const {
    const auto found = m_widgets.find(&control);
    return found != m_widgets.end() ? found->second : nullptr;
}

QWidget* DialogWindow::ControlWidget(int id) const {
    const WindowState* control = m_model.FindChild(id);
    return control != nullptr ? ControlWidget(*control) : nullptr;
}

std::vector<WindowState*> DialogWindow::RadioGroup(const WindowState& radio) const {
    const auto& children = m_model.children;
    const auto at = std::find_if(children.begin(), children.end(),
                                 [&radio](const auto& child) { return child.get() == &radio; });
    if (at == children.end())
        return {};
    auto first = at;
    while (first != children.begin() && ((*first)->style & WS_GROUP) == 0)
        --first;
    std::vector<WindowState*> group;
    for (auto member = first; member != children.end(); ++member) {
        if (member != first && ((*member)->style & WS_GROUP) != 0)
            break;
        if ((*member)->kind == ControlKind::RadioButton)
            group.push_back(member->get());
    }
    return group;
}

void DialogWindow::ShowChange(WindowState& window, WindowChange what) {
    if (&window == &m_model) {
        switch (what) {
        case WindowChange::Text:
            setWindowTitle(ToWidgetText(m_model.text));
            break;
        case WindowChange::Enabled:
            setEnabled(m_model.enabled);
            break;
        case WindowChange::Icon:
            ShowIcon();
            break;
        case WindowChange::Focus:
            ShowModelFocus();
            break;
        default:
            break;
        }
        return;
    }
    if (what == WindowChange::Focus)
        ShowModelFocus();
    else
        ShowControl(window, what);
}

void DialogWindow::ShowControl(WindowState& control, WindowChange what) {
    QWidget* widget = ControlWidget(control);
    if (widget == nullptr)
        return;
    const QSignalBlocker blocker(widget);
    if (what == WindowChange::Enabled) {
        widget->setEnabled(control.enabled);
        return;
    }
    switch (control.kind) {
    case ControlKind::Static:
        static_cast<QLabel*>(widget)->setText(ToWidgetText(control.text));
        break;
    case ControlKind::Edit:
        static_cast<RuleLineEdit*>(widget)->ShowModel();
        break;
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
        static_cast<QPushButton*>(widget)->setText(ToWidgetText(control.text));
        break;
    case ControlKind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(widget);
        box->setText(ToWidgetText(control.text));
        box->setTristate(control.check == BST_INDETERMINATE);
        box->setCheckState(ToCheckState(control.check));
        break;
    }
    case ControlKind::RadioButton: {
        auto* radio = static_cast<QRadioButton*>(widget);
        radio->setText(ToWidgetText(control.text));
        radio->setChecked(control.check != BST_UNCHECKED);
        break;
    }
    case ControlKind::GroupBox:
        static_cast<QGroupBox*>(widget)->setTitle(ToWidgetText(control.text));
        break;
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(widget);
        if (what == WindowChange::Items)
            ShowComboItems(*combo, control.items);
        combo->setCurrentIndex(control.currentSelection < combo->count() ? control.currentSelection
                                                                         : -1);
        break;
    }
    case ControlKind::ListBox: {
        auto* list = static_cast<QListWidget*>(widget);
        if (what == WindowChange::Items)
            ShowListItems(*list, control.items);
        ShowListSelection(*list, control.currentSelection);
        break;
    }
    }
}

void DialogWindow::ShowModelFocus() {
    if (m_model.focus == nullptr)
        return;
    if (QWidget* widget = ControlWidget(*m_model.focus))
        widget->setFocus(Qt::OtherFocusReason);
}

void DialogWindow::ShowIcon() {
    setWindowIcon(ToWidgetIcon({m_model.bigIcon, m_model.smallIcon}));
}

void DialogWindow::Open() {
    show();
    raise();
    activateWindow();
    ShowModelFocus();
    m_open = true;
}

void DialogWindow::Close() {
    m_open = false;
    hide();
}

void DialogWindow::Input(const std::function<void()>& call) {
    if (!m_open || m_dialog.IsEnding())
        return;
    call();
    m_afterInput();
}

bool DialogWindow::HandleKey(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Input([this] { m_dialog.PressEnter(); });
        return true;
    case Qt::Key_Escape:
        Input([this] { m_dialog.PressEscape(); });
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if ((key.modifiers() & Qt::ControlModifier) != 0)
            return false;
        Input([this, forward = key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier) ==
                                                               0] { m_dialog.MoveFocus(forward); });
        return true;
    case Qt::Key_F1:
        Input([this] { m_dialog.SendNotify(ID_HELP, BN_CLICKED); });
        return true;
    default:
        return false;
    }
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return HandleKey(*static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        // A click moved the focus: the model follows.
        if (m_open) {
            const auto found = m_controls.find(watched);
            if (found != m_controls.end())
                m_model.focus = found->second;
        }
        return false;
    default:
        return false;
    }
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    // The close box asks the dialog, which closes as by Cancel; the window goes when it ends.
    event->ignore();
    Input([this] { m_dialog.SendMessage(WM_CLOSE); });
}

void DialogWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        m_model.iconic = isMinimized();
    QDialog::changeEvent(event);
}

// The dialog decides when it ends; Qt's own ways of ending a QDialog ask it as Esc would.
void DialogWindow::done(int) {
    Input([this] { m_dialog.PressEscape(); });
}

void DialogWindow::accept() {
    done(QDialog::Accepted);
}

void DialogWindow::reject() {
    done(QDialog::Rejected);
}
