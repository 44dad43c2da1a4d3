#pragma once
// The atom builder: protons, neutrons, energy levels and electrons added and
// removed one at a time, drawn on a black picture, with the element's name,
// the counts, the mass number and the charge beside it.
#include "platform/Forms.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class PictureBox;

class frmBuildAtoms : public Form {
    Q_OBJECT
public:
    frmBuildAtoms();
    void Form_Load() override;

    void cmdProton_Click();
    void cmdNeutrons_Click();
    void cmdElectrons_Click();
    void cmdEnergyLevel_Click();
    void cmdRemoveProton_Click();
    void cmdRemoveNeutron_Click();
    void cmdRemoveElectron_Click();
    void cmdRemoveEnergyLevel_Click();
    void cmdClear_Click();
    void cmdPrint_Click();
    void cmdTutorial_Click();
    void cmdClose_Click();

    // Name of the element whose atomic number is ProtonCount, in Text1.
    void UpDateElement();
    // MassNumber = ProtonCount + NeutronCount, in Text5.
    void UpdateWeight();
    // AtomCharge = ProtonCount - ElectronCount, in Text7.
    void UpdateCharge();

    static constexpr int MaxProtons = 109;
    static constexpr int MaxNeutrons = 200;
    static constexpr int MaxElectrons = 109;
    static constexpr int MaxLevels = 7;

    // A drawn circle: centre and radius in the picture's user units.
    struct Disc {
        float x = 0, y = 0, radius = 0;
    };

    qint16 ProtonCount = 0;
    qint16 NeutronCount = 0;
    qint16 ElectronCount = 0;
    qint16 LevelCount = 0;
    qint16 MassNumber = 0;
    qint16 AtomCharge = 0;
    float NextRingRadius = 0.2f;
    // Row n holds the n-th particle or ring; row 0 is unused.
    Disc ProtonPos[MaxProtons + 1];
    Disc NeutronPos[MaxNeutrons + 1];
    Disc ElectronPos[MaxElectrons + 1];
    Disc RingPos[MaxLevels + 1];

    QPushButton* cmdProton;
    QPushButton* cmdNeutrons;
    QPushButton* cmdElectrons;
    QPushButton* cmdEnergyLevel;
    QPushButton* cmdRemoveProton;
    QPushButton* cmdRemoveNeutron;
    QPushButton* cmdRemoveElectron;
    QPushButton* cmdRemoveEnergyLevel;
    PictureBox* Picture1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QLineEdit* Text6;
    QLineEdit* Text7;
    QPushButton* cmdClose;
    QPushButton* cmdPrint;
    QPushButton* cmdClear;
    QPushButton* cmdTutorial;

private:
    // Empty atom: boxes, counts and the next ring radius.
    void emptyAtom();
    // Every button that adds or removes, but Add Proton.
    void enableBuilding(bool on);
    // The next particle of a kind: drawn at its place, stored and counted.
    void addParticle(const QColor& colour, const Disc& place, Disc* rows, qint16& count, QLineEdit* box);
    // The last particle of a kind: covered in black and uncounted.
    void removeParticle(const Disc* rows, qint16& count, int places, QLineEdit* box);
    // Rows 1 to count of a kind, redrawn in their own colour.
    void repaintParticles(const Disc* rows, int count, int places, const QColor& colour);
};
