#pragma once
// Damaged copies of the reference database, and the windows that read it,
// driven as a student would with sensible input.
#include <QHash>
#include <QStringList>
#include <functional>

class QListWidget;

namespace BadFiles {

// What a student sees after driving one window: list lines (compared as a
// set: sorted lists and repeated rows move lines), boxes (compared place by
// place) and the messages shown.
struct Seen {
    QStringList lines;
    QStringList boxes;
    QStringList messages;
    qint64 ms = 0;
};

// A window that reads the database, the tables it reads and how to drive it.
struct Reader {
    QString window;
    QStringList tables;
    std::function<Seen()> drive;
};

// Every window that reads the database (found in the sources: viewers,
// charts, data sheet, weigher, mole calculator, atom builder, reactions,
// water-vapour windows, freezing-point window).
const QList<Reader>& readers();
// Drives one reader, timing it and collecting its messages.
Seen run(const Reader& r);

// The tables of the reference database and their fields, as built from data/.
struct Table {
    QString name;
    QStringList fields;
};
QList<Table> tables(const QString& path);

// Applies SQL statements to a database file (opened read-write apart from the
// program's connection). False with a warning when one fails.
bool edit(const QString& path, const QStringList& statements);
// Overwrites whole pages of the file with bytes from a fixed seed.
bool scramblePages(const QString& path, const QList<int>& pages, quint32 seed);

// Whether every line of `damaged` is a line of `good` with, at most, some of
// its cells left empty (its words a subsequence of a good line's words).
QString inventedLine(const QStringList& damaged, const QStringList& good);

// Messages that name a fault of the file rather than of the student's input.
bool namesAFault(const QString& message);

// Lines of a list widget, top to bottom.
QStringList lines(const QListWidget* list);

}  // namespace BadFiles
