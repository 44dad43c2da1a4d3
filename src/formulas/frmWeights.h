#pragma once
// Molecular weight calculator: weighs the formula typed in a FormulaBox and
// shows its weight, percent composition and percent hydrate.
#include "platform/Forms.h"
#include "formulas/FormulaBox.h"
#include "formulas/FormulaScan.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

class frmWeights : public Form {
    Q_OBJECT
public:
    frmWeights();

    QLabel* lblWeights1;
    FormulaBox* RichTextBox1;
    QLabel* lblWeights2;
    QLineEdit* txtWeights2;
    QPushButton* cmdHelp;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QCheckBox* chk2;
    QLineEdit* txtHydrate;
    QCheckBox* chk1;
    QLineEdit* txtComposition[6];
    QPushButton* cmdCancel;
    QPushButton* cmdClear;
    QPushButton* cmdPrint;
    QPushButton* cmdOk;

    void Form_Load() override;
    void cmdOk_Click();
    void cmdClear_Click();
    void cmdPrint_Click();
    void cmdHelp_Click();
    void cmdCancel_Click();
    void chk1_Click();
    void chk2_Click();
    void RichTextBox1_Change();

    // What the hydrate box shows for a formula without water of hydration.
    static inline const QString NoWater = QStringLiteral("no water of hydration");

    // Puts text in the formula box from code (formatted, no enabling).
    void setFormulaText(const QString& text);

private:
    // What loading and Clear both start from: no formula, no answers, no
    // options checked.
    void reset();
    void clearAnswers();
    void showComposition();
    void showHydrate();

    // The last formula weighed, and what it gave.
    QString m_weighedText;
    std::optional<FormulaScan::Result> m_weighed;
};
