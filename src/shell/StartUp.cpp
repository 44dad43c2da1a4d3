#include "StartUp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWindow>

#include "platform/Forms.h"
#include "platform/Program.h"
#include "refdata/ReferenceDatabase.h"

bool OpenDatabaseFile() {
    const QString path = Program::path(ReferenceDatabase::FileName);
    if (path.isEmpty()) {
        // Never a file of the working folder in its place.
        Form::say(QStringLiteral("The program cannot find its own folder (%1). Please install the program again.")
                      .arg(Program::folderProblem()),
                  Form::Style{});
        return false;
    }
    QString why;
    if (ReferenceDatabase::open(path, &why)) return true;
    // A file that is there but cannot be read is not said to be missing.
    const QString text =
        QFileInfo::exists(path)
            ? ReferenceDatabase::cannotOpenMessage(path, why)
            : QStringLiteral("Cannot locate the database. Please check to make sure it is installed in the correct location.");
    Form::say(text, Form::Style{});
    return false;
}

namespace {
// Lets the main window reach the screen before the splash and the database
// open; no user input is handled meanwhile.
void letItAppear(Form* f) {
    if (!f || !f->windowHandle()) return;
    QElapsedTimer t;
    t.start();
    while (!f->windowHandle()->isExposed() && t.elapsed() < 250)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 10);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// A style's icon, read from the style when first painted or measured.
class DeferredIcon : public QIconEngine {
public:
    DeferredIcon(QStyle* style, QStyle::StandardPixmap which) : m_style(style), m_which(which) {}
    void paint(QPainter* p, const QRect& r, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(p, r, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new DeferredIcon(m_style, m_which); }

private:
    const QIcon& icon() {
        if (m_icon.isNull() && m_style) m_icon = m_style->standardIcon(m_which);
        return m_icon;
    }
    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
};

// The application's style, but the menu bar's extension arrow, which every
// menu bar asks for when made and shows only when its menus do not fit, is
// read when first shown: reading it loads every image-format plugin.
class StartUpStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new DeferredIcon(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

void deferExtensionIcons() {
    if (dynamic_cast<StartUpStyle*>(QApplication::style())) return;
    QApplication::setStyle(new StartUpStyle(QStyleFactory::create(QApplication::style()->name())));
}
}  // namespace

bool StartUp() {
    deferExtensionIcons();
    letItAppear(Forms::show(QStringLiteral("frmMain")));
    Forms::show(QStringLiteral("frmSplash"));
    return OpenDatabaseFile();
}
