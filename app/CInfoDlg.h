#pragma once
// The about box: the icon, the program's name and version, OK.

#include <QDialog>

class CInfoDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CInfoDlg(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
