#pragma once
// The atom builder: protons, neutrons, energy levels and electrons added and
// removed one at a time, drawn on a black picture, with the element's name,
// the counts, the mass number and the charge beside it.
#include "Atom.h"
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

    // Name of the element whose atomic number is the proton count, in Text1.
    void UpDateElement();
    // The mass number, protons and neutrons, in Text5.
    void UpdateWeight();
    // The charge, protons less electrons, in Text7.
    void UpdateCharge();

    // The atom shown: the boxes and the picture are drawn from it.
    const Atom& atom() const { return m_atom; }

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
    // Empty atom: the boxes show nothing built.
    void emptyAtom();
    // Every button that adds or removes, but Add Proton.
    void enableBuilding(bool on);
    // The atom as it now is: the counts in their boxes, the mass number, the
    // charge and the picture.
    void showAtom();
    // The picture, drawn whole from the atom.
    void drawAtom();

    Atom m_atom;
};
