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

// The topic as rich text (HTML).
QString toHtml(const QString& markdown);

}  // namespace HelpText
