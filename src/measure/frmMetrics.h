#pragma once
#include "platform/CalculatorForm.h"

// A value between two prefixed metric units of mass, distance or volume.
class frmMetrics : public CalculatorForm {
    Q_OBJECT
public:
    frmMetrics();

    QGroupBox* Frame1;
    QRadioButton* Option1;  // Mass
    QRadioButton* Option2;  // Distance
    QRadioButton* Option3;  // Volume
    QGroupBox* frmFrom;
    QGroupBox* frmDistance1;
    QGroupBox* frmTo;
    QGroupBox* frmDistance2;
    // optDistance[1] to [6] are the From units, [7] to [12] their To twins ([0] is unused).
    QList<QRadioButton*> optDistance;
    QLabel* lblMetric1;
    QLineEdit* txtMetric1;  // the value
    QLabel* lblMetric2;
    QLineEdit* txtMetric2;  // the converted value
    QLineEdit* Text1;       // the work line

    // The selected From and To positions (1 to 6), 0 with none.
    int fromUnit() const;
    int toUnit() const;

    void Form_Load() override;
    void option_Click(int index) override;
    void optDistance_Click(int position);  // From units
    void optTo_Click();                    // To units

protected:
    std::optional<Result> calculate() override;

private:
    void emptyAnswer();
};
