#include "frmTableChoice.h"

#include <QVBoxLayout>

TESSIVAL_FORM(frmTableChoice);

frmTableChoice::frmTableChoice() {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Versions of Periodic Table"));
    auto* v = new QVBoxLayout(this);
    v->setSpacing(6);
    v->setContentsMargins(24, 16, 24, 16);
    auto button = [this, v](const char* name, const char* caption, void (frmTableChoice::*handler)()) {
        auto* b = new QPushButton(QLatin1String(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setMinimumSize(200, 30);
        connect(b, &QPushButton::clicked, this, handler);
        v->addWidget(b);
        return b;
    };
    cmdRegular = button("cmdRegular", "Regular Periodic Table", &frmTableChoice::cmdRegular_Click);
    cmdAtomicRadii = button("cmdAtomicRadii", "Atomic Radii Table", &frmTableChoice::cmdAtomicRadii_Click);
    cmdElectronegativity =
        button("cmdElectronegativity", "Electronegativity Table", &frmTableChoice::cmdElectronegativity_Click);
    cmdAffinity = button("cmdAffinity", "Affinity Table", &frmTableChoice::cmdAffinity_Click);
    cmdIonization = button("cmdIonization", "Ionization Table", &frmTableChoice::cmdIonization_Click);
    cmdDensity = button("cmdDensity", "Density Table", &frmTableChoice::cmdDensity_Click);
    cmdBoing = button("cmdBoing", "Boiling Point Table", &frmTableChoice::cmdBoing_Click);
    v->addSpacing(8);
    cmdCancel = button("cmdCancel", "Cancel", &frmTableChoice::cmdCancel_Click);
    setCancelButton(cmdCancel);
}

void frmTableChoice::Form_Load() {
    setDefaultButton(cmdRegular);
    cmdRegular->setDefault(true);
    setFixedBorder();
}

// The chooser stays shown behind the window it opens.
void frmTableChoice::cmdRegular_Click() { Forms::show(QStringLiteral("frmPeriodic")); }
void frmTableChoice::cmdAtomicRadii_Click() { Forms::show(QStringLiteral("frmPTable2")); }
void frmTableChoice::cmdElectronegativity_Click() { Forms::show(QStringLiteral("frmPTable3")); }
void frmTableChoice::cmdAffinity_Click() { Forms::show(QStringLiteral("frmPTable4")); }
void frmTableChoice::cmdIonization_Click() { Forms::show(QStringLiteral("frmPTable5")); }
void frmTableChoice::cmdDensity_Click() { Forms::show(QStringLiteral("frmPTable6")); }
void frmTableChoice::cmdBoing_Click() { Forms::show(QStringLiteral("frmPTable7")); }

void frmTableChoice::cmdCancel_Click() {
    Forms::unload(this);
    Forms::show(QStringLiteral("frmMain"));
}
