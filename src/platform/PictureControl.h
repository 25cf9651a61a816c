#pragma once

#include "Control.h"

#include "picture/Picture.h"

#include <QColor>
#include <QWidget>

namespace terralore {

// What images and picture boxes share: a picture loaded by path (or copied
// from another control), the path it came from, and the mouse events.
class PictureControl : public QWidget, public Control {
    Q_OBJECT
public:
    PictureControl(Form *form, const QString &name, int index, QWidget *parent);

    // Loads a resource path; an empty path or a missing or damaged file
    // leaves the control without a picture.
    void LoadPicture(const QString &relativePath);
    void setPicture(const Picture &picture);
    const Picture &picture() const { return m_picture; }
    // The path the current picture was loaded from ("" when cleared).
    const QString &PictureSource() const { return m_source; }
    // What a screen reader says in place of the picture ("" when unknown).
    const QString &description() const { return m_description; }

signals:
    void Click();
    void MouseMove(int Button, int Shift, float X, float Y);

protected:
    virtual void pictureChanged() {}
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setDescription(const QString &description);

    Picture m_picture;
    QString m_source;
    QString m_description;
    bool m_leftPressed = false;
};

// An image: the picture stretched to the control, or the control sized to
// the picture.
class Image : public PictureControl {
    Q_OBJECT
public:
    Image(Form *form, const QString &name, int index = -1, QWidget *parent = nullptr);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);

protected:
    void pictureChanged() override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_stretch = false;
};

// A picture box: a back colour with the picture at its natural size in the
// top-left corner; with AutoSize it takes the picture's size.
class PictureBox : public PictureControl {
    Q_OBJECT
public:
    PictureBox(Form *form, const QString &name, int index = -1, QWidget *parent = nullptr);
    QColor BackColor() const { return m_back; }
    void setBackColor(const QColor &color);
    void setAutoSize(bool autoSize);

protected:
    void pictureChanged() override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_back = QColor(192, 192, 192);
    bool m_autoSize = false;
};

} // namespace terralore
