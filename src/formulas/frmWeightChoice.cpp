#include "frmWeightChoice.h"

#include <QVBoxLayout>

TESSIVAL_FORM(frmWeightChoice);

frmWeightChoice::frmWeightChoice() {
    setWindowTitle(QStringLiteral("Molecular Weight Calculations"));
    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setMinimumWidth(220);
        return b;
    };
    cmdCalculateWeight = button("cmdCalculateWeight", QStringLiteral("Calculate MolecularWeight"));
    cmdCalculate = button("cmdCalculate", QStringLiteral("Weight Calculations"));
    cmdClose = button("cmdClose", QStringLiteral("Close"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(cmdCalculateWeight);
    v->addWidget(cmdCalculate);
    v->addWidget(cmdClose);
    setCancelButton(cmdClose);
    connect(cmdCalculateWeight, &QPushButton::clicked, this, &frmWeightChoice::cmdCalculateWeight_Click);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmWeightChoice::cmdCalculate_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmWeightChoice::cmdClose_Click);
}

void frmWeightChoice::Form_Load() {
    setFixedBorder();
    cmdCalculateWeight->setFocus();
}

void frmWeightChoice::cmdCalculateWeight_Click() {
    Forms::unload(this);
    Forms::show(QStringLiteral("frmWeights"));
}

void frmWeightChoice::cmdCalculate_Click() {
    Forms::unload(this);
    Forms::show(QStringLiteral("frmWeightCalculations"));
}

void frmWeightChoice::cmdClose_Click() { Forms::unload(this); }
