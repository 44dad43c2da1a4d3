#include "OptionHubForm.h"

#include "platform/MessageBox.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

OptionHubForm::OptionHubForm(const Design& design) : m_options(design.options) {
    setWindowTitle(design.caption);
    Frame1 = new QGroupBox(design.frameCaption, this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    QBoxLayout* inner = design.sideBySide ? static_cast<QBoxLayout*>(new QHBoxLayout(Frame1))
                                          : static_cast<QBoxLayout*>(new QVBoxLayout(Frame1));
    for (const Option& o : m_options) {
        auto* b = bind(o.name, new QRadioButton(o.caption, Frame1));
        inner->addWidget(b);
        options.append(b);
    }

    cmdOK = makeButton(QStringLiteral("cmdOK"), QStringLiteral("Ok"));
    cmdOK->setDefault(true);
    cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    setDefaultButton(cmdOK);
    setCancelButton(cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* v = new QVBoxLayout(this);
    v->addWidget(Frame1);
    v->addLayout(buttons);
}

void OptionHubForm::Form_Load() {
    if (!options.isEmpty()) {
        options.first()->setChecked(true);
        options.first()->setFocus();
    }
    setFixedBorder();
}

QRadioButton* OptionHubForm::selected() const {
    for (QRadioButton* b : options)
        if (b->isChecked()) return b;
    return nullptr;
}

void OptionHubForm::cmdOk_Click() {
    for (int i = 0; i < options.size(); ++i) {
        if (options.at(i)->isChecked()) {
            const QString target = m_options.at(i).target;
            Forms::unload(this);
            Forms::show(target);
            return;
        }
    }
}

void OptionHubForm::cmdCancel_Click() { Forms::unload(this); }

frmAtomicData::frmAtomicData()
    : OptionHubForm({.caption = QStringLiteral("Atomic Data"),
                     .frameCaption = QStringLiteral("Select one of the following."),
                     .options = {{.name = BIND(*this, opt1), .caption = QStringLiteral("Atomic Radii"),
                                  .target = QStringLiteral("frmRadii")},
                                 {.name = BIND(*this, opt2), .caption = QStringLiteral("Bond Lengths"),
                                  .target = QStringLiteral("frmBonds")},
                                 {.name = BIND(*this, opt3), .caption = QStringLiteral("Electron Affinities"),
                                  .target = QStringLiteral("frmAffinities")},
                                 {.name = BIND(*this, opt4), .caption = QStringLiteral("Bond Characters"),
                                  .target = QStringLiteral("frmCharacter")},
                                 {.name = BIND(*this, opt5), .caption = QStringLiteral("Half Lives"),
                                  .target = QStringLiteral("frmHalfLives")}}}) {
    Frame1->setToolTip(QStringLiteral("Select an option and press Ok."));
    cmdOK->setToolTip(QStringLiteral("Press to go to the selected option screen."));
    cmdCancel->setToolTip(QStringLiteral("Close screen and return the main screen."));
}

void frmAtomicData::cmdCancel_Click() {
    Forms::show(QStringLiteral("frmMain"));
    Forms::unload(this);
}

frmMiscellaneous::frmMiscellaneous()
    : OptionHubForm({.caption = QStringLiteral("Miscellaneous Data"),
                     .frameCaption = QStringLiteral("Select one of the following"),
                     .options = {{.name = BIND(*this, opt1), .caption = QStringLiteral("Gas Density"),
                                  .target = QStringLiteral("frmExtraData")},
                                 {.name = BIND(*this, opt2), .caption = QStringLiteral("Water Density"),
                                  .target = QStringLiteral("frmExtra2")}},
                     .sideBySide = true}) {}

void frmMiscellaneous::cmdOk_Click() {
    if (!selected()) {
        Msg::show(QStringLiteral("You must select an option."), QStringLiteral("Miscellaneous"), Msg::Icon::Information);
        return;
    }
    OptionHubForm::cmdOk_Click();
}
