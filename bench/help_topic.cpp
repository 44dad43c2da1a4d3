// Time to show a help topic in the user manual viewer, offscreen, for topics
// of short lines and of paragraphs up to the 1 MB limit (median of 3).
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

#include "help/HelpWindows.h"
#include "help/frmHelp.h"
#include "SilentMessages.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"


int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerHelpWindows();
    Msg::setService(std::make_shared<SilentMessages>());
    QTemporaryDir dir;
    Program::setFolder(dir.path());
    auto* help = Forms::showAs<frmHelp>(QStringLiteral("frmHelp"));
    QTextStream out(stdout);
    out << "topic                      KB     show ms\n";
    const QList<std::pair<QString, QString>> kinds = {
        {QStringLiteral("short lines"), QStringLiteral("short line\n")},
        {QStringLiteral("paragraphs"), QStringLiteral("A paragraph of *some* words, H2O and 2H2O.\n\n")},
        {QStringLiteral("list items"), QStringLiteral("- an item with **bold** text\n")},
    };
    for (const auto& [name, unit] : kinds) {
        for (const int kb : {50, 200, 1000}) {
            QString text = QStringLiteral("# Heading\n\n");
            while (text.size() < kb * 1000) text += unit;
            QFile f(dir.filePath(QStringLiteral("Topic.txt")));
            f.open(QIODevice::WriteOnly);
            f.write(text.toUtf8());
            f.close();
            QList<double> ms;
            for (int run = 0; run < 3; ++run) {
                help->cmdClear_Click();
                QElapsedTimer t;
                t.start();
                help->LoadHelpTopic(QStringLiteral("Topic.txt"));
                QCoreApplication::processEvents();
                ms << t.nsecsElapsed() / 1e6;
            }
            std::sort(ms.begin(), ms.end());
            out << QStringLiteral("%1 %2 %3\n").arg(name, -22).arg(kb, 6).arg(ms.at(1), 11, 'f', 1);
        }
    }
    return 0;
}
