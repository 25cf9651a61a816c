#pragma once

#include "Control.h"

#include <QColor>
#include <QWidget>

namespace terralore {

enum BackStyle { vbTransparent = 0, vbOpaque = 1 };
enum Alignment { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };

// A label's design values, as a screen's layout table gives them.
struct LabelDesign {
    const char *name = "label";
    int index = -1;
    float left = 0, top = 0, width = 0, height = 0;
    QString caption;
    const char *face = "Tahoma";
    double points = 8.25;
    bool bold = false;
    QColor fore = QColor(0, 0, 0);
    QColor back = QColor(192, 192, 192);
    int backStyle = vbOpaque;
    int borderStyle = 0;
    int alignment = vbLeftJustify;
    bool enabled = true;
    bool visible = true;
};

// A text label; most of the program's buttons are labels. Its Click is a
// press and a release of the left button on the same label.
class Label : public QWidget, public Control {
    Q_OBJECT
public:
    Label(Form *form, const LabelDesign &design, QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QColor ForeColor() const { return m_fore; }
    void setForeColor(const QColor &color);
    QColor BackColor() const { return m_back; }
    void setBackColor(const QColor &color);
    int BackStyle() const { return m_backStyle; }
    void setBackStyle(int style);
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    double FontSize() const { return m_points; }
    void setFontSize(double points);
    // Whether something acts on its Click: screen readers then present it
    // as a button, and their press action clicks it. Such a label takes the
    // focus by Tab (never by a click) and Enter or Space click it.
    bool actsAsButton() const { return m_button; }

signals:
    void Click();
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);

protected:
    void connectNotify(const QMetaMethod &signal) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    QString m_face;
    double m_points;
    bool m_bold;
    QColor m_fore;
    QColor m_back;
    int m_backStyle;
    int m_borderStyle;
    int m_alignment;
    bool m_leftPressed = false;
    bool m_button = false;
};

} // namespace terralore
