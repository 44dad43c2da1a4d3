#pragma once
// Help topic files: the checks a file passes before it is shown, and the
// light Markdown they are written in ("#" headings, "- " and "1. " lists,
// _emphasis_, blank lines between paragraphs, "Example:" lines
// as paragraphs of their own) turned into rich text in one pass, linear in
// the length of the topic. A "*" is always the character: work lines use it
// for multiplication.
#include <QByteArray>
#include <QString>

namespace HelpText {

// Topics larger than this are refused.
constexpr qint64 MaxBytes = 1024 * 1024;

// Why the bytes cannot be shown as a topic (empty when they can): NUL bytes,
// or mostly characters that are no text (invalid UTF-8, control codes).
QString notText(const QByteArray& bytes, QString* text);

// Topics of more blocks (headings, paragraphs, list items) than this are
// refused: the viewer could not lay them out at once.
constexpr qsizetype MaxBlocks = 5000;

// The topic as rich text (HTML). No block holds more than a few thousand
// characters: a longer line goes on in blocks of its own. `blocks`: how many.
QString toHtml(const QString& markdown, qsizetype* blocks = nullptr);

}  // namespace HelpText
