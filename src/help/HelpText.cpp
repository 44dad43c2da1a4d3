#include "HelpText.h"

#include <QStringDecoder>

#include <algorithm>

namespace HelpText {

QString notText(const QByteArray& bytes, QString* text) {
    if (bytes.contains('\0')) return QStringLiteral("it is not a text file");
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(bytes);
    qsizetype bad = 0;
    for (const QChar c : decoded) {
        const char16_t u = c.unicode();
        if (u == 0xFFFD || (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f')) ++bad;
    }
    if (bad * 10 > decoded.size()) return QStringLiteral("it is not a text file");
    if (text) *text = decoded;
    return QString();
}

namespace {

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// An underscore opens emphasis where a word begins and closes it where one
// ends; any other underscore, and every "*", is a character of the text.
bool opens(QStringView line, qsizetype i) {
    return (i == 0 || !isWordChar(line.at(i - 1))) && i + 1 < line.size() && !line.at(i + 1).isSpace();
}
bool closes(QStringView line, qsizetype i) {
    return i > 0 && !line.at(i - 1).isSpace() && (i + 1 == line.size() || !isWordChar(line.at(i + 1)));
}

// Escapes the text and turns _a_ into italics.
void appendInline(QString& out, QStringView line) {
    // A marker opens only when a closing one follows it.
    qsizetype lastClose = -1;
    for (qsizetype i = 0; i < line.size(); ++i)
        if (line.at(i) == u'_' && closes(line, i)) lastClose = i;
    bool italic = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == u'_' && (italic ? closes(line, i) : opens(line, i) && lastClose > i + 1)) {
            out += italic ? QStringLiteral("</i>") : QStringLiteral("<i>");
            italic = !italic;
            continue;
        }
        switch (c.unicode()) {
        case u' ':
            // Rich text folds runs of blanks; a second blank is kept as a fixed one.
            out += i > 0 && line.at(i - 1) == u' ' ? QStringLiteral("&nbsp;") : QStringLiteral(" ");
            break;
        case u'<': out += QStringLiteral("&lt;"); break;
        case u'>': out += QStringLiteral("&gt;"); break;
        case u'&': out += QStringLiteral("&amp;"); break;
        default: out += c;
        }
    }
    if (italic) out += QStringLiteral("</i>");
}

// "1. " .. "9999. ": the number, else 0.
int listNumber(QStringView line, qsizetype* textStart) {
    qsizetype i = 0;
    while (i < line.size() && i < 4 && line.at(i).isDigit()) ++i;
    if (i == 0 || i + 1 >= line.size() || line.at(i) != u'.' || line.at(i + 1) != u' ') return 0;
    *textStart = i + 2;
    return line.left(i).toInt();
}

}  // namespace

QString toHtml(const QString& markdown, qsizetype* blocks) {
    // Lines that follow each other make one paragraph, which a blank line
    // ends; a paragraph is cut into blocks of at most BlockChars characters,
    // so one huge paragraph (or line) is not laid out as a whole. List items
    // are paragraphs that begin with their bullet or number.
    constexpr qsizetype BlockChars = 2000, UnbrokenChars = 200;
    QString out;
    out.reserve(markdown.size() + markdown.size() / 4 + 64);
    qsizetype count = 0;
    bool open = false;  // a paragraph or item goes on with the next line
    qsizetype blockStart = 0;
    auto close = [&] {
        if (open) out += QStringLiteral("</p>");
        open = false;
    };
    // Starts a block with its tag.
    auto begin = [&](const QString& tag) {
        out += tag;
        blockStart = out.size();
        ++count;
    };
    // The text of a line, in blocks of at most BlockChars characters, cut
    // after a blank where there is one; a run without a blank is cut after
    // UnbrokenChars, as wrapping a long one costs the layout far more than
    // its length. `next` ends one block and begins the next.
    auto appendCut = [&](QStringView text, const QString& next) {
        qsizetype start = 0, blank = -1;  // the part not yet written, and its last blank
        qsizetype room = std::max<qsizetype>(BlockChars - (out.size() - blockStart), 0);
        auto cutAt = [&](qsizetype at) {
            appendInline(out, text.mid(start, at - start));
            begin(next);
            start = at;
            room = BlockChars;
        };
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == u' ') {
                blank = i;
                continue;
            }
            if (i - std::max(blank + 1, start) >= UnbrokenChars) cutAt(i);
            else if (i - start >= room) cutAt(blank >= start ? blank + 1 : i);
        }
        appendInline(out, text.mid(start));
    };
    const QStringView all(markdown);
    qsizetype pos = 0;
    while (pos <= all.size()) {
        qsizetype end = all.indexOf(u'\n', pos);
        if (end < 0) end = all.size();
        const QStringView line = all.mid(pos, end - pos);
        pos = end + 1;
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            close();
            continue;
        }
        int level = 0;
        while (level < trimmed.size() && level < 6 && trimmed.at(level) == u'#') ++level;
        if (level > 0 && level < trimmed.size() && trimmed.at(level) == u' ') {
            close();
            const QString tag = QStringLiteral("<h%1>").arg(level), endTag = QStringLiteral("</h%1>").arg(level);
            begin(tag);
            appendCut(trimmed.mid(level + 1).trimmed(), endTag + tag);
            out += endTag;
            continue;
        }
        qsizetype textStart = 0;
        const bool bullet = (trimmed.startsWith(u"- ") || trimmed.startsWith(u"+ ")) &&
                            line.size() - line.trimmed().size() < 2;
        const int number = bullet ? 0 : listNumber(trimmed, &textStart);
        if (bullet || number) {
            close();
            // Items sit close together; a paragraph keeps its distance from them.
            const QString item = QStringLiteral("<p style=\"margin-top:3px; margin-bottom:3px\">");
            begin(item + QStringLiteral("&nbsp;&nbsp;"));
            out += bullet ? QStringLiteral("\u2022&nbsp;") : QStringLiteral("%1.&nbsp;").arg(number);
            open = true;
            appendCut(trimmed.mid(bullet ? 2 : textStart), QStringLiteral("</p>") + item);
            continue;
        }
        // A worked example starts a paragraph of its own, under a bold "Example:".
        if (trimmed.startsWith(u"Example:")) {
            close();
            begin(QStringLiteral("<p><b>Example:</b>"));
            open = true;
            appendCut(trimmed.mid(8), QStringLiteral("</p><p>"));
            continue;
        }
        if (open && out.size() - blockStart > BlockChars) {
            out += QStringLiteral("</p>");
            begin(QStringLiteral("<p>"));
        } else if (open) {
            out += u' ';
        } else {
            begin(QStringLiteral("<p>"));
            open = true;
        }
        appendCut(trimmed, QStringLiteral("</p><p>"));
    }
    close();
    if (blocks) *blocks = count;
    return out;
}

}  // namespace HelpText
