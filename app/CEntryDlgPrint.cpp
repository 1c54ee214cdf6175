#include "CEntryDlg.h"

void CEntryDlg::OnPrint() {}
void CEntryDlg::OnSavePdf() {}
