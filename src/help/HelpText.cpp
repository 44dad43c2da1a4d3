#include "HelpText.h"

#include <QStringDecoder>

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

QString toHtml(const QString& markdown) {
    // Lines that follow each other make one paragraph, which a blank line
    // ends; a paragraph is cut into blocks of at most BlockChars characters,
    // so one huge paragraph is not laid out as a whole. List items are
    // paragraphs that begin with their bullet or number.
    constexpr qsizetype BlockChars = 2000;
    QString out;
    out.reserve(markdown.size() + markdown.size() / 4 + 64);
    bool open = false;  // a paragraph or item goes on with the next line
    qsizetype blockStart = 0;
    auto close = [&] {
        if (open) out += QStringLiteral("</p>");
        open = false;
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
            out += QStringLiteral("<h%1>").arg(level);
            appendInline(out, trimmed.mid(level + 1).trimmed());
            out += QStringLiteral("</h%1>").arg(level);
            continue;
        }
        qsizetype textStart = 0;
        const bool bullet = (trimmed.startsWith(u"- ") || trimmed.startsWith(u"+ ")) &&
                            line.size() - line.trimmed().size() < 2;
        const int number = bullet ? 0 : listNumber(trimmed, &textStart);
        if (bullet || number) {
            close();
            // Items sit close together; a paragraph keeps its distance from them.
            out += QStringLiteral("<p style=\"margin-top:3px; margin-bottom:3px\">&nbsp;&nbsp;");
            out += bullet ? QStringLiteral("\u2022&nbsp;") : QStringLiteral("%1.&nbsp;").arg(number);
            open = true;
            blockStart = out.size();
            appendInline(out, trimmed.mid(bullet ? 2 : textStart));
            continue;
        }
        // A worked example starts a paragraph of its own, under a bold "Example:".
        if (trimmed.startsWith(u"Example:")) {
            close();
            out += QStringLiteral("<p><b>Example:</b>");
            open = true;
            blockStart = out.size();
            appendInline(out, trimmed.mid(8));
            continue;
        }
        if (open && out.size() - blockStart > BlockChars) {
            out += QStringLiteral("</p><p>");
            blockStart = out.size();
        } else if (open) {
            out += u' ';
        } else {
            out += QStringLiteral("<p>");
            open = true;
            blockStart = out.size();
        }
        appendInline(out, trimmed);
    }
    close();
    return out;
}

}  // namespace HelpText
