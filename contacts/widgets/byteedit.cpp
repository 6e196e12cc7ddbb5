#include "contacts/widgets/byteedit.h"

#include "platform/bytes.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTextDocument>

#include <algorithm>

namespace {

constexpr QChar kNoByte = QLatin1Char('?');

bool isLineBreak(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// Bytes a character of the document takes when stored.
int byteWeight(QChar c)
{
    return isLineBreak(c) ? 2 : 1;
}

int textByteLength(const QString& text)
{
    int length = 0;
    for (const QChar c : text)
        length += byteWeight(c);
    return length;
}

// The longest start of text that takes at most room bytes.
QString fitted(const QString& text, int room)
{
    qsizetype end = 0;
    for (int used = 0; end < text.size(); ++end) {
        const QChar c =
            text.at(end) == QLatin1Char('\n') ? QChar(QChar::ParagraphSeparator) : text.at(end);
        used += byteWeight(c);
        if (used > room)
            break;
    }
    return text.left(end);
}

// Line ends arrive as CR LF, CR or LF; the document wants one break for each of them.
QString withPlainBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    text.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    return text;
}

} // namespace

QString toSingleByteText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() <= 0xFF) {
            out.append(c);
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.append(kNoByte);
    }
    return out;
}

QValidator::State SingleByteValidator::validate(QString& input, int& pos) const
{
    const bool clean =
        std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    if (!clean) {
        // The cursor stays behind the same character: only the part before it counts.
        const qsizetype cursor = std::clamp<qsizetype>(pos, 0, input.size());
        pos = static_cast<int>(toSingleByteText(input.left(cursor)).size());
        input = toSingleByteText(input);
    }
    return Acceptable;
}

void setupByteLineEdit(QLineEdit* edit, int maxBytes)
{
    edit->setValidator(new SingleByteValidator(edit));
    edit->setMaxLength(maxBytes);
    // A longer text put in by the program raised the field's limit; once the user has
    // shortened it to the real limit, the real limit holds again.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, maxBytes](const QString& text) {
        if (edit->maxLength() > maxBytes && text.size() <= maxBytes)
            edit->setMaxLength(maxBytes);
    });
}

void setLineEditBytes(QLineEdit* edit, std::string_view bytes, int maxBytes)
{
    const QString text = platform::toDisplay(bytes);
    // Setting a text cuts it to the field's limit: raise the limit first.
    edit->setMaxLength(std::max(maxBytes, static_cast<int>(text.size())));
    edit->setText(text);
}

std::string lineEditBytes(const QLineEdit* edit)
{
    return platform::fromDisplay(edit->text());
}

MultiLineByteEdit::MultiLineByteEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    // The limit comes down again as text longer than it is shortened.
    connect(this, &QPlainTextEdit::textChanged, this,
            [this] { m_nAllowed = std::max(m_nMaxBytes, byteLength()); });
}

void MultiLineByteEdit::setMaxBytes(int maxBytes)
{
    m_nMaxBytes = maxBytes;
    m_nAllowed = std::max(maxBytes, byteLength());
}

void MultiLineByteEdit::setBytes(std::string_view bytes)
{
    setPlainText(withPlainBreaks(platform::toDisplay(bytes)));
}

std::string MultiLineByteEdit::bytes() const
{
    const QString raw = document()->toRawText();
    std::string out;
    out.reserve(static_cast<size_t>(raw.size()));
    for (const QChar c : raw) {
        if (isLineBreak(c))
            out += "\r\n";
        else
            out += c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?';
    }
    return out;
}

int MultiLineByteEdit::byteLength() const
{
    return textByteLength(document()->toRawText());
}

int MultiLineByteEdit::room() const
{
    return m_nAllowed - byteLength() + textByteLength(textCursor().selectedText());
}

void MultiLineByteEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool ctrl = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (room() < byteWeight(QChar::ParagraphSeparator))
            return; // refused, as a full one-line field refuses a key
    } else if (!text.isEmpty() && !ctrl &&
               (text.front().isPrint() || text.front().isHighSurrogate())) {
        const QString typed = toSingleByteText(text);
        if (room() < textByteLength(typed))
            return;
        if (typed != text) {
            QKeyEvent replaced(event->type(), event->key(), event->modifiers(), typed,
                               event->isAutoRepeat(), static_cast<quint16>(event->count()));
            QPlainTextEdit::keyPressEvent(&replaced);
            event->setAccepted(replaced.isAccepted());
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineByteEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent replaced(event->preeditString(), event->attributes());
    replaced.setCommitString(fitted(toSingleByteText(commit), room()), event->replacementStart(),
                             event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void MultiLineByteEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText())
        return;
    const QString text = fitted(toSingleByteText(withPlainBreaks(source->text())), room());
    if (!text.isEmpty())
        insertPlainText(text);
}
