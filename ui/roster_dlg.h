// The main roster window: two team views side by side, trading, and the way into editing.
#pragma once

#include "platform/controls.h"
#include "platform/dialog.h"
#include "roster/roster_store.h"
#include "roster/team_view.h"

/// Owns the roster store for its whole life: loads rosters.txt when it opens, saves it on OK and
/// closes it when its window is destroyed.
class CRosterDlg : public CDialog {
public:
    /// Starts with ANGELS on the left, ORIOLES on the right, batters shown, the store Empty.
    explicit CRosterDlg(CWnd* pParent = nullptr);
    ~CRosterDlg() override;

    CRosterStore m_store;
    CListBox m_rightList;
    CListBox m_leftList;
    int m_nLeftTeam;
    int m_nType;
    int m_nRightTeam;
    HICON m_hIcon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    /// Saves the roster first; a file error leaves the window open.
    void OnOK() override;

    /// Refills both lists from the chosen teams and player type, the left list first.
    void FillLists();

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnViewChange();
    void OnDblclkLeftList();
    void OnTrade();
    void OnDblclkRightList();
    void OnAbout();

    DECLARE_MESSAGE_MAP()

private:
    /// Tells the user why the roster could not be loaded.
    void ReportLoadFailure();
    void FillList(CListBox& list, int team, ListSide side);
    /// Opens the player selected in one list in the Player Stats dialog.
    void EditSelectedPlayer(ListSide side);
};
