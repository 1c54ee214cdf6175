// The hidden test-mail action.
#include "CEntryDlg.h"

void CEntryDlg::OnSend() {}
