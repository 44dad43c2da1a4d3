#pragma once
// The chooser window: one button per target window in columns, and Cancel
// centred below them. A target button hides, unloads or keeps the chooser and
// shows its window; Cancel unloads the chooser (showing the main window first
// where the chooser says so). Enter chooses the focused button, else the
// default button; Escape is Cancel.
#include "platform/Forms.h"

#include <QList>
#include <QPushButton>

class ChooserForm : public Form {
    Q_OBJECT
public:
    // What a target button does with the chooser before showing its window.
    enum class Leave { Hide, Unload, Stay };

    struct Target {
        Bound<QPushButton> name;  // "cmdGrahams"
        QString caption;
        QString window;    // "frmGrahams"
        int column = 0;    // 0 left, 1 right ...
        int tabIndex = 0;
        Leave leave = Leave::Hide;
    };

    struct Design {
        QString caption;
        QList<Target> targets;    // top to bottom within each column
        int cancelTabIndex = 0;
        QString defaultButton;    // name of the Enter button
        QString cancelShows;      // window shown before the chooser unloads (empty: none)
        Bound<QPushButton> cancelName = NAMED(cmdCancel);
        QString cancelCaption = QStringLiteral("Cancel");
        int buttonWidth = 0;      // minimum width of every button (0: as the caption needs)
        bool fixedBorder = true;
        QString fontFamily;
        qreal pointSize = 0;
    };

    explicit ChooserForm(const Design& design, QWidget* parent = nullptr);

    QList<QPushButton*> buttons;  // the target buttons, in the Design's order
    QPushButton* cmdCancel;  // the chooser's cancel button, whatever its name

    QPushButton* button(const QString& name) const;

    void Form_Load() override;
    void target_Click(int index);
    void cmdCancel_Click();

private:
    Design m_design;
};
