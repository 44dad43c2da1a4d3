#pragma once
// The conversion window: one input box with its prompt, optional direction
// options beside it, a grid of conversion buttons that each convert at once
// (in place of Ok), the answer box with its caption and unit, an optional work
// line, and the buttons Cancel (or Close), Clear, Print where there is one,
// and "?".
//
// A conversion window describes itself in a Design and supplies convert():
// a button first checks that the box is not empty, then converts under the
// error trap; the answer, unit and work line are written only after the
// conversion completed, so a fault leaves them as they were.
#include "platform/AnswerForm.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

class ConversionForm : public AnswerForm {
    Q_OBJECT
public:
    // A direction option or a conversion button.
    template <class T> struct Control {
        Bound<T> name;  // "cmdFToC"
        QString caption;
    };
    using Direction = Control<QRadioButton>;
    using Button = Control<QPushButton>;

    // The key filter's refusal, the empty box's message, the error trap and the help.
    struct Messages : AnswerForm::Messages {
        QString empty;  // the box is empty
        Style emptyStyle;
    };

    // Where the controls stand: the foot row by control name from the left
    // (what it does not name stands in the answer row), the tab order by name
    // (empty: box, directions, buttons, the foot row, "?"), the grid of
    // conversion buttons, the window's font and title bar.
    struct Layout : AnswerForm::Layout {
        int columns = 2;          // conversion buttons per row
        bool controlBox = false;  // a title bar with a close button (no minimise or maximise)
    };

    struct Design {
        QString caption;

        Bound<QLineEdit> inputName = NAMED(Text1);
        Bound<QLabel> promptName = NAMED(Label1);
        QString prompt;
        bool keyFilter = true;  // false: any character can be typed
        QString keys = QStringLiteral(".\b\r");

        QList<Direction> directions;  // options beside the box; the first is selected by the load and Clear
        QList<Button> buttons;        // conversion buttons, row by row
        QString defaultButton;        // Enter presses it; empty: Enter presses no button

        bool print = false;  // a Print button, enabled by the first change of the box
        Bound<QPushButton> cancelName = NAMED(cmdCancel);
        QString cancelCaption = QStringLiteral("Cancel");
        bool clearFocusesInput = false;

        Answer answer{.box = NAMED(Text2)};  // the answer's format is fixed decimals
        Messages messages;
        Layout layout;
        Leaving leaving;
    };

    // A completed conversion.
    struct Result {
        double value = 0;
        QString unit;
        QString work;
        int decimals = -1;  // -1: the Design's
        int digits = 0;     // significant digits the answer shows at most (0: the Design's answer)
    };

    explicit ConversionForm(const Design& design, QWidget* parent = nullptr);

    // Controls.
    QLabel* prompt;
    QLineEdit* input;
    QList<QRadioButton*> directions;
    QList<QPushButton*> buttons;

    // The selected direction (0-based), -1 with none.
    int direction() const;

    // Handlers.
    void Form_Load() override;
    void convert_Click(int index);
    void cmdClear_Click() override;

    // The window's description.
    const Design& design() const { return m_design; }
    QStringList messageTexts() const override;

protected:
    // The conversion of button `index` from the typed text; may throw a
    // RuntimeFault for the trap. nullopt: the window said why, nothing changes.
    virtual std::optional<Result> convert(int index, const QString& typed) = 0;

private:
    void build();
    Design m_design;
};
