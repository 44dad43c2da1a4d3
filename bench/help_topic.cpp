// Time to show a help topic in the user manual viewer, offscreen, for topics
// of short lines and of paragraphs up to the 1 MB limit (median of 3), and
// for odd topics (one huge line, a huge count of headings), each without and
// with a screen reader, whose bridge reads the interfaces of every update
// (budget: 1 s each; a refused topic is named so).
#include <QAccessible>
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

    // Odd topics, as a probe found them, once each without and with a screen reader.
    QString words;
    while (words.size() < 1000000) words += QStringLiteral("word ");
    words.truncate(1000000);
    const QList<std::pair<QString, QString>> odd = {
        {QStringLiteral("one line of 1,000,000"), words},
        {QStringLiteral("one line of 256 kB"), words.left(256 * 1024)},
        {QStringLiteral("one line of \"*\""), QString(1000000, u'*')},
        {QStringLiteral("one line of \"_a\""), QStringLiteral("_a").repeated(500000)},
        {QStringLiteral("one line, no blank"), QString(1000000, u'a')},
        {QStringLiteral("262,143 headings"), QStringLiteral("# a\n").repeated(262143)},
        {QStringLiteral("5,000 headings"), QStringLiteral("# a\n").repeated(5000)},
        {QStringLiteral("5,000 list items"), QStringLiteral("- an item with _some_ words\n").repeated(5000)},
        {QStringLiteral("5,000 paragraphs"), QStringLiteral("A paragraph of words.\n\n").repeated(5000)},
    };
    // What a screen reader's bridge does with each update: reads the object
    // it names, and the text a text update brings.
    static qint64 reads = 0;
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
        QAccessibleInterface* i = e->accessibleInterface();
        if (!i) return;
        reads += i->text(QAccessible::Name).size() + i->childCount();
        if (QAccessibleTextInterface* t = i->textInterface()) reads += t->text(0, std::min(t->characterCount(), 4096)).size();
    });
    auto silent = std::make_shared<SilentMessages>();
    Msg::setService(silent);
    out << "\nodd topic                  screen reader   show ms\n";
    for (const auto& [name, text] : odd) {
        for (const bool reader : {false, true}) {
            QAccessible::setActive(reader);
            QFile f(dir.filePath(QStringLiteral("Topic.txt")));
            f.open(QIODevice::WriteOnly);
            f.write(text.toUtf8());
            f.close();
            help->cmdClear_Click();
            const int before = silent->shown;
            QElapsedTimer t;
            t.start();
            help->LoadHelpTopic(QStringLiteral("Topic.txt"));
            QCoreApplication::processEvents();
            const double ms = t.nsecsElapsed() / 1e6;
            const bool wasRefused = silent->shown != before;
            out << QStringLiteral("%1 %2 %3%4\n")
                       .arg(name, -26)
                       .arg(reader ? QStringLiteral("on") : QStringLiteral("off"), 6)
                       .arg(ms, 15, 'f', 1)
                       .arg(wasRefused ? QStringLiteral("  refused") : QString());
            out.flush();
        }
    }
    QAccessible::setActive(false);
    return 0;
}
