#include "frmSplash.h"
#include "Pictures.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

frmSplash::frmSplash() {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    imgLogo = new QLabel(Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(Pictures::glassware(96));
    auto label = [this](const char* name, int pt, bool bold) {
        auto* l = new QLabel(Frame1);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        if (pt) f.setPointSize(pt);
        f.setBold(bold);
        l->setFont(f);
        return l;
    };
    lblCompanyProduct = label("lblCompanyProduct", 22, true);
    lblCompanyProduct->setText(QStringLiteral("Tessival V1.5"));
    lblProductName = label("lblProductName", 12, true);
    Label1 = label("Label1", 0, false);
    Label2 = label("Label2", 0, false);
    Label3 = label("Label3", 0, false);

    auto* texts = new QVBoxLayout;
    for (QLabel* l : {lblCompanyProduct, lblProductName, Label1, Label2, Label3}) texts->addWidget(l);
    auto* inner = new QHBoxLayout(Frame1);
    inner->setContentsMargins(16, 16, 16, 16);
    inner->addWidget(imgLogo);
    inner->addLayout(texts, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);  // the thin margin outside the frame
    outer->addWidget(Frame1);

    for (QWidget* w : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(imgLogo), static_cast<QWidget*>(lblCompanyProduct),
                       static_cast<QWidget*>(lblProductName), static_cast<QWidget*>(Label1),
                       static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3)})
        w->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
}

void frmSplash::Form_Load() {
    lblProductName->setText(QStringLiteral("Chemistry problem solver and reference for students"));
    Label1->setText(QStringLiteral("Orwent Software\nVersion 1.5\nFor Vadududid"));
    Label2->setText(QStringLiteral("Free software under the GNU General Public License, version 3 or later."));
    Label3->setText(QStringLiteral("Windows 95 / 98 Version"));
    setFixedBorder();
}

bool frmSplash::Form_KeyPress(QChar) {
    Forms::unload(this);
    return true;
}

bool frmSplash::eventFilter(QObject* obj, QEvent* ev) {
    if (ev->type() == QEvent::MouseButtonRelease && obj != this) {
        Forms::unload(this);
        return true;
    }
    return Form::eventFilter(obj, ev);
}
