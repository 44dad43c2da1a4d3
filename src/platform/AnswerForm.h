#pragma once
// What the calculator and the conversion shapes share: the answer row's
// pieces (the caption of the answer, the read-only answer box, the unit, the
// work line and "?"), the buttons Clear, Print and Cancel, and one set of
// handlers: Print prints the window, "?" shows the help text, Cancel returns
// to the parent window, the error trap names the fault, and the load does
// its steps and empties the boxes and the answer. Both shapes' designs are
// made of the same parts: answer, messages, layout and leaving.
#include "platform/Forms.h"
#include "platform/NumberText.h"

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QStringList>

class AnswerForm : public Form {
    Q_OBJECT
public:
    // The answer row of a design: the answer box with its caption and unit,
    // the work line, and the digits the answer shows.
    struct Answer {
        Bound<QLineEdit> box;
        Bound<QLabel> caption;  // empty: a calculator names it "<box>Label", a conversion has none
        QString captionText;
        Bound<QLabel> unit;  // empty: none
        QString unitText;
        QString toolTip;
        bool enabled = false;       // an answer box that takes the focus (read-only all the same)
        Bound<QLineEdit> workLine;  // empty: no work line
        int decimals = 3;
        int digits = 0;  // significant digits a fixed answer shows at most (0: 15)
    };
    // The key filter's refusal, the help and the error trap's messages of a design.
    struct Messages {
        QString key = QStringLiteral("You must enter a valid numerical expression");
        Style keyStyle;
        QString help;
        Style helpStyle = InformationStyle;
        QString trap;  // empty: the fault's own description
        Style trapStyle;
    };
    // Where the controls stand: the foot row of buttons and the tab order by
    // control name, and the window's font.
    struct Layout {
        QStringList buttonOrder;  // the foot row from the left (empty: the shape's own)
        QStringList tabOrder;     // empty: the shape's own
        QString fontFamily;       // empty: the platform's font
        qreal pointSize = 0;
    };
    // Where Cancel returns to (ReturnToParent: shows `parent`, unloads this
    // window) and what the load does first ("frmGasLaws" hidden ...).
    struct Leaving {
        QString parent;
        bool unloadBeforeShow = false;
        QList<Step> onLoad;
    };

    // The answer row; a part a design does not name is null.
    QLabel* resultLabel = nullptr;
    QLineEdit* answerBox = nullptr;
    QLabel* unitLabel = nullptr;
    QLineEdit* workLine = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdCancel = nullptr;

    virtual void cmdClear_Click() = 0;
    void cmdPrint_Click();
    void cmdHelp_Click();
    void cmdCancel_Click();  // ReturnToParent

    // Significant digits an answer shows at most.
    int heldDigits() const;

protected:
    AnswerForm(const Answer& answer, const Messages& messages, const Leaving& leaving, QWidget* parent = nullptr);

    // The answer row's pieces. A caption stands right-aligned before its box;
    // an answer box and a work line are emptied with the answer.
    QLabel* makeCaption(const Bound<QLabel>& name, const QString& text);
    QLineEdit* makeAnswerBox(const Bound<QLineEdit>& name, QLabel* caption, const QString& accessible,
                             bool enabled = false, bool readOnly = false);
    QLabel* makeUnit(const Bound<QLabel>& name, const QString& text = QString());
    QLineEdit* makeWorkLine(const Bound<QLineEdit>& name, int minimumWidth);
    QPushButton* makeHelpButton();
    // Clicks of Clear, Print (where there is one), "?" and Cancel run their handlers.
    void connectButtons();

    // The error trap's message for a fault.
    void sayFault(const RuntimeFault& fault);
    // The start of the load: its steps, then the boxes and the answer emptied.
    void beginLoad(const QList<QLineEdit*>& boxes);
    const Messages& answerMessages() const { return m_messages; }

private:
    Answer m_answer;
    Messages m_messages;
    Leaving m_leaving;
};
