#pragma once
// Edit fields for the address book's single-byte text. A field shows each byte as the
// character of the same number (Latin-1). A character above U+00FF has no byte: it turns
// into '?' the moment it is typed or pasted, so the field always shows what will be
// stored, and a limit in bytes is a limit in characters.

#include <QPlainTextEdit>
#include <QValidator>

#include <string>
#include <string_view>

class QLineEdit;

// Replaces every character without a byte by '?'; a pair of surrogates is one character
// and becomes one '?'.
QString toSingleByteText(const QString& text);

// For QLineEdit: does the replacement above as the user types or pastes.
class SingleByteValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// A one-line field for bytes, limited to maxBytes. Text longer than the limit that the
// program puts in is shown whole (nothing is cut behind the user's back); the user can
// only shorten it, and whoever takes it back tests the limit.
void setupByteLineEdit(QLineEdit* edit, int maxBytes);
void setLineEditBytes(QLineEdit* edit, std::string_view bytes, int maxBytes);
std::string lineEditBytes(const QLineEdit* edit);

// A multi-line field for bytes, limited to maxBytes. A line break is stored as CR LF, the
// line end of the rest of the address book's text, so it counts two bytes against the
// limit. Typing, pasting, dropping and input methods are held to the limit where the text
// comes in, so every state the undo history can go back to was within it; Tab moves the
// focus instead of inserting a tab.
class MultiLineByteEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MultiLineByteEdit(QWidget* parent = nullptr);

    void setMaxBytes(int maxBytes);
    int maxBytes() const { return m_nMaxBytes; }

    // As for the one-line field, text over the limit that the program puts in is kept.
    void setBytes(std::string_view bytes);
    std::string bytes() const;
    int byteLength() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Bytes that text typed or pasted now may take: what the selection gives back included.
    int room() const;

    int m_nMaxBytes = 0x7fffffff;
    int m_nAllowed = 0x7fffffff; // the limit, or more while text put in by the program is longer
};
