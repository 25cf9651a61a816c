#include "Label.h"

#include "Fonts.h"
#include "Form.h"
#include "MouseArgs.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace terralore {

Label::Label(Form *form, const LabelDesign &d, QWidget *parent)
    : QWidget(parent ? parent : form->client()), Control(this, form, QString::fromLatin1(d.name), d.index),
      m_caption(d.caption), m_face(QString::fromLatin1(d.face)), m_points(d.points), m_bold(d.bold), m_fore(d.fore),
      m_back(d.back), m_backStyle(d.backStyle), m_borderStyle(d.borderStyle), m_alignment(d.alignment)
{
    setMouseTracking(true);
    setFont(makeFont(m_face, m_points, m_bold));
    moveTwips(d.left, d.top, d.width, d.height);
    setEnabled(d.enabled);
    setVisible(d.visible);
}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
    // A screen reader announces a changed score line or page counter.
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void Label::connectNotify(const QMetaMethod &signal)
{
    if (signal == QMetaMethod::fromSignal(&Label::Click)) {
        m_button = true;
        setFocusPolicy(Qt::TabFocus);
    }
    QWidget::connectNotify(signal);
}

void Label::setForeColor(const QColor &color)
{
    m_fore = color;
    update();
}

void Label::setBackColor(const QColor &color)
{
    m_back = color;
    update();
}

void Label::setBackStyle(int style)
{
    if (style == m_backStyle)
        return;
    m_backStyle = style;
    update();
}

void Label::setBorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

void Label::setAlignment(int alignment)
{
    m_alignment = alignment;
    update();
}

void Label::setFontSize(double points)
{
    m_points = points;
    setFont(makeFont(m_face, m_points, m_bold));
    update();
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect();
    if (m_backStyle == vbOpaque)
        p.fillRect(r, m_back);
    if (m_borderStyle != 0) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    // A caption that overruns its box by a fraction of a pixel (the metric
    // twins differ from the design faces by that much) stays on one line.
    const bool fits = QFontMetricsF(font()).horizontalAdvance(m_caption) <= r.width() + 2;
    int flags = (fits ? 0 : int(Qt::TextWordWrap)) | Qt::AlignTop;
    flags |= m_alignment == vbCenter         ? Qt::AlignHCenter
             : m_alignment == vbRightJustify ? Qt::AlignRight
                                             : Qt::AlignLeft;
    p.setFont(font());
    if (isEnabled()) {
        p.setPen(m_fore);
        p.drawText(r, flags, m_caption);
    } else {
        // The toolkit's disabled look: an etched grey caption.
        p.setPen(QColor(255, 255, 255));
        p.drawText(r.translated(1, 1), flags, m_caption);
        p.setPen(QColor(128, 128, 128));
        p.drawText(r, flags, m_caption);
    }
}

void Label::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (!m_button || !activates || event->isAutoRepeat() || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    emit Click();
}

void Label::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    const MouseArgs a = MouseArgs::fromPressOrRelease(event);
    emit MouseDown(a.button, a.shift, a.x, a.y);
    event->accept();
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    const MouseArgs a = MouseArgs::fromMove(event);
    emit MouseMove(a.button, a.shift, a.x, a.y);
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        event->button() == Qt::LeftButton && m_leftPressed && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_leftPressed = false;
    const MouseArgs a = MouseArgs::fromPressOrRelease(event);
    emit MouseUp(a.button, a.shift, a.x, a.y);
    event->accept();
    if (click)
        emit Click();
}

} // namespace terralore
