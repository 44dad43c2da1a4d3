#pragma once
// The element mole calculator: converts an amount of one element between
// moles, grams and atoms with its atomic weight from the element list.
#include "formulas/MoleMath.h"
#include "platform/CalculatorForm.h"
#include "platform/NumberPicture.h"

#include <QListWidget>

class fmrMoles : public CalculatorForm {
    Q_OBJECT
public:
    fmrMoles();

    QLabel* lblMoles1;
    QLineEdit* txtMoles1;  // the amount
    QGroupBox* Frame1;     // From
    QRadioButton* optMoles1;
    QRadioButton* optMoles2;
    QRadioButton* optMoles3;
    QGroupBox* Frame2;     // To
    QRadioButton* optMoles4;
    QRadioButton* optMoles5;
    QRadioButton* optMoles6;
    QLabel* lblMoles2;
    QListWidget* lstList1;
    QLabel* lblMoles3;
    QLineEdit* txtMoles2;  // the atomic weight (the student may type over it)
    QLabel* lblMoles4;
    QLineEdit* txtMoles3;  // the result
    QLabel* lblMoles5;     // its unit
    QLineEdit* Text1;      // the work line

    // The element list line: symbol (2), two blanks, name (12).
    static const FixedColumnLine ElementLine;
    // Position of the list entry last clicked.
    qint16 ListPosition = -1;

    void Form_Load() override;
    void lstList1_Click();
    void optMoles1_Click();
    void optMoles2_Click();
    void optMoles3_Click();
    void optTo_Click();
    void input_Change(int index) override;  // txtMoles1_Change

protected:
    std::optional<Result> calculate() override;
    void showResult(const Result& r) override;
    void cleared() override;

private:
    void fromClicked(QRadioButton* twin);
    // The highlighted line of the element list, -1 with none.
    int chosenRow() const;
    QList<QRadioButton*> fromOptions() const { return {optMoles1, optMoles2, optMoles3}; }
    QList<QRadioButton*> toOptions() const { return {optMoles4, optMoles5, optMoles6}; }

    QString m_unit;
};
