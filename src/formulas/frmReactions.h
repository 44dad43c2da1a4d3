#pragma once
// Reaction atom counter: the student types an equation with "=>" between its
// sides; Ok lists every element of each side with its number of atoms, so the
// coefficients can be changed until both lists agree.
#include "platform/CalculatorForm.h"
#include "formulas/AtomCounter.h"

#include <QLineEdit>

class QGridLayout;
class QScrollArea;

// The equation box: one line of plain text. A typed character that cannot be
// part of an equation is dropped without a sound; a text that arrives whole
// (pasted, dropped, committed, set by a screen reader) with one is refused
// whole with a message naming it. The editing keys work as usual.
class EquationBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EquationBox(QWidget* parent);
    // Letters, digits, "=", ">", "(", ")", "+", "." and the blank.
    static bool admitted(QChar c);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class frmReactions : public CalculatorForm {
    Q_OBJECT
public:
    frmReactions();

    // Rows the frames show before they grow, and most they show before they scroll.
    static constexpr int DesignRows = 6;
    static constexpr int MaxShownRows = 12;

    QLabel* Label1;
    QLabel* Label4;
    EquationBox* RichTextBox1;
    QLineEdit* txtReactions2;
    QLineEdit* txtReactions3;
    QLineEdit* txtReactions4;
    QLineEdit* txtReactions5;
    QLineEdit* txtReactions6;
    QGroupBox* fraFrame1;
    QGroupBox* fraFrame2;
    // One row per element: symbol label and count box (left side Label2/Text1,
    // right side Label3/Text2); at least six rows each.
    QList<QLabel*> Label2;
    QList<QLineEdit*> Text1;
    QList<QLabel*> Label3;
    QList<QLineEdit*> Text2;

    void Form_Load() override;
    bool Form_KeyDown(QKeyEvent* e) override;  // Enter in the equation box
    void RichTextBox1_Change();
    // Both frames: the counts belong to the equation they were made for.
    void emptyAnswer() override;

    // The message for a side that could not be counted.
    static QString sideFault(const QString& side, const AtomCounter::Tally& t);

protected:
    std::optional<Result> calculate() override;
    void cleared() override;

private:
    struct Column {
        QGroupBox* frame = nullptr;
        QScrollArea* scroll = nullptr;
        QGridLayout* grid = nullptr;
        QList<QLabel*>* symbols = nullptr;
        QList<QLineEdit*>* counts = nullptr;
        QString name;   // "Label2"
        QString boxName;  // "Text1"
    };
    QGroupBox* makeColumn(Column& c, const QString& caption);
    void nameCount(Column& c, int r);
    void addRow(Column& c);
    // Shows the counts in the column's rows, exactly as many as needed.
    void list(Column& c, const std::vector<AtomCounter::Count>& counts);
    void fitRows();

    Column m_left;
    Column m_right;
    int m_fittedRows = 0;  // rows the frames were last sized for
};
