// The yardstick for start-up: a bare Qt Widgets window with one button,
// shown and left running (bench_startup ends it).
#include <QApplication>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Bare"));
    auto* v = new QVBoxLayout(&w);
    v->addWidget(new QPushButton(QStringLiteral("Button"), &w));
    w.resize(900, 560);
    w.show();
    return app.exec();
}
