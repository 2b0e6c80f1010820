// The Player Stats dialog: edits the common fields of one player line.
#pragma once

#include "platform/dialog.h"
#include "records/player_record.h"

class CPlayerStatsDlg : public CDialog {
public:
    explicit CPlayerStatsDlg(CWnd* pParent = nullptr);

    CPlayerRecord m_record;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnEditPitchStats();
    void OnEditBatStats();

    DECLARE_MESSAGE_MAP()
};
