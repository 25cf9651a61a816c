#include "TextBox.h"

#include "Fonts.h"
#include "Form.h"
#include "TextCodec.h"

#include <QKeyEvent>
#include <QValidator>

namespace terralore {

namespace {

constexpr int kNoLimit = 32767;

// Rewrites whatever is pasted or dropped into a single line.
class SingleLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        const QString line = singleLineText(input);
        if (line != input) {
            pos = int(singleLineText(QStringView(input).left(pos)).size());
            input = line;
        }
        return Acceptable;
    }
};

} // namespace

TextBox::TextBox(Form *form, const char *name, int index, float left, float top, float width, float height,
                 const char *face, double points, QWidget *parent)
    : QLineEdit(parent ? parent : form->client()), Control(this, form, QString::fromLatin1(name), index)
{
    setFont(makeFont(QString::fromLatin1(face), points));
    setMouseTracking(true);
    setValidator(new SingleLineValidator(this));
    // A value longer than the limit (set whole) may shrink back to it, but
    // typing never takes the box past the longer of the two.
    connect(this, &QLineEdit::textChanged, this, &TextBox::applyLimit);
    moveTwips(left, top, width, height);
}

void TextBox::setText(const QString &text)
{
    QLineEdit::setMaxLength(kNoLimit);
    QLineEdit::setText(singleLineText(text));
    applyLimit();
}

void TextBox::setMaxLength(int length)
{
    m_limit = length > 0 ? length : kNoLimit;
    applyLimit();
}

void TextBox::applyLimit()
{
    QLineEdit::setMaxLength(std::max(m_limit, int(text().size())));
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit KeyPress(13);
        event->accept();
        return;
    }
    const QString typed = event->text();
    QLineEdit::keyPressEvent(event);
    if (typed.size() == 1 && typed.at(0).unicode() >= 32)
        emit KeyPress(typed.at(0).unicode());
}

void TextBox::mouseMoveEvent(QMouseEvent *event)
{
    QLineEdit::mouseMoveEvent(event);
    event->accept();
}

} // namespace terralore
