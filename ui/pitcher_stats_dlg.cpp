#include "ui/pitcher_stats_dlg.h"

#include "platform/data_exchange.h"
#include "ui/res/resource.h"
#include "ui/res/stats_ids.h"

CPitcherStatsDlg::CPitcherStatsDlg(CWnd* pParent)
    : CDialog(PitcherStatsDialogTemplate(), pParent) {}

CPitcherStatsDlg::~CPitcherStatsDlg() = default;

void CPitcherStatsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WINS, m_record.m_nWins);
    DDV_MinMaxInt(pDX, m_record.m_nWins, 0, 99);
    DDX_Text(pDX, IDC_LOSSES, m_record.m_nLosses);
    DDV_MinMaxInt(pDX, m_record.m_nLosses, 0, 99);
    DDX_Text(pDX, IDC_EARNED_RUNS, m_record.m_nEarnedRuns);
    DDV_MinMaxInt(pDX, m_record.m_nEarnedRuns, 0, 999);
    DDX_Text(pDX, IDC_INNINGS_PITCHED, m_record.m_nInningsPitched);
    DDV_MinMaxInt(pDX, m_record.m_nInningsPitched, 0, 999);
    // Thirds of an inning beyond the whole innings.
    DDX_Text(pDX, IDC_THIRD, m_record.m_nThird);
    DDV_MinMaxInt(pDX, m_record.m_nThird, 0, 2);
    DDX_Text(pDX, IDC_GAMES, m_record.m_nGames);
    DDV_MinMaxInt(pDX, m_record.m_nGames, 0, 99);
    DDX_Text(pDX, IDC_COMPLETE_GAMES, m_record.m_nCompleteGames);
    DDV_MinMaxInt(pDX, m_record.m_nCompleteGames, 0, 99);
    DDX_Text(pDX, IDC_SAVES, m_record.m_nSaves);
    DDV_MinMaxInt(pDX, m_record.m_nSaves, 0, 99);
    DDX_Text(pDX, IDC_HITS_ALLOWED, m_record.m_nHitsAllowed);
    DDV_MinMaxInt(pDX, m_record.m_nHitsAllowed, 0, 999);
    DDX_Text(pDX, IDC_WALKS, m_record.m_nWalks);
    DDV_MinMaxInt(pDX, m_record.m_nWalks, 0, 999);
    DDX_Text(pDX, IDC_STRIKE_OUTS, m_record.m_nStrikeOuts);
    DDV_MinMaxInt(pDX, m_record.m_nStrikeOuts, 0, 999);
    DDX_Text(pDX, IDC_FASTBALL, m_record.m_nFastball);
    DDV_MinMaxInt(pDX, m_record.m_nFastball, 0, 9);
    DDX_Text(pDX, IDC_CURVE, m_record.m_nCurve);
    DDV_MinMaxInt(pDX, m_record.m_nCurve, 0, 9);
    DDX_Text(pDX, IDC_SLIDER, m_record.m_nSlider);
    DDV_MinMaxInt(pDX, m_record.m_nSlider, 0, 9);
    DDX_Text(pDX, IDC_SPECIALTY_PITCH, m_record.m_nSpecialtyPitch);
    DDV_MinMaxInt(pDX, m_record.m_nSpecialtyPitch, 0, 9);
    DDX_Text(pDX, IDC_SP_RATING, m_record.m_nSpRating);
    DDV_MinMaxInt(pDX, m_record.m_nSpRating, 0, 9);
    DDX_Text(pDX, IDC_STAMINA, m_record.m_nStamina);
    DDV_MinMaxInt(pDX, m_record.m_nStamina, 0, 9);
    DDX_Text(pDX, IDC_ACCURACY, m_record.m_nAccuracy);
    DDV_MinMaxInt(pDX, m_record.m_nAccuracy, 0, 9);
    DDX_Text(pDX, IDC_FIELDING, m_record.m_nFielding);
    DDV_MinMaxInt(pDX, m_record.m_nFielding, 0, 9);
    DDX_Text(pDX, IDC_PICK_OFF, m_record.m_nPickOff);
    DDV_MinMaxInt(pDX, m_record.m_nPickOff, 0, 9);
    DDX_Text(pDX, IDC_BAT, m_record.m_nBat);
    DDV_MinMaxInt(pDX, m_record.m_nBat, 0, 9);
    DDX_Text(pDX, IDC_BUNT, m_record.m_nBunt);
    DDV_MinMaxInt(pDX, m_record.m_nBunt, 0, 9);
    DDX_Text(pDX, IDC_INJURY, m_record.m_nInjury);
    DDV_MinMaxInt(pDX, m_record.m_nInjury, 0, 9);
}

// No entries: everything goes to CDialog.
BEGIN_MESSAGE_MAP(CPitcherStatsDlg, CDialog)
END_MESSAGE_MAP()
