// The Qt host with real widgets on the offscreen platform: layout in dialog units, keys and
// clicks into the model and the message map, modal runs, message boxes and pictures.
#include "platform/controls.h"
#include "platform/data_exchange.h"
#include "platform/dialog.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/rule_line_edit.h"
#include "tests/support/case_name.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using case_name::PrintTo;

constexpr int kUpper = 101;
constexpr int kDigits = 102;
constexpr int kLimited = 103;
constexpr int kReadOnly = 104;
constexpr int kFlag = 110;
constexpr int kRadioOne = 111;
constexpr int kRadioTwo = 112;
constexpr int kCombo = 120;
constexpr int kList = 121;
constexpr int kLater = 130;
constexpr int kLimit = 4;

// The result a dialog gets when a test had to end it: never one a dialog gives itself.
constexpr int kAbandoned = -99;
constexpr int kFallbackMilliseconds = 10000;

DialogTemplate MakeFieldTemplate(int pointSize) {
    const DWORD edit = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    return DialogTemplate{
        900,
        "Field Test",
        0,
        0,
        220,
        130,
        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
        0,
        "MS Sans Serif",
        pointSize,
        {
            {ControlKind::Static, IDC_STATIC, "Name:", 5, 5, 30, 8, WS_VISIBLE | WS_GROUP},
            {ControlKind::Edit, kUpper, "", 40, 5, 60, 12, edit | ES_UPPERCASE},
            {ControlKind::Edit, kDigits, "", 40, 20, 30, 12, edit | ES_NUMBER},
            {ControlKind::Edit, kLimited, "", 40, 35, 60, 12, edit},
            {ControlKind::Edit, kReadOnly, "", 40, 50, 60, 12, edit | ES_READONLY},
            {ControlKind::CheckBox, kFlag, "Flag", 5, 66, 40, 10, WS_VISIBLE | WS_TABSTOP},
            {ControlKind::RadioButton, kRadioOne, "One", 8, 88, 40, 10, WS_VISIBLE | WS_GROUP},
            {ControlKind::RadioButton, kRadioTwo, "Two", 52, 88, 40, 10, WS_VISIBLE},
            {ControlKind::GroupBox, IDC_STATIC, "Kind", 3, 78, 100, 24, WS_VISIBLE | WS_GROUP},
            {ControlKind::ComboBox, kCombo, "", 110, 5, 60, 60,
             WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {ControlKind::ListBox, kList, "", 110, 22, 60, 50,
             WS_VISIBLE | LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP},
            {ControlKind::PushButton, kLater, "Later", 110, 80, 50, 14,
             WS_VISIBLE | WS_TABSTOP | WS_DISABLED},
            {ControlKind::DefPushButton, IDOK, "OK", 165, 80, 50, 14,
             WS_VISIBLE | WS_GROUP | WS_TABSTOP},
            {ControlKind::PushButton, IDCANCEL, "Cancel", 165, 98, 50, 14, WS_VISIBLE | WS_TABSTOP},
        },
        {{kCombo, {"FIRST", "SECOND", "THIRD"}}}};
}

const DialogTemplate& FieldTemplate(int pointSize = 8) {
    static const DialogTemplate small = MakeFieldTemplate(8);
    static const DialogTemplate large = MakeFieldTemplate(16);
    return pointSize == 16 ? large : small;
}

/// A dialog with one field of each kind; its message map writes down what reaches it.
class CFieldTestDlg : public CDialog {
public:
    explicit CFieldTestDlg(const DialogTemplate& dialogTemplate = FieldTemplate())
        : CDialog(dialogTemplate) {}

    std::string m_strUpper, m_strDigits, m_strLimited, m_strReadOnly;
    /// The member behind one of the four text fields.
    std::string& TextMember(int field) {
        return field == kUpper     ? m_strUpper
               : field == kDigits  ? m_strDigits
               : field == kLimited ? m_strLimited
                                   : m_strReadOnly;
    }
    int m_bFlag = 0;
    int m_nKind = 0;
    int m_nCombo = 0;
    CListBox m_list;
    std::vector<std::string> m_entries{"Abel", "Baker", "Cole"};
    std::vector<std::string> m_events;
    std::function<void()> m_onFlag;
    bool m_postCloseOnInit = false;

protected:
    BOOL OnInitDialog() override {
        const BOOL focusFirst = CDialog::OnInitDialog();
        for (const std::string& entry : m_entries)
            m_list.AddString(entry);
        if (m_postCloseOnInit)
            PostMessage(WM_CLOSE);
        return focusFirst;
    }

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, kUpper, m_strUpper);
        DDX_Text(pDX, kDigits, m_strDigits);
        DDX_Text(pDX, kLimited, m_strLimited);
        DDV_MaxChars(pDX, m_strLimited, kLimit);
        DDX_Text(pDX, kReadOnly, m_strReadOnly);
        DDX_Check(pDX, kFlag, m_bFlag);
        DDX_Radio(pDX, kRadioOne, m_nKind);
        DDX_CBIndex(pDX, kCombo, m_nCombo);
        DDX_Control(pDX, kList, m_list);
    }

    void OnFlag() {
        m_events.push_back("flag " + std::to_string(GetDlgItem(kFlag)->m_hWnd->check));
        if (m_onFlag)
            m_onFlag();
    }
    void OnRadioTwo() { m_events.push_back("two"); }
    void OnComboChange() {
        m_events.push_back("combo " + std::to_string(GetDlgItem(kCombo)->m_hWnd->currentSelection));
    }
    void OnListChange() { m_events.push_back("select " + std::to_string(m_list.GetCurSel())); }
    void OnListDoubleClick() { m_events.push_back("double " + m_list.GetText(m_list.GetCurSel())); }
    void OnHelpKey() { m_events.push_back("help"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFieldTestDlg, CDialog)
ON_BN_CLICKED(kFlag, OnFlag)
ON_BN_CLICKED(kRadioTwo, OnRadioTwo)
ON_CBN_SELCHANGE(kCombo, OnComboChange)
ON_CONTROL(LBN_SELCHANGE, kList, OnListChange)
ON_LBN_DBLCLK(kList, OnListDoubleClick)
ON_COMMAND(ID_HELP, OnHelpKey)
END_MESSAGE_MAP()

/// Types text key by key into the window's focused widget, as a keyboard would.
void TypeKeys(QWindow* window, const QString& keys) {
    for (const QChar key : keys) {
        if (key == QLatin1Char('\b'))
            QTest::keyClick(window, Qt::Key_Backspace);
        else
            QTest::sendKeyEvent(QTest::Click, window, static_cast<Qt::Key>(key.toUpper().unicode()),
                                QString(key), Qt::NoModifier);
    }
}

template <typename Widget> Widget* Control(DialogWindow& window, int id) {
    auto* widget = qobject_cast<Widget*>(window.ControlWidget(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

std::filesystem::path MakeTemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qt_host_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return {};
    return pattern;
}

int FocusedId(DialogWindow& window) {
    const QWidget* focus = window.focusWidget();
    for (const auto& child : window.Dialog().m_hWnd->children)
        if (window.ControlWidget(*child) == focus)
            return child->id;
    return 0;
}

class QtHostTest : public ::testing::Test {
protected:
    void SetUp() override { AfxSetHost(&m_host); }
    void TearDown() override { AfxSetHost(nullptr); }

    /// Runs the dialog modally; `user` acts in it once it is the active modal window. A dialog
    /// still open after the fallback delay is ended with kAbandoned and fails the test.
    int Run(CDialog& dialog, const std::function<void(DialogWindow&)>& user) {
        QObject context;
        bool acted = false;
        QTimer::singleShot(0, &context, [&] {
            DialogWindow* window = m_host.Window(dialog);
            if (window == nullptr || QApplication::activeModalWidget() != window) {
                ADD_FAILURE() << "the dialog is not the active modal window";
                return;
            }
            // The user works in a window once it is active, as the keyboard goes there.
            if (!QTest::qWaitForWindowActive(window)) {
                ADD_FAILURE() << "the dialog never became the active window";
                return;
            }
            acted = true;
            user(*window);
        });
        QTimer::singleShot(kFallbackMilliseconds, &context, [&] { Abandon(); });
        const int result = dialog.DoModal();
        EXPECT_TRUE(acted) << "the dialog never opened";
        EXPECT_NE(result, kAbandoned) << "the dialog did not end";
        return result;
    }

    /// Answers the next message box with a button, once it is the active modal window, and
    /// writes down what it showed.
    struct SeenBox {
        QString title, text;
        const QWidget* owner = nullptr;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QMessageBox::StandardButton> buttons;
        bool seen = false;
    };
    void AnswerNextBox(QObject& context, SeenBox& seen, QMessageBox::StandardButton answer) {
        QTimer::singleShot(0, &context, [&seen, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                ADD_FAILURE() << "no message box is open";
                return;
            }
            seen.seen = true;
            seen.title = box->windowTitle();
            seen.owner = box->parentWidget();
            seen.text = box->text();
            seen.icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                seen.buttons.push_back(box->standardButton(button));
            QAbstractButton* pressed = box->button(answer);
            if (pressed == nullptr) {
                ADD_FAILURE() << "the box has no button " << answer;
                box->done(QMessageBox::Cancel);
                return;
            }
            QTest::mouseClick(pressed, Qt::LeftButton);
        });
    }

    QtHost m_host;

    /// Ends whatever is still open and fails the test.
    void Abandon() {
        ADD_FAILURE() << "a dialog was still open after " << kFallbackMilliseconds << " ms";
        while (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->done(QMessageBox::Cancel);
        while (CDialog* dialog = m_host.TopDialog()) {
            dialog->EndDialog(kAbandoned);
            m_host.DeliverPostedAndEndLoops();
            if (m_host.TopDialog() == dialog)
                break; // its loop ends once this timer returns
        }
    }
};

// ---------------------------------------------------------------------------------------------
// Layout

struct KindCount {
    const char* kind;
    std::function<int(DialogWindow&)> count;
    int expected;
};

TEST_F(QtHostTest, EachControlBecomesAWidgetOfItsKind) {
    CFieldTestDlg dialog;
    Run(dialog, [](DialogWindow& window) {
        const std::vector<KindCount> kinds{
            {"label", [](DialogWindow& w) { return int(w.findChildren<QLabel*>().size()); }, 1},
            {"edit", [](DialogWindow& w) { return int(w.findChildren<RuleLineEdit*>().size()); },
             4},
            {"check box", [](DialogWindow& w) { return int(w.findChildren<QCheckBox*>().size()); },
             1},
            {"radio", [](DialogWindow& w) { return int(w.findChildren<QRadioButton*>().size()); },
             2},
            {"group", [](DialogWindow& w) { return int(w.findChildren<QGroupBox*>().size()); }, 1},
            {"combo", [](DialogWindow& w) { return int(w.findChildren<QComboBox*>().size()); }, 1},
            {"list", [](DialogWindow& w) { return int(w.findChildren<QListWidget*>().size()); }, 1},
            {"button", [](DialogWindow& w) { return int(w.findChildren<QPushButton*>().size()); },
             3},
        };
        for (const KindCount& kind : kinds)
            EXPECT_EQ(kind.count(window), kind.expected) << kind.kind;

        EXPECT_EQ(window.windowTitle(), "Field Test");
        EXPECT_TRUE(Control<QPushButton>(window, IDOK)->isDefault());
        EXPECT_FALSE(Control<QPushButton>(window, IDCANCEL)->isDefault());
        EXPECT_FALSE(Control<QPushButton>(window, kLater)->isEnabled());
        EXPECT_TRUE(Control<QLineEdit>(window, kReadOnly)->isReadOnly());
        EXPECT_FALSE(Control<QComboBox>(window, kCombo)->isEditable());
        EXPECT_EQ(Control<QComboBox>(window, kCombo)->count(), 3);
        EXPECT_EQ(Control<QListWidget>(window, kList)->count(), 3);
        EXPECT_EQ(Control<QListWidget>(window, kList)->selectionMode(),
                  QAbstractItemView::SingleSelection);
        // Radio buttons without WS_TABSTOP are reached by clicking only.
        EXPECT_EQ(Control<QRadioButton>(window, kRadioOne)->focusPolicy(), Qt::ClickFocus);
        EXPECT_EQ(Control<QLineEdit>(window, kUpper)->focusPolicy(), Qt::StrongFocus);
        // The group box stands behind the buttons it frames.
        const QObjectList& children = window.children();
        const auto group = children.indexOf(window.findChild<QGroupBox*>());
        const auto radio = children.indexOf(window.ControlWidget(kRadioOne));
        EXPECT_LT(group, radio);
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    });
}

// Dialog units are quarters of the average letter width and eighths of the font height.
class QtHostLayoutTest : public QtHostTest, public ::testing::WithParamInterface<int> {};

TEST_P(QtHostLayoutTest, GeometryFollowsTheDialogFontsUnits) {
    const int pointSize = GetParam();
    CFieldTestDlg dialog(FieldTemplate(pointSize));
    Run(dialog, [pointSize](DialogWindow& window) {
        EXPECT_EQ(window.font().pointSize(), pointSize);
        const QFontMetrics metrics(window.font());
        const double letters = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        const int baseX = static_cast<int>(std::lround(letters / 52));
        const int baseY = metrics.height();
        const auto px = [](int units, int base, int per) {
            return static_cast<int>(std::lround(units * base / double(per)));
        };
        EXPECT_EQ(window.width(), px(220, baseX, 4));
        EXPECT_EQ(window.height(), px(130, baseY, 8));
        for (const ControlTemplate& control : window.Dialog().GetTemplate().controls) {
            const WindowState* model = nullptr;
            for (const auto& child : window.Dialog().m_hWnd->children)
                if (child->control == &control)
                    model = child.get();
            ASSERT_NE(model, nullptr);
            const QWidget* widget = window.ControlWidget(*model);
            ASSERT_NE(widget, nullptr) << control.text;
            const QRect area = widget->geometry();
            EXPECT_EQ(area.x(), px(control.x, baseX, 4)) << control.id << " " << control.text;
            EXPECT_EQ(area.y(), px(control.y, baseY, 8)) << control.id << " " << control.text;
            // A label may grow to its text; every other control has the template's width.
            if (control.kind == ControlKind::Static)
                EXPECT_GE(area.width(), px(control.cx, baseX, 4)) << control.text;
            else
                EXPECT_EQ(area.width(), px(control.cx, baseX, 4))
                    << control.id << " " << control.text;
            if (control.kind == ControlKind::ComboBox)
                EXPECT_LE(area.height(), px(control.cy, baseY, 8)) << "closed below opened";
            else
                EXPECT_EQ(area.height(), px(control.cy, baseY, 8))
                    << control.id << " " << control.text;
        }
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    });
}

INSTANTIATE_TEST_SUITE_P(PointSizes, QtHostLayoutTest, ::testing::Values(8, 16));

TEST_F(QtHostTest, ALargerFontScalesTheWholeDialog) {
    QSize sizes[2];
    int units[2] = {0, 0};
    for (int index = 0; index < 2; ++index) {
        CFieldTestDlg dialog(FieldTemplate(index == 0 ? 8 : 16));
        Run(dialog, [&, index](DialogWindow& window) {
            sizes[index] = window.size();
            units[index] = window.BaseUnits().x;
            QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
        });
    }
    ASSERT_GT(units[0], 0);
    // Twice the points, about twice the pixels, in both directions.
    EXPECT_NEAR(double(sizes[1].width()) / sizes[0].width(), 2.0, 0.35);
    EXPECT_NEAR(double(sizes[1].height()) / sizes[0].height(), 2.0, 0.35);
}

// ---------------------------------------------------------------------------------------------
// Keys

TEST_F(QtHostTest, TabFollowsTemplateOrderOverEnabledTabStops) {
    CFieldTestDlg dialog;
    std::vector<int> forward, backward;
    Run(dialog, [&](DialogWindow& window) {
        forward.push_back(FocusedId(window));
        for (int step = 0; step < 9; ++step) {
            QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
            forward.push_back(FocusedId(window));
        }
        for (int step = 0; step < 2; ++step) {
            QTest::keyClick(window.windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
            backward.push_back(FocusedId(window));
        }
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    });
    // Labels, the group box, radio buttons without a tab stop and disabled buttons are passed by.
    EXPECT_EQ(forward, (std::vector<int>{kUpper, kDigits, kLimited, kReadOnly, kFlag, kCombo, kList,
                                         IDOK, IDCANCEL, kUpper}));
    EXPECT_EQ(backward, (std::vector<int>{IDCANCEL, IDOK}));
}

TEST_F(QtHostTest, TabIntoAnEditSelectsItsWholeText) {
    CFieldTestDlg dialog;
    dialog.m_strDigits = "1234";
    Run(dialog, [&](DialogWindow& window) {
        QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
        auto* edit = Control<QLineEdit>(window, kDigits);
        EXPECT_EQ(window.focusWidget(), edit);
        EXPECT_EQ(edit->selectedText(), "1234");
        // Typing replaces the selection.
        TypeKeys(window.windowHandle(), "9");
        EXPECT_EQ(edit->text(), "9");
        QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.m_strDigits, "9");
}

struct EndingKey {
    const char* name;
    int focus; // control focused first; 0 leaves the first tab stop
    std::function<void(DialogWindow&)> press;
    int result;
};

class QtHostEndingTest : public QtHostTest, public ::testing::WithParamInterface<EndingKey> {};

TEST_P(QtHostEndingTest, EndsTheDialogWithItsResult) {
    const EndingKey& ending = GetParam();
    CFieldTestDlg dialog;
    const int result = Run(dialog, [&](DialogWindow& window) {
        if (ending.focus != 0)
            window.ControlWidget(ending.focus)->setFocus(Qt::MouseFocusReason);
        TypeKeys(window.windowHandle(), "abc");
        ending.press(window);
    });
    EXPECT_EQ(result, ending.result);
    // OK saved what was typed; Cancel left the member alone.
    EXPECT_EQ(dialog.m_strUpper, ending.result == IDOK ? "ABC" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, QtHostEndingTest,
    ::testing::Values(
        EndingKey{"Return", 0,
                  [](DialogWindow& w) { QTest::keyClick(w.windowHandle(), Qt::Key_Return); }, IDOK},
        EndingKey{"KeypadEnter", 0,
                  [](DialogWindow& w) {
                      QTest::keyClick(w.windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
                  },
                  IDOK},
        EndingKey{"Escape", 0,
                  [](DialogWindow& w) { QTest::keyClick(w.windowHandle(), Qt::Key_Escape); },
                  IDCANCEL},
        // Enter presses the focused push button rather than the default one.
        EndingKey{"ReturnOnCancel", IDCANCEL,
                  [](DialogWindow& w) {
                      QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
                      QTest::keyClick(w.windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
                      QTest::keyClick(w.windowHandle(), Qt::Key_Return);
                  },
                  IDCANCEL},
        EndingKey{"CloseBox", 0, [](DialogWindow& w) { w.close(); }, IDCANCEL},
        EndingKey{"ClickOk", 0,
                  [](DialogWindow& w) { QTest::mouseClick(w.ControlWidget(IDOK), Qt::LeftButton); },
                  IDOK}),
    [](const ::testing::TestParamInfo<EndingKey>& info) { return info.param.name; });

TEST_F(QtHostTest, F1ReachesTheHelpCommand) {
    CFieldTestDlg dialog;
    Run(dialog, [](DialogWindow& window) {
        QTest::keyClick(window.windowHandle(), Qt::Key_F1);
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.m_events, std::vector<std::string>{"help"});
}

// ---------------------------------------------------------------------------------------------
// Typing under the field's rules

struct TypingCase {
    const char* name;
    int field;
    std::string initial;
    QString keys; // '\b' is Backspace
    std::string expected;
};

class QtHostTypingTest : public QtHostTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(QtHostTypingTest, KeysLandInTheModelByTheFieldsRules) {
    const TypingCase& typing = GetParam();
    CFieldTestDlg dialog;
    std::string& member = dialog.TextMember(typing.field);
    member = typing.initial;
    std::string modelWhileOpen;
    const int result = Run(dialog, [&](DialogWindow& window) {
        auto* edit = Control<QLineEdit>(window, typing.field);
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 2, edit->height() / 2));
        EXPECT_EQ(window.focusWidget(), edit);
        EXPECT_EQ(window.Dialog().m_hWnd->focus, window.Dialog().m_hWnd->FindChild(typing.field));
        edit->end(false);
        TypeKeys(window.windowHandle(), typing.keys);
        modelWhileOpen = window.Dialog().m_hWnd->FindChild(typing.field)->text;
        EXPECT_EQ(edit->text(), QString::fromLatin1(typing.expected.c_str()));
        QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(modelWhileOpen, typing.expected);
    EXPECT_EQ(member, typing.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, QtHostTypingTest,
    ::testing::Values(TypingCase{"UppercaseLetters", kUpper, "", "abz1-x", "ABZ1-X"},
                      TypingCase{"UppercaseAccented", kUpper, "",
                                 QString::fromLatin1("\xE9\xF7\xFF"), "\xC9\xF7\xFF"},
                      TypingCase{"DigitsOnly", kDigits, "", "1a2 b3.", "123"},
                      TypingCase{"LimitStopsTyping", kLimited, "", "abcdef", "abcd"},
                      TypingCase{"BackspaceMakesRoom", kLimited, "", "abcd\b\bxyz", "abxy"},
                      TypingCase{"LongerShownTextIsOnlyShortened", kLimited, "abcdef", "g\b\b\b",
                                 "abc"},
                      TypingCase{"ReadOnlyRefusesTyping", kReadOnly, "KEEP", "xyz\b", "KEEP"},
                      TypingCase{"EightBitLetters", kLimited, "",
                                 QString::fromLatin1("\xE4\xDF\xA3"), "\xE4\xDF\xA3"},
                      TypingCase{"NoEightBitFormIsRefused", kLimited, "a",
                                 QString::fromUtf8("\u20AC\u4E2Db"), "ab"}),
    [](const ::testing::TestParamInfo<TypingCase>& info) { return info.param.name; });

struct PasteCase {
    const char* name;
    int field;
    std::string initial;
    QString clipboard;
    std::string expected;
};

class QtHostPasteTest : public QtHostTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(QtHostPasteTest, PastingFollowsTheSameRules) {
    const PasteCase& paste = GetParam();
    CFieldTestDlg dialog;
    std::string& member = dialog.TextMember(paste.field);
    member = paste.initial;
    QGuiApplication::clipboard()->setText(paste.clipboard);
    Run(dialog, [&](DialogWindow& window) {
        auto* edit = Control<QLineEdit>(window, paste.field);
        edit->setFocus(Qt::MouseFocusReason);
        edit->end(false);
        QTest::keyClick(window.windowHandle(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    });
    EXPECT_EQ(member, paste.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, QtHostPasteTest,
    ::testing::Values(PasteCase{"Uppercase", kUpper, "x", "abc", "xABC"},
                      PasteCase{"FirstLineOnly", kUpper, "", "ab\ncd", "AB"},
                      PasteCase{"CutAtTheLimit", kLimited, "ab", "123456", "ab12"},
                      PasteCase{"DigitsWithALetterRefused", kDigits, "1", "23x", "1"},
                      PasteCase{"Digits", kDigits, "1", "23", "123"},
                      PasteCase{"ReadOnlyRefused", kReadOnly, "KEEP", "new", "KEEP"},
                      PasteCase{"NoEightBitFormRefused", kLimited, "a",
                                QString::fromUtf8("b\u20AC"), "a"}),
    [](const ::testing::TestParamInfo<PasteCase>& info) { return info.param.name; });

TEST_F(QtHostTest, CutAndTheContextMenuKeepTheRules) {
    CFieldTestDlg dialog;
    dialog.m_strLimited = "abcd";
    dialog.m_strReadOnly = "KEEP";
    Run(dialog, [&](DialogWindow& window) {
        auto* readOnly = Control<RuleLineEdit>(window, kReadOnly);
        readOnly->selectAll();
        EXPECT_FALSE(readOnly->CutToClipboard());
        EXPECT_EQ(readOnly->text(), "KEEP");
        auto* limited = Control<RuleLineEdit>(window, kLimited);
        limited->setFocus(Qt::MouseFocusReason);
        limited->setSelection(1, 2);
        QTest::keyClick(window.windowHandle(), Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "bc");
        EXPECT_EQ(window.Dialog().m_hWnd->FindChild(kLimited)->text, "ad");
        // An edit Qt makes round the rules is put back at once.
        limited->insert("zzzzzz");
        EXPECT_EQ(limited->text(), "ad");
        QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.m_strLimited, "ad");
}

// ---------------------------------------------------------------------------------------------
// Clicks into the message map

TEST_F(QtHostTest, ClicksAndSelectionsReachTheMessageMap) {
    CFieldTestDlg dialog;
    dialog.m_nCombo = 0;
    const int result = Run(dialog, [&](DialogWindow& window) {
        QTest::mouseClick(Control<QCheckBox>(window, kFlag), Qt::LeftButton);
        QTest::mouseClick(Control<QRadioButton>(window, kRadioTwo), Qt::LeftButton);
        // The group keeps one button checked, in the widgets and in the model.
        EXPECT_FALSE(Control<QRadioButton>(window, kRadioOne)->isChecked());
        EXPECT_TRUE(Control<QRadioButton>(window, kRadioTwo)->isChecked());
        QTest::mouseClick(Control<QRadioButton>(window, kRadioTwo), Qt::LeftButton);
        EXPECT_TRUE(Control<QRadioButton>(window, kRadioTwo)->isChecked());

        auto* combo = Control<QComboBox>(window, kCombo);
        combo->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(combo, Qt::Key_Down);

        auto* list = Control<QListWidget>(window, kList);
        const QPoint second = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
        // Ctrl+click on the selected entry leaves it selected, and reports nothing.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, second);
        EXPECT_EQ(list->currentRow(), 1);
        EXPECT_TRUE(list->item(1)->isSelected());
        QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_events, (std::vector<std::string>{"flag 1", "two", "two", "combo 1",
                                                         "select 1", "double Baker"}));
    EXPECT_EQ(dialog.m_bFlag, 1);
    EXPECT_EQ(dialog.m_nKind, 1);
    EXPECT_EQ(dialog.m_nCombo, 1);
}

TEST_F(QtHostTest, HomeInAListWithNoSelectionSelectsTheFirstEntry) {
    // Qt puts the current entry on row 0 when the list takes the focus; Home then does not
    // move, and must still select it, or a keyboard trade would find nothing selected.
    CFieldTestDlg dialog;
    const int result = Run(dialog, [&](DialogWindow& window) {
        auto* list = Control<QListWidget>(window, kList);
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window.windowHandle(), Qt::Key_Home);
        EXPECT_EQ(dialog.m_list.GetCurSel(), 0);
        QTest::keyClick(window.windowHandle(), Qt::Key_End);
        EXPECT_EQ(dialog.m_list.GetCurSel(), 2);
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_events, (std::vector<std::string>{"select 0", "select 2"}));
}

TEST_F(QtHostTest, ModelChangesShowWithoutNotifyingTheDialog) {
    CFieldTestDlg dialog;
    dialog.m_bFlag = 1;
    dialog.m_nKind = 1;
    dialog.m_nCombo = 2;
    Run(dialog, [&](DialogWindow& window) {
        // The show exchange reached the widgets, and none of it came back as a notification.
        EXPECT_TRUE(Control<QCheckBox>(window, kFlag)->isChecked());
        EXPECT_TRUE(Control<QRadioButton>(window, kRadioTwo)->isChecked());
        EXPECT_EQ(Control<QComboBox>(window, kCombo)->currentIndex(), 2);
        CDialog& model = window.Dialog();
        CListBox& list = dialog.m_list;
        list.SetCurSel(2);
        EXPECT_EQ(Control<QListWidget>(window, kList)->currentRow(), 2);
        list.ResetContent();
        EXPECT_EQ(Control<QListWidget>(window, kList)->count(), 0);
        model.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
        EXPECT_FALSE(Control<QPushButton>(window, IDCANCEL)->isEnabled());
        model.GetDlgItem(kLimited)->SetWindowText("set");
        EXPECT_EQ(Control<QLineEdit>(window, kLimited)->text(), "set");
        model.GetDlgItem(kDigits)->SetFocus();
        EXPECT_EQ(window.focusWidget(), window.ControlWidget(kDigits));
        model.SetWindowText("Renamed");
        EXPECT_EQ(window.windowTitle(), "Renamed");
        // Esc finds Cancel disabled and does nothing; Enter ends it.
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
        EXPECT_FALSE(model.IsEnding());
        QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.m_events.empty()) << dialog.m_events.front();
}

// ---------------------------------------------------------------------------------------------
// Eight-bit texts

TEST_F(QtHostTest, EveryHighByteIsShownAndReadBackUnchanged) {
    std::string high;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        high.push_back(static_cast<char>(byte));
    CFieldTestDlg dialog;
    dialog.m_strUpper = high;
    dialog.m_entries = {high};
    QString shown, listed;
    const int result = Run(dialog, [&](DialogWindow& window) {
        shown = Control<QLineEdit>(window, kUpper)->text();
        listed = Control<QListWidget>(window, kList)->item(0)->text();
        QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(shown.size(), 128);
    for (int index = 0; index < 128; ++index)
        EXPECT_EQ(shown[index].unicode(), 0x80 + index);
    EXPECT_EQ(listed, shown);
    EXPECT_EQ(dialog.m_strUpper, high);
}

// ---------------------------------------------------------------------------------------------
// Message boxes

struct BoxCase {
    const char* name;
    UINT type;
    QMessageBox::Icon icon;
    QList<QMessageBox::StandardButton> buttons;
    QMessageBox::StandardButton answer;
    int result;
};

class QtHostMessageBoxTest : public QtHostTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(QtHostMessageBoxTest, ShowsCaptionIconTextAndButtons) {
    const BoxCase& box = GetParam();
    QObject context;
    SeenBox seen;
    AnswerNextBox(context, seen, box.answer);
    QTimer::singleShot(kFallbackMilliseconds, &context, [] {
        if (auto* open = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            open->done(QMessageBox::Cancel);
    });
    const int result =
        m_host.ShowMessageBox(nullptr, "Caf\xE9 <b>closed</b>", "roster-editor", box.type);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.title, "roster-editor");
    EXPECT_EQ(seen.text, QString::fromLatin1("Caf\xE9 <b>closed</b>"));
    EXPECT_EQ(seen.icon, box.icon);
    EXPECT_EQ(seen.buttons.size(), box.buttons.size());
    for (QMessageBox::StandardButton button : box.buttons)
        EXPECT_TRUE(seen.buttons.contains(button)) << button;
    EXPECT_EQ(result, box.result);
}

INSTANTIATE_TEST_SUITE_P(
    Types, QtHostMessageBoxTest,
    ::testing::Values(
        BoxCase{"WarningOk",
                MB_OK | MB_ICONEXCLAMATION,
                QMessageBox::Warning,
                {QMessageBox::Ok},
                QMessageBox::Ok,
                IDOK},
        BoxCase{"StopOk",
                MB_OK | MB_ICONSTOP,
                QMessageBox::Critical,
                {QMessageBox::Ok},
                QMessageBox::Ok,
                IDOK},
        BoxCase{"PlainOk", MB_OK, QMessageBox::NoIcon, {QMessageBox::Ok}, QMessageBox::Ok, IDOK},
        BoxCase{"InformationOkCancel",
                MB_OKCANCEL | MB_ICONINFORMATION,
                QMessageBox::Information,
                {QMessageBox::Ok, QMessageBox::Cancel},
                QMessageBox::Cancel,
                IDCANCEL},
        BoxCase{"QuestionYesNo",
                MB_YESNO | MB_ICONQUESTION,
                QMessageBox::Question,
                {QMessageBox::Yes, QMessageBox::No},
                QMessageBox::No,
                IDNO},
        BoxCase{"QuestionYes",
                MB_YESNO | MB_ICONQUESTION,
                QMessageBox::Question,
                {QMessageBox::Yes, QMessageBox::No},
                QMessageBox::Yes,
                IDYES}),
    [](const ::testing::TestParamInfo<BoxCase>& info) { return info.param.name; });

TEST_F(QtHostTest, ARefusedOkPromptsOverTheDialogAndKeepsItOpen) {
    CFieldTestDlg dialog;
    dialog.m_strLimited = "abcdef"; // longer than its limit: shown whole, refused on OK
    QObject context;
    SeenBox seen;
    QString selected;
    bool stayedOpen = false;
    const QWidget* dialogWindow = nullptr;
    const int result = Run(dialog, [&](DialogWindow& window) {
        dialogWindow = &window;
        AnswerNextBox(context, seen, QMessageBox::Ok);
        QTest::keyClick(window.windowHandle(), Qt::Key_Return);
        stayedOpen = !window.Dialog().IsEnding() && window.isVisible();
        // The refused field has the focus with its whole text selected.
        EXPECT_EQ(window.focusWidget(), window.ControlWidget(kLimited));
        selected = Control<QLineEdit>(window, kLimited)->selectedText();
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    });
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "Please enter no more than 4 characters.");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.owner, dialogWindow) << "the prompt stands over the dialog";
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(selected, "abcdef");
    EXPECT_EQ(result, IDCANCEL);
}

// ---------------------------------------------------------------------------------------------
// Nesting, icons and pictures

/// A dialog whose OK button opens a second dialog first.
class CNestingDlg : public CFieldTestDlg {
public:
    std::function<void()> m_openInner;

protected:
    void OnOK() override {
        if (m_openInner)
            m_openInner();
        CFieldTestDlg::OnOK();
    }
};

TEST_F(QtHostTest, ANestedDialogIsModalOverTheOneBelow) {
    CNestingDlg outer;
    CFieldTestDlg inner;
    int innerResult = 0;
    bool outerBlocked = false;
    outer.m_openInner = [&] {
        innerResult = Run(inner, [&](DialogWindow& window) {
            DialogWindow* below = m_host.Window(outer);
            ASSERT_NE(below, nullptr);
            EXPECT_EQ(window.parentWidget(), below);
            EXPECT_EQ(window.windowModality(), Qt::WindowModal);
            // Keys sent to the window below do not reach it while this one is open.
            QTest::keyClick(below->windowHandle(), Qt::Key_Escape);
            outerBlocked = !outer.IsEnding();
            QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
        });
    };
    const int result = Run(outer, [](DialogWindow& window) {
        QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    });
    EXPECT_EQ(innerResult, IDCANCEL);
    EXPECT_TRUE(outerBlocked);
    EXPECT_EQ(result, IDOK);
}

TEST_F(QtHostTest, TheWindowIconComesFromTheModel) {
    const IconResource icon{128,
                            {IconImage{32, 32, std::vector<std::uint32_t>(32 * 32, 0xFF2040A0u)},
                             IconImage{16, 16, std::vector<std::uint32_t>(16 * 16, 0xFFA04020u)}}};
    const IconResource broken{129, {IconImage{32, 32, std::vector<std::uint32_t>(10, 0)}}};
    CFieldTestDlg dialog;
    Run(dialog, [&](DialogWindow& window) {
        window.Dialog().SetIcon(&icon, TRUE);
        window.Dialog().SetIcon(&icon, FALSE);
        const QIcon shown = window.windowIcon();
        EXPECT_TRUE(shown.availableSizes().contains(QSize(32, 32)));
        EXPECT_TRUE(shown.availableSizes().contains(QSize(16, 16)));
        EXPECT_EQ(shown.pixmap(32, 32).toImage().pixel(5, 5), 0xFF2040A0u);
        EXPECT_EQ(shown.pixmap(16, 16).toImage().pixel(5, 5), 0xFFA04020u);
        // An image whose pixels do not fill it is left out rather than read past its end.
        window.Dialog().SetIcon(&broken, TRUE);
        window.Dialog().SetIcon(nullptr, FALSE);
        EXPECT_TRUE(window.windowIcon().availableSizes().isEmpty());
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    });
}

TEST_F(QtHostTest, ADialogIsSavedAsAPicture) {
    const std::filesystem::path folder = MakeTemporaryFolder();
    ASSERT_FALSE(folder.empty());
    const QString file = QString::fromStdString((folder / "field_test.png").string());
    CFieldTestDlg dialog;
    dialog.m_strUpper = "PICTURE";
    bool saved = false;
    QSize windowSize;
    Run(dialog, [&](DialogWindow& window) {
        saved = m_host.SaveDialogPicture(window.Dialog(), file);
        windowSize = window.size();
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    });
    EXPECT_TRUE(saved);
    const QImage picture(file);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), windowSize);
    // Something is drawn: not every pixel has the background's colour.
    bool varied = false;
    for (int y = 0; y < picture.height() && !varied; ++y)
        for (int x = 0; x < picture.width() && !varied; ++x)
            varied = picture.pixel(x, y) != picture.pixel(0, 0);
    EXPECT_TRUE(varied);
    EXPECT_FALSE(m_host.SaveDialogPicture(dialog, file)) << "the dialog has no window any more";
    std::filesystem::remove_all(folder);
}

TEST_F(QtHostTest, ACloseRequestPostedByAHandlerEndsTheDialogAsCancel) {
    CFieldTestDlg dialog;
    dialog.m_onFlag = [&dialog] { dialog.PostMessage(WM_CLOSE); };
    bool openAfterPost = false;
    const int result = Run(dialog, [&](DialogWindow& window) {
        QTest::mouseClick(window.ControlWidget(kFlag), Qt::LeftButton);
        openAfterPost = !window.Dialog().IsEnding();
    });
    EXPECT_FALSE(openAfterPost) << "the loop delivers what a handler posted";
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_events, std::vector<std::string>{"flag 1"});
}

TEST_F(QtHostTest, ACloseRequestPostedWhileOpeningEndsTheDialogBeforeItShows) {
    CFieldTestDlg dialog;
    dialog.m_postCloseOnInit = true;
    QObject context;
    bool shown = false;
    QTimer::singleShot(0, &context, [&] { shown = m_host.Window(dialog) != nullptr; });
    QTimer::singleShot(kFallbackMilliseconds, &context, [this] { Abandon(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(shown);
    EXPECT_EQ(m_host.TopDialog(), nullptr);
}

} // namespace
