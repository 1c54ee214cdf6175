#include "CEntryDlg.h"

void CEntryDlg::OnImport() {}
