#include "CImportDlg.h"
