#pragma once
// A small window that opens one viewer picked from a frame of option buttons:
// the first option is selected when it loads, Ok (Enter) closes it and shows
// the picked viewer, Cancel (Escape) closes it.
#include "platform/Forms.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

class OptionHubForm : public Form {
    Q_OBJECT
public:
    struct Option {
        Bound<QRadioButton> name;  // opt1
        QString caption;
        QString target;   // the window it opens
    };
    struct Design {
        QString caption;
        QString frameCaption;
        QList<Option> options;
        bool sideBySide = false;  // the options in a row, not a column
    };
    explicit OptionHubForm(const Design& design);

    void Form_Load() override;
    virtual void cmdOk_Click();
    virtual void cmdCancel_Click();

    // The selected option, or nullptr.
    QRadioButton* selected() const;

    QGroupBox* Frame1;
    QList<QRadioButton*> options;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    QList<Option> m_options;
};

class frmAtomicData : public OptionHubForm {
    Q_OBJECT
public:
    frmAtomicData();
    void cmdCancel_Click() override;

    QRadioButton* opt1;
    QRadioButton* opt2;
    QRadioButton* opt3;
    QRadioButton* opt4;
    QRadioButton* opt5;
};

class frmMiscellaneous : public OptionHubForm {
    Q_OBJECT
public:
    frmMiscellaneous();
    void cmdOk_Click() override;

    QRadioButton* opt1;
    QRadioButton* opt2;
};
