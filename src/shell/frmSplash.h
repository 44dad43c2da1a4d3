#pragma once
#include "platform/Forms.h"

#include <QFrame>
#include <QLabel>

class frmSplash : public Form {
    Q_OBJECT
public:
    frmSplash();
    void Form_Load() override;
    bool Form_KeyPress(QChar c) override;

    QFrame* Frame1;
    QLabel* imgLogo;
    QLabel* lblCompanyProduct;
    QLabel* lblProductName;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;
};
