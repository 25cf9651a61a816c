#include "PictureControl.h"

#include "Form.h"
#include "MouseArgs.h"
#include "PictureDescriptions.h"
#include "PicturePrefetch.h"
#include "ResourcePath.h"
#include "Twips.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace terralore {

PictureControl::PictureControl(Form *form, const QString &name, int index, QWidget *parent)
    : QWidget(parent ? parent : form->client()), Control(this, form, name, index)
{
    setMouseTracking(true);
}

void PictureControl::LoadPicture(const QString &relativePath)
{
    m_source = relativePath;
    if (relativePath.isEmpty())
        m_picture = Picture();
    else if (std::optional<Picture> prefetched = takePrefetchedPicture(relativePath))
        m_picture = *std::move(prefetched);
    else
        m_picture = Picture::load(resolveResource(relativePath));
    setDescription(pictureDescription(relativePath));
    pictureChanged();
    update();
}

void PictureControl::setPicture(const Picture &picture)
{
    m_picture = picture;
    // A copied picture comes without the path that would describe it.
    setDescription(QString());
    pictureChanged();
    update();
}

void PictureControl::setDescription(const QString &description)
{
    if (description == m_description)
        return;
    m_description = description;
    // A screen reader announces the new picture; not the next frame of the same animation.
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void PictureControl::mousePressEvent(QMouseEvent *event)
{
    m_leftPressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureControl::mouseMoveEvent(QMouseEvent *event)
{
    const MouseArgs a = MouseArgs::fromMove(event);
    emit MouseMove(a.button, a.shift, a.x, a.y);
    event->accept();
}

void PictureControl::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        event->button() == Qt::LeftButton && m_leftPressed && rect().contains(event->position().toPoint());
    m_leftPressed = false;
    event->accept();
    if (click)
        emit Click();
}

Image::Image(Form *form, const QString &name, int index, QWidget *parent) : PictureControl(form, name, index, parent)
{}

void Image::setStretch(bool stretch)
{
    m_stretch = stretch;
    pictureChanged();
    update();
}

void Image::pictureChanged()
{
    if (!m_stretch) {
        const QSizeF size = picture().sizeTwips();
        setWidthTwips(float(size.width()));
        setHeightTwips(float(size.height()));
    }
}

void Image::paintEvent(QPaintEvent *)
{
    if (picture().isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    picture().draw(p, QRectF(rect()));
}

PictureBox::PictureBox(Form *form, const QString &name, int index, QWidget *parent)
    : PictureControl(form, name, index, parent)
{}

void PictureBox::setBackColor(const QColor &color)
{
    m_back = color;
    update();
}

void PictureBox::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    pictureChanged();
}

void PictureBox::pictureChanged()
{
    if (m_autoSize && !picture().isNull()) {
        const QSizeF size = picture().sizeTwips();
        setWidthTwips(float(size.width()));
        setHeightTwips(float(size.height()));
    }
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_back);
    if (picture().isNull())
        return;
    const QSizeF size = picture().sizeTwips() / double(kTwipsPerPixel);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    picture().draw(p, QRectF(QPointF(0, 0), size));
}

} // namespace terralore
