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

    struct Design {
        QString caption;
        QString fontFamily;  // empty: the platform's font
        qreal pointSize = 0;

        Bound<QLineEdit> inputName = QStringLiteral("Text1");
        Bound<QLabel> promptName = QStringLiteral("Label1");
        QString prompt;
        bool keyFilter = true;  // false: any character can be typed
        QString keys = QStringLiteral(".\b\r");
        QString keyMessage = QStringLiteral("You must enter a valid numerical expression");
        Style keyStyle;

        QList<Direction> directions;  // options beside the box; the first is selected by the load and Clear
        QList<Button> buttons;        // conversion buttons, row by row
        int columns = 2;
        QString defaultButton;      // Enter presses it; empty: Enter presses no button

        Bound<QLineEdit> answerName = QStringLiteral("Text2");
        bool answerEnabled = false;  // an answer box that takes the focus (read-only all the same)
        Bound<QLabel> resultName;    // caption label of the answer (empty: none)
        QString resultCaption;
        Bound<QLabel> unitName;      // unit label (empty: none)
        Bound<QLineEdit> workLineName;  // empty: no work line
        int decimals = 3;

        bool print = false;  // a Print button, enabled by the first change of the box
        Bound<QPushButton> cancelName = QStringLiteral("cmdCancel");
        QString cancelCaption = QStringLiteral("Cancel");
        // The foot row, by control name, from the left; what is not named
        // here stands in the answer row.
        QStringList bottomRow;
        QStringList tabOrder;  // empty: box, directions, buttons, the foot row

        bool controlBox = false;  // a title bar with a close button (no minimise or maximise)
        QString parent;           // ReturnToParent
        bool unloadBeforeShow = false;
        QList<Step> onLoad;

        QString emptyMessage;  // the box is empty
        Style emptyStyle;
        QString trapText;      // empty: the fault's own description
        Style trapStyle;
        QString helpText;
        Style helpStyle = InformationStyle;
        bool clearFocusesInput = false;
    };

    // A completed conversion.
    struct Result {
        double value = 0;
        QString unit;
        QString work;
        int decimals = -1;  // -1: the Design's
        int digits = 0;     // significant digits the answer shows at most (0: 15)
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
