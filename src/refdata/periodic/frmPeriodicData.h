#pragma once
// The data sheet of one element, read from its GeneralInfo row.
#include "platform/Forms.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class frmPeriodicData : public Form {
    Q_OBJECT
public:
    frmPeriodicData();
    void Form_Load() override;
    // Empties the boxes and fills them for SelectedSymbol.
    void FillSheet();

    void cmdPrint_Click();
    void cmdCancel_Click();

    QLineEdit* Text[15] = {};  // Text[1] to Text[14]; Text[0] unused
    QLabel* Label[15] = {};
    QPushButton* cmdPrint;
    QPushButton* cmdCancel;
};
