#pragma once

#include <QString>

class QWidget;

namespace terralore {

class Form;

// What every control shares: its design name and index, and its geometry in
// twips kept exactly as set (single precision). The pixel geometry is derived
// from the twips, never read back.
class Control {
public:
    Control(QWidget *self, Form *form, const QString &name, int index);
    virtual ~Control() = default;

    const QString &Name() const { return m_name; }
    int Index() const { return m_index; }
    Form *form() const { return m_form; }
    QWidget *widget() const { return m_self; }

    float leftTwips() const { return m_left; }
    float topTwips() const { return m_top; }
    float widthTwips() const { return m_width; }
    float heightTwips() const { return m_height; }
    void setLeftTwips(float twips);
    void setTopTwips(float twips);
    void setWidthTwips(float twips);
    void setHeightTwips(float twips);
    void moveTwips(float left, float top);
    void moveTwips(float left, float top, float width, float height);

    // Visible as the design sees it: shown whenever its form is.
    bool Visible() const;
    bool Enabled() const;

protected:
    virtual void applyGeometry();

private:
    QWidget *m_self;
    Form *m_form;
    QString m_name;
    int m_index;
    float m_left = 0, m_top = 0, m_width = 0, m_height = 0;
};

} // namespace terralore
