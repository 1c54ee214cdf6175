// Saving and loading the entry file.
#include "CEntryDlg.h"

void CEntryDlg::OnSave() {}
void CEntryDlg::OnLoad() {}
