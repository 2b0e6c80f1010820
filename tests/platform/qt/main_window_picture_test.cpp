// The main window rendered by the Qt host, saved as the picture README.md shows. With
// ROSTER_PICTURE set the picture goes to that path (`make picture`); otherwise to a temporary
// folder. Either way the test checks that a real window was drawn and the roster untouched.
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_host.h"
#include "tests/support/ui_fixture.h"
#include "ui/roster_dlg.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr int FALLBACK_MILLISECONDS = 10000;

std::string ReadSample() {
    std::ifstream in(std::filesystem::path(ROSTER_SOURCE_DIR) / "data" / "rosters.txt",
                     std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(MainWindowPicture, IsDrawnFromTheSampleRosterWithoutTouchingIt) {
    const std::string sample = ReadSample();
    ASSERT_EQ(sample.size(), 120150u);
    ui_fixture::CRosterFolder folder(sample);
    const QString path = qEnvironmentVariableIsSet("ROSTER_PICTURE")
                             ? qEnvironmentVariable("ROSTER_PICTURE")
                             : QString::fromStdString((folder.GetPath() / "main.png").string());

    QtHost host;
    AfxSetHost(&host);
    QObject context;
    bool saved = false;
    QSize windowSize;
    CRosterDlg dialog;
    QTimer::singleShot(0, &context, [&] {
        DialogWindow* window = host.Window(dialog);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        windowSize = window->size();
        saved = host.SaveDialogPicture(dialog, path);
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
    });
    QTimer::singleShot(FALLBACK_MILLISECONDS, &context, [&] {
        ADD_FAILURE() << "the main window was still open";
        while (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->done(QMessageBox::Cancel);
        dialog.EndDialog(IDCANCEL);
        host.DeliverPostedAndEndLoops();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    AfxSetHost(nullptr);

    ASSERT_TRUE(saved);
    const QImage picture(path);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size() / picture.devicePixelRatio(), windowSize);
    // A drawn window has text, frames and a selection colour, not one flat colour.
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2)
            colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 8);
    EXPECT_EQ(folder.ReadRoster(), sample);
}

} // namespace
