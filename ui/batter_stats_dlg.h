// The Batter Stats dialog: edits a batter's position, alternate positions and ratings.
#pragma once

#include "platform/dialog.h"
#include "records/batter_record.h"

class CBatterStatsDlg : public CDialog {
public:
    explicit CBatterStatsDlg(CWnd* pParent = nullptr);
    ~CBatterStatsDlg() override;

    /// The edited block; the caller formats it only when DoModal returns IDOK.
    CBatterRecord m_record;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
