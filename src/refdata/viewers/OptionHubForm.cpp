#include "OptionHubForm.h"

#include "platform/MessageBox.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

OptionHubForm::OptionHubForm(const QString& caption, const QString& frameCaption, const QList<Option>& options_,
                             bool sideBySide)
    : m_options(options_) {
    setWindowTitle(caption);
    Frame1 = new QGroupBox(frameCaption, this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    QBoxLayout* inner = sideBySide ? static_cast<QBoxLayout*>(new QHBoxLayout(Frame1))
                                   : static_cast<QBoxLayout*>(new QVBoxLayout(Frame1));
    for (const Option& o : m_options) {
        auto* b = new QRadioButton(o.caption, Frame1);
        b->setObjectName(o.name);
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
    : OptionHubForm(QStringLiteral("Atomic Data"), QStringLiteral("Select one of the following."),
                    {{QStringLiteral("opt1"), QStringLiteral("Atomic Radii"), QStringLiteral("frmRadii")},
                     {QStringLiteral("opt2"), QStringLiteral("Bond Lengths"), QStringLiteral("frmBonds")},
                     {QStringLiteral("opt3"), QStringLiteral("Electron Affinities"), QStringLiteral("frmAffinities")},
                     {QStringLiteral("opt4"), QStringLiteral("Bond Characters"), QStringLiteral("frmCharacter")},
                     {QStringLiteral("opt5"), QStringLiteral("Half Lives"), QStringLiteral("frmHalfLives")}},
                    false) {
    opt1 = options.at(0);
    opt2 = options.at(1);
    opt3 = options.at(2);
    opt4 = options.at(3);
    opt5 = options.at(4);
    Frame1->setToolTip(QStringLiteral("Select an option and press Ok."));
    cmdOK->setToolTip(QStringLiteral("Press to go to the selected option screen."));
    cmdCancel->setToolTip(QStringLiteral("Close screen and return the main screen."));
}

void frmAtomicData::cmdCancel_Click() {
    Forms::show(QStringLiteral("frmMain"));
    Forms::unload(this);
}

frmMiscellaneous::frmMiscellaneous()
    : OptionHubForm(QStringLiteral("Miscellaneous Data"), QStringLiteral("Select one of the following"),
                    {{QStringLiteral("opt1"), QStringLiteral("Gas Density"), QStringLiteral("frmExtraData")},
                     {QStringLiteral("opt2"), QStringLiteral("Water Density"), QStringLiteral("frmExtra2")}},
                    true) {
    opt1 = options.at(0);
    opt2 = options.at(1);
}

void frmMiscellaneous::cmdOk_Click() {
    if (!selected()) {
        Msg::show(QStringLiteral("You must select an option."), QStringLiteral("Miscellaneous"), Msg::Icon::Information);
        return;
    }
    OptionHubForm::cmdOk_Click();
}
