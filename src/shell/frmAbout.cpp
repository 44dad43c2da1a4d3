#include "frmAbout.h"
#include "Pictures.h"

#include "platform/MessageBox.h"
#include "platform/Program.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

frmAbout::frmAbout() {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    cmdOK = makeButton(QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdSysInfo = makeButton(QStringLiteral("cmdSysInfo"), QStringLiteral("&System Info..."));
    lblTitle = label("lblTitle");
    QFont f = lblTitle->font();
    f.setPointSize(18);
    f.setBold(true);
    lblTitle->setFont(f);
    lblVersion = label("lblVersion");
    lblDescription = label("lblDescription");
    lblDescription->setWordWrap(true);
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    lblDisclaimer = label("lblDisclaimer");
    lblDisclaimer->setWordWrap(true);

    auto* logo = new QLabel(this);
    logo->setPixmap(Pictures::glassware(64));
    auto* head = new QHBoxLayout;
    head->addWidget(logo, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(lblDescription);
    head->addLayout(texts, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    auto* foot = new QHBoxLayout;
    foot->addWidget(lblDisclaimer, 1);
    foot->addLayout(buttons);
    auto* v = new QVBoxLayout(this);
    v->addLayout(head);
    v->addWidget(Line1);
    v->addLayout(foot);

    orderTabs({cmdOK, cmdSysInfo});
    setDefaultButton(cmdOK);
    setCancelButton(cmdOK);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("Orwent Software"));
    lblVersion->setText(QStringLiteral("Chemistry problem solver and reference, version 1.5"));
    lblTitle->setText(QStringLiteral("Tessival V1.5"));
    lblDisclaimer->setText(QStringLiteral(
        "This program is free software under the GNU General Public License, version 3 or later. "
        "It comes with no warranty: check important answers by hand."));
    lblDescription->setText(QStringLiteral(
        "Calculators for gases, solutions, moles, energy and measurement.\n"
        "Reference tables, periodic tables and element charts.\n"
        "A formula weigher, a reaction atom counter and an atom builder."));
    setFixedBorder();
    cmdOK->setFocus();
}

void frmAbout::cmdOk_Click() { Forms::unload(this); }

void frmAbout::cmdSysInfo_Click() { StartSystemInfo(); }

void frmAbout::StartSystemInfo() {
    // There is no registry here: the desktop's system-information programs.
    static const QStringList programs = {QStringLiteral("hardinfo"), QStringLiteral("gnome-system-monitor"),
                                         QStringLiteral("mate-system-monitor"), QStringLiteral("ksysguard"),
                                         QStringLiteral("xfce4-taskmanager")};
    if (!Program::startFirst(programs)) Msg::show(QStringLiteral("System Information Is Unavailable At This Time"));
}
