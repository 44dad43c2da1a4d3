#pragma once
// The calculator window: numeric input boxes with prompts and key sets, an
// optional frame of options that re-captions the prompts, one answer box with
// its caption and unit, the work line at the foot, and the buttons Ok, Clear,
// Print, "?" and Cancel.
//
// A calculator describes itself in a Design (texts, key sets, which box enables
// Ok, message styles, answer format, where Cancel returns to) and supplies its
// ordered checks and its formula. Ok runs under the error trap: the checks in
// order (the first failure shows its message and ends Ok), then calculate(),
// whose result is written only when it completed, so a fault leaves the
// answer and the work line as they were.
#include "platform/AnswerForm.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>
#include <functional>
#include <optional>

class NumericKeyFilter;

class CalculatorForm : public AnswerForm {
    Q_OBJECT
public:
    // How an answer value is written.
    enum class Format {
        Fixed,          // regional, grouped, `decimals` decimals ("1,234.568")
        Scientific,     // "4.50E+01" (always two decimals)
        Short,          // default text form, at most 7 significant digits
        DefaultDouble,  // default text form, 15 digits (of a value computed in extended precision)
        Integer,        // plain whole number, no grouping
    };

    struct Input {
        Bound<QLineEdit> name;      // "Text1"
        QString prompt;             // label caption (may be re-captioned by options)
        Bound<QLabel> promptName;   // "Label2"; empty gives "<name>Label"
        QString toolTip;
        QString keys = QStringLiteral(".\b\r");  // signs besides digits ("\b" Backspace, "\r" Enter)
        bool enterSubmits = true;                // EnterKeySubmit: Enter runs Ok
        int maxLength = 0;                       // 0: no limit
        QString keyTitle;                        // title of the key filter's message; empty: the Design's
        bool besidePrevious = false;             // stands with its prompt beside the previous box, in its row
    };

    // A read-only box showing a constant (such as R), with its prompt, placed
    // before the input box `before` (the number of inputs: after the last).
    struct Constant {
        Bound<QLineEdit> name;
        QString prompt;
        Bound<QLabel> promptName;
        QString text;
        int before = 0;
        bool enterSubmits = false;  // Enter in it runs Ok
    };

    struct Option {
        Bound<QRadioButton> name;  // "opt1"
        QString caption;
        QString toolTip;
        QStringList prompts;  // new prompt per input box, in order; a null entry keeps the prompt
        QString result;       // result caption; null keeps it
        QString unit;         // unit caption; null keeps it
        bool focusInput = false;          // clicking puts the focus in the first input box
        std::optional<Format> format;     // answer format while selected
        QList<int> hidden;                // input boxes (with their prompts) hidden while selected
        QList<int> emptied;               // input boxes emptied when it is selected
    };

    static constexpr int AnyInput = -2;

    // The answer row (AnswerForm::Answer) and how the answer is written.
    struct Answer : AnswerForm::Answer {
        Format format = Format::Fixed;
    };

    // The key filter's refusal, the error trap, the help and the checks' style.
    struct Messages : AnswerForm::Messages {
        Style checkStyle;
    };

    // Where the controls stand, and the window's font and border. The row of
    // buttons by name from the left (empty: Cancel, Clear, Print, Ok): "cmdHelp"
    // named there stands in it, not in the result row. The tab order by name
    // (empty: the inputs, Ok, Clear, Cancel, answer, work line, Print, "?",
    // then the options).
    struct Layout : AnswerForm::Layout {
        int inputColumns = 1;           // prompt and box pairs per row of the grid (constants need 1)
        bool optionsInRow = false;      // the options stand side by side in the frame
        int resultColumn = 0;           // the grid column of the result caption (the answer, unit and "?" follow it)
        int resultSpan = 1;             // grid columns the result caption and the answer each take
        bool helpLeftOfResult = false;  // "?" stands at the left end of the result row, not at its right
        qreal helpPointSize = 0;        // "?" in bold at this size (0: as the other buttons)
        bool fixedBorder = true;        // fixed once the window's constructor has finished
    };

    struct Design {
        QString caption;
        QString heading;  // a line of text above the inputs (empty: none)
        Bound<QLabel> headingName = NAMED(Label1);
        QList<Input> inputs;
        QList<Constant> constants;

