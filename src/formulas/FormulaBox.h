#pragma once
// The weigher's formula box: one line of plain text that lowers the counts
// and raises the hydrate dot while the student types. It takes only the
// characters a formula holds, up to Limit of them, by key, paste or any other
// way; Enter asks for the weighing.
#include <QTextEdit>

class TextGuard;

class FormulaBox : public QTextEdit {
    Q_OBJECT
public:
    explicit FormulaBox(QWidget* parent);

    // The longest formula the box takes, and the message that says so.
    static constexpr int Limit = 1000;
    static QString tooLong();
    // The message that refuses a paste holding the character; a blank or a
    // line end is named as one, an invisible character by its code.
    static QString pasteRefusal(const QString& c);
    static QString pasteRefusal(QChar c);
    static bool admits(QChar c);

    QString formula() const { return toPlainText(); }
    // Puts text in the box from code: formatted, and no `edited`.
    void setFormula(const QString& text);
    // Selects the characters a refusal names.
    void selectSpan(int position, int length);

signals:
    // The student changed the formula (the box took it and formatted it).
    void edited();
    // Enter or Return.
    void submitted();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void textChange();
    void format();
    // Puts back the last text the box took after a text that came whole by
    // another way than the keys and the guard (an input method's commit) and
    // tells why, once that event has ended.
    void refuseArrival(QChar refused);

    // Pastes, drops and a screen reader's edits pass it before they change the box.
    TextGuard* m_guard;
    bool m_programmatic = false;
    bool m_formatting = false;
    QString m_accepted;  // the formula text as the box last took it
};
