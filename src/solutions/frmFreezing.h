#pragma once
#include "platform/CalculatorForm.h"
#include "refdata/FixedColumnTable.h"

#include <QListWidget>

// New freezing point (T - K * m) or boiling point (T + K * m) of a solution,
// under a list of the solvents with their temperatures and constants.
class frmFreezing : public CalculatorForm {
    Q_OBJECT
public:
    frmFreezing();
    void Form_Load() override;

    // The solvent list's lines, top to bottom, and its cell widths.
    QStringList lines() const;
    QList<int> widths() const { return m_widths; }
    // The solvent list's cells and the titles over them.
    static QList<FixedColumnTable::Cell> cells();
    static QList<FixedColumnTable::Title> titles();

    QLabel* Label6;  // heading of the list
    QListWidget* lstList1;
    QGroupBox* Frame1;
    QRadioButton* opt1;  // Freezing point
    QRadioButton* opt2;  // Boiling point
    QLabel* Label2;
    QLineEdit* Text1;  // K
    QLabel* Label3;
    QLineEdit* Text2;  // T, Celsius
    QLabel* Label4;
    QLineEdit* Text3;  // m
    QLabel* Label5;
    QLineEdit* Text4;  // the answer
    QLabel* Label1;    // "Celsius"
    QLineEdit* Text5;  // the work line

protected:
    std::optional<Result> calculate() override;
    void cleared() override;

private:
    void fillList();
    QList<int> m_widths;
};
