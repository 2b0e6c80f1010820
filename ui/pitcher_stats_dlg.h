// The Pitcher Stats dialog: edits a pitcher's statistics and ratings.
#pragma once

#include "platform/dialog.h"
#include "records/pitcher_record.h"

class CPitcherStatsDlg : public CDialog {
public:
    explicit CPitcherStatsDlg(CWnd* pParent = nullptr);
    ~CPitcherStatsDlg() override;

    /// The edited block; the caller formats it only when DoModal returns IDOK.
    CPitcherRecord m_record;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
