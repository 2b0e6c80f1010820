#include "ui/player_stats_dlg.h"

#include "platform/data_exchange.h"
#include "ui/batter_stats_dlg.h"
#include "ui/pitcher_stats_dlg.h"
#include "ui/res/resource.h"
#include "ui/res/stats_ids.h"

CPlayerStatsDlg::CPlayerStatsDlg(CWnd* pParent) : CDialog(PlayerStatsDialogTemplate(), pParent) {}

void CPlayerStatsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NAME, m_record.m_strName);
    DDV_MaxChars(pDX, m_record.m_strName, 24);
    DDX_Text(pDX, IDC_SOUND_FILE, m_record.m_strSoundFile);
    DDV_MaxChars(pDX, m_record.m_strSoundFile, 7);
    DDX_Text(pDX, IDC_UNIFORM, m_record.m_strUniform);
    DDV_MaxChars(pDX, m_record.m_strUniform, 2);
    DDX_Text(pDX, IDC_SKIN, m_record.m_strSkin);
    DDV_MaxChars(pDX, m_record.m_strSkin, 2);
    DDX_Text(pDX, IDC_FACIAL_HAIR, m_record.m_strFacialHair);
    DDV_MaxChars(pDX, m_record.m_strFacialHair, 2);
    DDX_Text(pDX, IDC_HAIR, m_record.m_strHair);
    DDV_MaxChars(pDX, m_record.m_strHair, 3);
    // Five characters are accepted although the line keeps only the first three.
    DDX_Text(pDX, IDC_HEIGHT, m_record.m_strHeight);
    DDV_MaxChars(pDX, m_record.m_strHeight, 5);
    DDX_Text(pDX, IDC_WEIGHT, m_record.m_nWeight);
    DDV_MinMaxInt(pDX, m_record.m_nWeight, 0, 999);
    DDX_Text(pDX, IDC_BATS, m_record.m_strBats);
    DDV_MaxChars(pDX, m_record.m_strBats, 1);
    DDX_Text(pDX, IDC_THROWS, m_record.m_strThrows);
    DDV_MaxChars(pDX, m_record.m_strThrows, 1);
    DDX_Text(pDX, IDC_GAMES_PLAYED, m_record.m_nGamesPlayed);
    DDV_MinMaxInt(pDX, m_record.m_nGamesPlayed, 0, 999);
    DDX_Text(pDX, IDC_AT_BATS, m_record.m_nAtBats);
    DDV_MinMaxInt(pDX, m_record.m_nAtBats, 0, 999);
    DDX_Text(pDX, IDC_AT_BATS_VS_R, m_record.m_nAtBatsVsR);
    DDV_MinMaxInt(pDX, m_record.m_nAtBatsVsR, 0, 999);
    DDX_Text(pDX, IDC_RUNS, m_record.m_nRuns);
    DDV_MinMaxInt(pDX, m_record.m_nRuns, 0, 999);
    DDX_Text(pDX, IDC_HITS, m_record.m_nHits);
    DDV_MinMaxInt(pDX, m_record.m_nHits, 0, 999);
    DDX_Text(pDX, IDC_HITS_VS_R, m_record.m_nHitsVsR);
    DDV_MinMaxInt(pDX, m_record.m_nHitsVsR, 0, 999);
    DDX_Text(pDX, IDC_DOUBLES, m_record.m_nDoubles);
    DDV_MinMaxInt(pDX, m_record.m_nDoubles, 0, 99);
    DDX_Text(pDX, IDC_TRIPLES, m_record.m_nTriples);
    DDV_MinMaxInt(pDX, m_record.m_nTriples, 0, 99);
    DDX_Text(pDX, IDC_HOME_RUNS, m_record.m_nHomeRuns);
    DDV_MinMaxInt(pDX, m_record.m_nHomeRuns, 0, 99);
    DDX_Text(pDX, IDC_RBI, m_record.m_nRBI);
    DDV_MinMaxInt(pDX, m_record.m_nRBI, 0, 999);
    DDX_Text(pDX, IDC_BB, m_record.m_nBB);
    DDV_MinMaxInt(pDX, m_record.m_nBB, 0, 999);
    DDX_Text(pDX, IDC_STRIKEOUTS, m_record.m_nStrikeouts);
    DDV_MinMaxInt(pDX, m_record.m_nStrikeouts, 0, 999);
    DDX_Text(pDX, IDC_STOLEN_BASES, m_record.m_nStolenBases);
    DDV_MinMaxInt(pDX, m_record.m_nStolenBases, 0, 999);
    DDX_Text(pDX, IDC_PICTURE, m_record.m_strPicture);
    DDV_MaxChars(pDX, m_record.m_strPicture, 6);
}

BOOL CPlayerStatsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const bool batter = m_record.m_nPlayerType == 0;
    GetDlgItem(IDC_EDIT_BAT_STATS)->EnableWindow(batter ? TRUE : FALSE);
    GetDlgItem(IDC_EDIT_PITCH_STATS)->EnableWindow(batter ? FALSE : TRUE);
    return TRUE;
}

// The detail dialogs work on a copy of the detail block and hand back a freshly formatted one
// only on OK. The fields of this dialog are neither read nor written meanwhile, so what the user
// typed into them waits for this dialog's own OK.
void CPlayerStatsDlg::OnEditPitchStats() {
    CPitcherStatsDlg dlg;
    const std::string detail = m_record.m_strDetail;
    dlg.m_record.ParseBlock(detail);
    if (dlg.DoModal() == IDOK)
        m_record.m_strDetail = dlg.m_record.FormatBlock();
}

void CPlayerStatsDlg::OnEditBatStats() {
    CBatterStatsDlg dlg;
    const std::string detail = m_record.m_strDetail;
    dlg.m_record.ParseBlock(detail);
    if (dlg.DoModal() == IDOK)
        m_record.m_strDetail = dlg.m_record.FormatBlock();
}

BEGIN_MESSAGE_MAP(CPlayerStatsDlg, CDialog)
ON_BN_CLICKED(IDC_EDIT_PITCH_STATS, OnEditPitchStats)
ON_BN_CLICKED(IDC_EDIT_BAT_STATS, OnEditBatStats)
END_MESSAGE_MAP()