        // Options (empty: none). The first is selected by the load.
        Bound<QGroupBox> frameName = NAMED(Frame1);
        QString frameCaption = QStringLiteral("Select one of the following");
        QString frameToolTip;
        QList<Option> options;
        int loadOption = 0;  // the option the load selects

        Answer answer;
        Messages messages;
        Layout layout;
        Leaving leaving;

        QList<int> enablingInputs{0};  // the boxes whose change enables Ok and Print (AnyInput: every box)
        bool okStartsDisabled = true;
        bool clearFocusesInput = true;  // Clear puts the focus in the first input box
        bool escapeCancels = true;      // Cancel is the window's cancel button
        bool clearSelectsFirstOption = false;  // Clear selects the first option again
    };

    // One ordered check of Ok: when `fails` is true the message is shown in
    // `style` (the Design's checkStyle when unset), `after` runs, and Ok ends.
    struct Check {
        std::function<bool()> fails;
        QString message;
        std::optional<Style> style;
        std::function<void()> after;
    };

    // What a completed formula gives: the value (or a ready text), the work line.
    struct Result {
        long double value = 0;  // extended for the fifteen-digit form
        QString work;
        std::optional<QString> text;  // shown as is instead of the formatted value
    };

    explicit CalculatorForm(const Design& design, QWidget* parent = nullptr);

    // Controls.
    QList<QLineEdit*> inputs;
    QList<QLabel*> prompts;
    QList<QLineEdit*> constantBoxes;
    QLabel* heading = nullptr;
    QGroupBox* frame = nullptr;
    QList<QRadioButton*> options;
    QPushButton* cmdOk;

    // The places a window adds its own controls to, from the top: rows above
    // the options, rows under the options and the heading, the grid of
    // prompts, boxes and the result row (prompts in column 0, boxes in 1, the
    // unit in 2, "?" in 3), rows under the grid, and the row of buttons. The
    // work line stands last.
    QVBoxLayout* rowsTop;
    QVBoxLayout* rowsAbove;
    QGridLayout* inputGrid;
    QVBoxLayout* rowsBelow;
    QHBoxLayout* buttonRow;


    // The selected option (0-based), -1 with none.
    int option() const;
    // Selects an option from code; its click handler runs when it was not selected.
    void selectOption(int index);

    // Handlers.
    void Form_Load() override;
    virtual void cmdOk_Click();
    void cmdClear_Click() override;
    // Re-captions for the option and empties the answer and the work line.
    virtual void option_Click(int index);
    // A new prompt for an input box (the box's accessible name follows it).
    void setPrompt(int input, const QString& text);
    // A new result caption (the answer box's accessible name follows it).
    void setResultCaption(const QString& text);
    virtual void input_Change(int index);

    // Helpers for checks and formulas.
    static bool isEmpty(const QLineEdit* box) { return box->text().isEmpty(); }
    // The check message of a kelvin temperature not above 0 (Num::notKelvin).
    static inline const QString KelvinMessage = QStringLiteral("The temperature in Kelvin must be larger than 0.");
    static double number(const QLineEdit* box) { return Num::toDouble(box->text()); }
    static long double extended(const QLineEdit* box) { return Num::toLongDouble(box->text()); }
    QString format(long double value) const;
    // The window's description.
    const Design& design() const { return m_design; }

    // The check messages, the key filter's and the trap's texts, and any added.
    QStringList messageTexts() const override;

protected:
    // Ordered checks of Ok, added by the calculator's constructor.
    void addCheck(std::function<bool()> fails, const QString& message, std::optional<Style> style = std::nullopt,
                  std::function<void()> after = {});
    // Runs first in Ok, under the trap (e.g. tidying the typed text).
    virtual void prepare() {}
    // The formula; nullopt leaves the answer and the work line as they are.
    virtual std::optional<Result> calculate() = 0;
    // Writes a completed result.
    virtual void showResult(const Result& r);
    // The error trap.
    virtual void trap(const RuntimeFault& fault);
    // After Clear emptied the boxes.
    virtual void cleared() {}
    void finishShape() override;

    QList<Check> m_checks;

private:
    void build();
    void buildOptions(QVBoxLayout* outer);
    void buildHeading(QVBoxLayout* outer);
    int buildInputs();
    void buildAnswerRow(int row);
    void buildButtons(QVBoxLayout* outer);
    void buildWorkLine(QVBoxLayout* outer);
    void wireButtons();
    void reserveCaptionWidths();
    void applyTabOrder();

    Design m_design;
};
