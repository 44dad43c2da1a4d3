#pragma once
// Molecular weight calculator: weighs the formula typed in a rich-text box
// that lowers the counts and raises the hydrate dot while the student types.
#include "platform/Forms.h"
#include "formulas/FormulaScan.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <optional>

class frmWeights;

// The formula box: plain text only, one line; key rules go to the window.
class FormulaBox : public QTextEdit {
    Q_OBJECT
public:
    explicit FormulaBox(frmWeights* form);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    frmWeights* m_form;
};

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
    bool Form_KeyDown(QKeyEvent* e) override;  // F1
    void cmdOk_Click();
    void cmdClear_Click();
    void cmdPrint_Click();
    void cmdHelp_Click();
    void cmdCancel_Click();
    void chk1_Click();
    void chk2_Click();
    void RichTextBox1_Change();
    // Key rules of the formula box; true when the key is dealt with.
    bool RichTextBox1_KeyDown(QKeyEvent* e);
    bool RichTextBox1_KeyPress(QChar c);

    // Weight of a group from MolecularWeights; 0 when not stored.
    float Weight(const QString& group);

    // Puts text in the formula box from code (formatted, no enabling).
    void setFormulaText(const QString& text);

    // The message that refuses a paste holding the character; a blank or a
    // line end is named as one, an invisible character by its code.
    static QString pasteRefusal(const QString& c);
    static QString pasteRefusal(QChar c);
    // The longest formula the box takes, and the message that says so.
    static constexpr int FormulaLimit = 1000;
    static QString tooLong();

private:
    void clearAnswers();
    void formatFormula();
    void showComposition();
    void showHydrate();
    // Puts back the last text the box took after a text that came whole by
    // another way than the keys and the paste rules (an input method's
    // commit, a screen reader) and tells why, once that event has ended.
    void refuseArrival(QChar refused);

    bool m_programmatic = false;
    bool m_formatting = false;
    QString m_accepted;  // the formula text as the box last took it
    // The last formula weighed, and what it gave.
    QString m_weighedText;
    std::optional<FormulaScan::Result> m_weighed;
};
