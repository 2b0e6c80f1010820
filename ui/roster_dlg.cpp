#include "ui/roster_dlg.h"

#include "platform/data_exchange.h"
#include "ui/about_dlg.h"
#include "ui/player_stats_dlg.h"
#include "ui/res/resource.h"
#include "ui/res/roster_ids.h"

#include <string>

namespace {

/// The slot of a list's selected entry, or -1 when nothing is selected.
int SelectedSlot(const CListBox& list) {
    const int index = list.GetCurSel();
    if (index == LB_ERR)
        return -1;
    return static_cast<int>(list.GetItemData(index));
}

std::string TooFewLinesMessage(const std::string& fileName, int linesFound) {
    return fileName + " holds " + std::to_string(linesFound) +
           (linesFound == 1 ? " player line" : " player lines") + "; a roster needs " +
           std::to_string(STORED_SLOTS) + ". The file was not changed.";
}

std::string ZeroByteMessage(const std::string& fileName, unsigned long long offset) {
    return fileName + " holds a zero byte at byte " + std::to_string(offset) +
           ", inside its player lines, and cannot be edited safely. The file was not changed.";
}

std::string OutOfMemoryMessage(const std::string& fileName) {
    return "There is not enough memory to load " + fileName + ". The file was not changed.";
}

} // namespace

CRosterDlg::CRosterDlg(CWnd* pParent)
    : CDialog(RosterDialogTemplate(), pParent), m_nLeftTeam(0), m_nType(TYPE_BATTERS),
      m_nRightTeam(1), m_hIcon(&MainFrameIcon()) {}

CRosterDlg::~CRosterDlg() = default;

void CRosterDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RIGHT_LIST, m_rightList);
    DDX_Control(pDX, IDC_LEFT_LIST, m_leftList);
    DDX_CBIndex(pDX, IDC_LEFT_TEAM, m_nLeftTeam);
    DDX_Radio(pDX, IDC_BATTERS, m_nType);
    DDX_CBIndex(pDX, IDC_RIGHT_TEAM, m_nRightTeam);
}

BEGIN_MESSAGE_MAP(CRosterDlg, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_CBN_SELCHANGE(IDC_LEFT_TEAM, OnViewChange)
ON_BN_CLICKED(IDC_BATTERS, OnViewChange)
ON_BN_CLICKED(IDC_PITCHERS, OnViewChange)
ON_LBN_DBLCLK(IDC_LEFT_LIST, OnDblclkLeftList)
ON_BN_CLICKED(IDC_TRADE, OnTrade)
ON_LBN_DBLCLK(IDC_RIGHT_LIST, OnDblclkRightList)
ON_CBN_SELCHANGE(IDC_RIGHT_TEAM, OnViewChange)
ON_BN_CLICKED(IDC_ABOUT, OnAbout)
END_MESSAGE_MAP()

BOOL CRosterDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    bool loaded = false;
    try {
        loaded = m_store.Load();
    } catch (const CFileException& error) {
        // A read error after the open: the store holds nothing and the file is closed again.
        MessageBox(error.GetErrorMessage(), nullptr, MB_OK | MB_ICONSTOP);
        PostMessage(WM_CLOSE);
        return TRUE;
    }
    if (!loaded) {
        ReportLoadFailure();
        // The close arrives as Cancel once the box is gone; the lists stay empty.
        PostMessage(WM_CLOSE);
        return TRUE;
    }

    FillLists();
    return TRUE;
}

void CRosterDlg::ReportLoadFailure() {
    switch (m_store.GetLoadFailure()) {
    case LoadFailure::TooFewLines:
        MessageBox(TooFewLinesMessage(m_store.GetFileName(), m_store.GetLinesFound()), nullptr,
                   MB_OK | MB_ICONSTOP);
        break;
    case LoadFailure::ZeroByte:
        MessageBox(ZeroByteMessage(m_store.GetFileName(), m_store.GetZeroByteOffset()), nullptr,
                   MB_OK | MB_ICONSTOP);
        break;
    case LoadFailure::OutOfMemory:
        MessageBox(OutOfMemoryMessage(m_store.GetFileName()), nullptr, MB_OK | MB_ICONSTOP);
        break;
    case LoadFailure::CannotOpen:
    case LoadFailure::None:
        MessageBox("Can't open rosters.txt", nullptr, MB_OK);
        break;
    }
}

void CRosterDlg::FillLists() {
    FillList(m_leftList, m_nLeftTeam, ListSide::Left);
    FillList(m_rightList, m_nRightTeam, ListSide::Right);
}

void CRosterDlg::FillList(CListBox& list, int team, ListSide side) {
    list.ResetContent();
    // A roster that failed to load shows nothing, whatever asks for a refill.
    if (!m_store.IsLoaded())
        return;
    const ViewRange range = GetViewRange(team, m_nType);
    for (int slot = range.first; slot < range.end; ++slot) {
        const int index = list.AddString(FormatEntry(m_store, slot, side));
        list.SetItemData(index, static_cast<DWORD_PTR>(slot));
    }
}

void CRosterDlg::OnOK() {
    // Only a roster loaded whole may go back to the file; without one, OK closes as Cancel.
    if (!m_store.IsLoaded()) {
        OnCancel();
        return;
    }
    // A file error leaves from here, before the dialog ends: the window stays open and the
    // framework reports it.
    m_store.Save();
    CDialog::OnOK();
}

void CRosterDlg::PostNcDestroy() {
    m_store.Close();
    CDialog::PostNcDestroy();
}

void CRosterDlg::OnPaint() {
    if (!IsIconic()) {
        DefWindowProc(WM_PAINT);
        return;
    }
    // Only a minimised window paints its icon, and this one has no minimise box. Should it ever
    // be minimised, the background behind the icon is erased; the framework has no call to
    // measure the client area or draw an icon into it, so the icon itself is left to the host.
    SendMessage(WM_ICONERASEBKGND);
}

HCURSOR CRosterDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CRosterDlg::OnViewChange() {
    UpdateData(TRUE);
    FillLists();
}

void CRosterDlg::OnTrade() {
    UpdateData(TRUE);
    m_store.Trade(SelectedSlot(m_leftList), SelectedSlot(m_rightList));
    FillLists();
}

void CRosterDlg::OnDblclkLeftList() {
    EditSelectedPlayer(ListSide::Left);
}

void CRosterDlg::OnDblclkRightList() {
    EditSelectedPlayer(ListSide::Right);
}

void CRosterDlg::EditSelectedPlayer(ListSide side) {
    UpdateData(TRUE);
    const bool left = side == ListSide::Left;
    // The TEMP team's players are placeholders: they open nothing and nothing is refilled.
    if (!CanEdit(left ? m_nLeftTeam : m_nRightTeam))
        return;
    CListBox& list = left ? m_leftList : m_rightList;
    const int slot = SelectedSlot(list);
    if (slot < 0)
        return;

    CPlayerStatsDlg dlg;
    dlg.m_record.ParseLine(m_store.GetLine(slot), m_nType);
    if (dlg.DoModal() == IDOK) {
        // Nothing refilled the list while the dialog ran, so this is the same slot.
        const int editedSlot = SelectedSlot(list);
        if (editedSlot >= 0)
            m_store.SetLine(editedSlot, dlg.m_record.FormatLine());
    }
    FillLists();
}

void CRosterDlg::OnAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}
