#include "ui/batter_stats_dlg.h"

#include "platform/data_exchange.h"
#include "ui/res/resource.h"
#include "ui/res/stats_ids.h"

CBatterStatsDlg::CBatterStatsDlg(CWnd* pParent) : CDialog(BatterStatsDialogTemplate(), pParent) {}

CBatterStatsDlg::~CBatterStatsDlg() = default;

void CBatterStatsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_POSITION, m_record.m_strPosition);
    DDV_MaxChars(pDX, m_record.m_strPosition, 2);
    // Shown and checked only: FormatBlock recomputes the number from the check boxes.
    DDX_Text(pDX, IDC_ALT_POSITION, m_record.m_nAltPosition);
    DDV_MinMaxInt(pDX, m_record.m_nAltPosition, 0, 255);
    DDX_Text(pDX, IDC_BAT_VS_R, m_record.m_nBatVsR);
    DDV_MinMaxInt(pDX, m_record.m_nBatVsR, 0, 9);
    DDX_Text(pDX, IDC_POWER_VS_R, m_record.m_nPowerVsR);
    DDV_MinMaxInt(pDX, m_record.m_nPowerVsR, 0, 9);
    DDX_Text(pDX, IDC_BAT_VS_L, m_record.m_nBatVsL);
    DDV_MinMaxInt(pDX, m_record.m_nBatVsL, 0, 9);
    DDX_Text(pDX, IDC_POWER_VS_L, m_record.m_nPowerVsL);
    DDV_MinMaxInt(pDX, m_record.m_nPowerVsL, 0, 9);
    DDX_Text(pDX, IDC_BUNT, m_record.m_nBunt);
    DDV_MinMaxInt(pDX, m_record.m_nBunt, 0, 9);
    DDX_Text(pDX, IDC_SPEED, m_record.m_nSpeed);
    DDV_MinMaxInt(pDX, m_record.m_nSpeed, 0, 9);
    DDX_Text(pDX, IDC_GLOVE, m_record.m_nGlove);
    DDV_MinMaxInt(pDX, m_record.m_nGlove, 0, 9);
    DDX_Text(pDX, IDC_ARM, m_record.m_nArm);
    DDV_MinMaxInt(pDX, m_record.m_nArm, 0, 9);
    DDX_Text(pDX, IDC_ACCURACY, m_record.m_nAccuracy);
    DDV_MinMaxInt(pDX, m_record.m_nAccuracy, 0, 9);
    DDX_Text(pDX, IDC_FUNDAMENTAL, m_record.m_nFundamental);
    DDV_MinMaxInt(pDX, m_record.m_nFundamental, 0, 9);
    DDX_Text(pDX, IDC_INJURY, m_record.m_nInjury);
    DDV_MinMaxInt(pDX, m_record.m_nInjury, 0, 9);
    DDX_Check(pDX, IDC_ALT_1B, m_record.m_bAlt1B);
    DDX_Check(pDX, IDC_ALT_2B, m_record.m_bAlt2B);
    DDX_Check(pDX, IDC_ALT_3B, m_record.m_bAlt3B);
    DDX_Check(pDX, IDC_ALT_C, m_record.m_bAltC);
    DDX_Check(pDX, IDC_ALT_OF, m_record.m_bAltOF);
    DDX_Check(pDX, IDC_ALT_SS, m_record.m_bAltSS);
    DDX_Text(pDX, IDC_STYLE, m_record.m_nStyle);
    DDV_MinMaxInt(pDX, m_record.m_nStyle, 0, 9);
    DDX_Text(pDX, IDC_PLAYABILITY, m_record.m_nPlayability);
    DDV_MinMaxInt(pDX, m_record.m_nPlayability, 0, 9);
}

// No entries: everything goes to CDialog.
BEGIN_MESSAGE_MAP(CBatterStatsDlg, CDialog)
END_MESSAGE_MAP()
