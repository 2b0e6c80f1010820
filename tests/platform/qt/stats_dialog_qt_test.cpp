// The editing dialogs on the Qt host with real widgets and key events: Player Stats opened on a
// pitcher's line, a field typed, Pitcher Stats opened from the keyboard, OK in both.
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_host.h"
#include "ui/player_stats_dlg.h"
#include "ui/res/stats_ids.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

constexpr char PITCHER_LINE[] =
    "Ezra;Quill              # EQUILL  31 S1 F0 H12 6-3 210 L L 034 012 "
    "009 001 002 001 00 00 00 001 000 005 000 EQUI01 "
    "12 07 065 180 2 30 02 00 160 044 150 8 7 6 5 4 7 8 6 5 2 3 1";

// Whatever is still open this long after the test started is ended, and the test fails.
constexpr int FALLBACK_MILLISECONDS = 10000;
constexpr int ABANDONED = -99;

class StatsDialogQtTest : public ::testing::Test {
protected:
    void SetUp() override { AfxSetHost(&m_host); }
    void TearDown() override { AfxSetHost(nullptr); }

    /// Acts in the dialog with this caption once it is the active modal window. The context
    /// object ends the call with the test, so it can never fire inside a later one.
    void WhenOpen(const std::string& caption, std::function<void(DialogWindow&)> user) {
        QTimer::singleShot(0, &m_context, [this, caption, user = std::move(user)] {
            CDialog* top = m_host.TopDialog();
            DialogWindow* window = top != nullptr ? m_host.Window(*top) : nullptr;
            if (window == nullptr || QApplication::activeModalWidget() != window ||
                top->GetTemplate().caption != caption) {
                ADD_FAILURE() << "\"" << caption << "\" is not the active modal window";
                return;
            }
            user(*window);
        });
    }

    /// Bounds the test: ends every box and dialog still open after the fallback delay.
    void ArmFallback() {
        QTimer::singleShot(FALLBACK_MILLISECONDS, &m_context, [this] {
            ADD_FAILURE() << "a dialog was still open after " << FALLBACK_MILLISECONDS << " ms";
            while (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->done(QMessageBox::Cancel);
            while (CDialog* dialog = m_host.TopDialog()) {
                dialog->EndDialog(ABANDONED);
                m_host.DeliverPostedAndEndLoops();
                if (m_host.TopDialog() == dialog)
                    break; // its loop ends once this timer returns
            }
        });
    }

    QtHost m_host;
    QObject m_context;
};

void Keys(DialogWindow& window, const char* keys) {
    for (const char* key = keys; *key != '\0'; ++key)
        QTest::keyClick(window.windowHandle(), *key);
}

void PressKey(DialogWindow& window, Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(window.windowHandle(), key);
}

QString FieldText(DialogWindow& window, int id) {
    auto* edit = qobject_cast<QLineEdit*>(window.ControlWidget(id));
    return edit != nullptr ? edit->text() : QStringLiteral("(no edit field)");
}

int FocusedControl(DialogWindow& window) {
    const QWidget* focus = window.focusWidget();
    for (const auto& child : window.Dialog().m_hWnd->children)
        if (window.ControlWidget(*child) == focus)
            return child->id;
    return 0;
}

TEST_F(StatsDialogQtTest, APitcherEditedThroughBothDialogsWithTheKeyboard) {
    CPlayerStatsDlg dlg;
    dlg.m_record.ParseLine(PITCHER_LINE, 1);
    bool innerSeen = false;
    bool outerSeen = false;

    ArmFallback();
    WhenOpen("Player Stats", [&](DialogWindow& window) {
        outerSeen = true;
        EXPECT_FALSE(window.ControlWidget(IDC_EDIT_BAT_STATS)->isEnabled());
        EXPECT_TRUE(window.ControlWidget(IDC_EDIT_PITCH_STATS)->isEnabled());
        EXPECT_EQ(FocusedControl(window), IDC_NAME);

        // "Strikeouts:" is the 22nd field; tabbing into it selects its text, which "6" replaces.
        PressKey(window, Qt::Key_Tab, 21);
        ASSERT_EQ(FocusedControl(window), IDC_STRIKEOUTS);
        Keys(window, "6");
        EXPECT_EQ(FieldText(window, IDC_STRIKEOUTS), "6");

        // On past "Stolen Bases:", "Picture:" and the disabled "Edit Bat Stats".
        PressKey(window, Qt::Key_Tab, 3);
        ASSERT_EQ(FocusedControl(window), IDC_EDIT_PITCH_STATS);
        WhenOpen("Pitcher Stats", [&](DialogWindow& inner) {
            innerSeen = true;
            EXPECT_EQ(FocusedControl(inner), IDC_WINS);
            EXPECT_EQ(FieldText(inner, IDC_WINS), "12");
            EXPECT_EQ(FieldText(inner, IDC_INNINGS_PITCHED), "180");
            // Letters do not reach a digits-only field.
            PressKey(inner, Qt::Key_Tab);
            PressKey(inner, Qt::Key_Backtab);
            Keys(inner, "x13");
            EXPECT_EQ(FieldText(inner, IDC_WINS), "13");
            PressKey(inner, Qt::Key_Return);
        });
        // Return on a focused push button presses it: the nested dialog runs until it ends.
        PressKey(window, Qt::Key_Return);
        EXPECT_TRUE(innerSeen);
        EXPECT_EQ(dlg.m_record.m_strDetail,
                  "13 07 065 180 2 30 02 00 160 044 150 8 7 6 5 4 7 8 6 5 2 3 1");
        EXPECT_EQ(FieldText(window, IDC_STRIKEOUTS), "6") << "typed text survives the detail";
        EXPECT_EQ(dlg.m_record.m_nStrikeouts, 5) << "nothing exchanged before OK";

        QTest::mouseClick(window.ControlWidget(IDOK), Qt::LeftButton);
    });

    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(outerSeen);
    EXPECT_EQ(dlg.m_record.FormatLine(),
              "Ezra;Quill              # EQUILL  31 S1 F0 H12 6-3 210 L L 034 012 009 001 002 001 "
              "00 00 00 001 000 006 000 EQUI01 "
              "13 07 065 180 2 30 02 00 160 044 150 8 7 6 5 4 7 8 6 5 2 3 1");
}

} // namespace
