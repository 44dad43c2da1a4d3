#pragma once
// The reference-table viewers, one window kind per table.
#include "TableViewerForm.h"

class frmConstants : public TableViewerForm {
    Q_OBJECT
public:
    frmConstants();
};

class frmSpecificHeats : public TableViewerForm {
    Q_OBJECT
public:
    frmSpecificHeats();
};

class frmSolConstants : public TableViewerForm {
    Q_OBJECT
public:
    frmSolConstants();
};

class frmIonization : public TableViewerForm {
    Q_OBJECT
public:
    frmIonization();
};

class frmThermodynamics : public TableViewerForm {
    Q_OBJECT
public:
    frmThermodynamics();
};

class frmVaporPressure : public TableViewerForm {
    Q_OBJECT
public:
    frmVaporPressure();
};

class frmStandard : public TableViewerForm {
    Q_OBJECT
public:
    frmStandard();
    QLabel* Label2;  // the heading
};

class frmEnthalpies : public TableViewerForm {
    Q_OBJECT
public:
    frmEnthalpies();
};

class frmelectronegativities : public TableViewerForm {
    Q_OBJECT
public:
    frmelectronegativities();
};

class frmRadii : public TableViewerForm {
    Q_OBJECT
public:
    frmRadii();
};

class frmBonds : public TableViewerForm {
    Q_OBJECT
public:
    frmBonds();
};

class frmExtraData : public TableViewerForm {
    Q_OBJECT
public:
    frmExtraData();
};

class frmExtra2 : public TableViewerForm {
    Q_OBJECT
public:
    frmExtra2();
};

class frmAffinities : public TableViewerForm {
    Q_OBJECT
public:
    frmAffinities();
};

class frmCharacter : public TableViewerForm {
    Q_OBJECT
public:
    frmCharacter();
};

class frmHalfLives : public TableViewerForm {
    Q_OBJECT
public:
    frmHalfLives();
};
