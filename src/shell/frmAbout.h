#pragma once
#include "platform/Forms.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

class frmAbout : public Form {
    Q_OBJECT
public:
    frmAbout();
    void Form_Load() override;
    void cmdOk_Click();
    void cmdSysInfo_Click();
    void StartSystemInfo();

    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QFrame* Line1;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};
