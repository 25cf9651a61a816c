#pragma once

#include <QObject>

class QWidget;

namespace terralore {

// F9 on any screen of the given window reads the top screen aloud once,
// whether or not that screen's "Read aloud" is on.
class ReadAloudKey : public QObject {
public:
    explicit ReadAloudKey(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

} // namespace terralore
